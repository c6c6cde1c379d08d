// SPDX-License-Identifier: GPL-3.0-or-later
// The program serving the clipboard from its X11 clipboard thread.
//
// KeeperLatency: a program copies a text and exits (xclip -loops 1, which serves the program's
// read and goes); from the X server's report that nobody owns the clipboard to its report that
// the program owns it again.
// GuiGapWith20Stalled: the program holds a 100 MB text of its own; 20 requesters ask for it and
// never take a chunk after the first answer. The time is the worst gap between the ticks of a
// 10 ms timer on the GUI thread over the next 3 s: how long a window manager's ping could wait.
// PingWith20Stalled: the same, and a window manager's _NET_WM_PING sent to the main window every
// 100 ms for 3 s from another connection; the time is the slowest reply.
// IdleReaderWakeUps: after a program copied and exited and the keeper took the text over, the
// clipboard thread's context switches over 5 s in which nothing happens.
//
// Needs an X server:  xvfb-run -a build/<dir>/bench/bench_clipboardserve
#include "BenchSupport.h"
#include "capture/ClipboardWatcher.h"
#include "mainwindow/MainWindow.h"
#include "platform/x11/XcbCalls.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QSocketNotifier>
#include <QTimer>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <memory>

#include <xcb/xcb.h>
#include <xcb/xfixes.h>

namespace {

// Another client on its own connection: watches the clipboard's owner and asks for its content.
class Observer {
public:
    Observer() : m_c(xcb_connect(nullptr, nullptr))
    {
        m_root = xcb_setup_roots_iterator(xcb_get_setup(m_c)).data->root;
        XcbCalls::intern(m_c, {{&m_clipboard, "CLIPBOARD"},
                               {&m_utf8, "UTF8_STRING"},
                               {&m_protocols, "WM_PROTOCOLS"},
                               {&m_ping, "_NET_WM_PING"}});
        m_xfixes = xcb_get_extension_data(m_c, &xcb_xfixes_id)->first_event;
        free(xcb_xfixes_query_version_reply(m_c, xcb_xfixes_query_version(m_c, 1, 0), nullptr));
        m_window = makeWindow();
        xcb_xfixes_select_selection_input(m_c, m_window, m_clipboard,
                                          XCB_XFIXES_SELECTION_EVENT_MASK_SET_SELECTION_OWNER |
                                              XCB_XFIXES_SELECTION_EVENT_MASK_SELECTION_WINDOW_DESTROY |
                                              XCB_XFIXES_SELECTION_EVENT_MASK_SELECTION_CLIENT_CLOSE);
        xcb_flush(m_c);
        m_notifier = std::make_unique<QSocketNotifier>(xcb_get_file_descriptor(m_c), QSocketNotifier::Read);
    }
    ~Observer()
    {
        m_notifier.reset();
        xcb_disconnect(m_c);
    }

    xcb_window_t makeWindow()
    {
        const xcb_window_t window = xcb_generate_id(m_c);
        xcb_create_window(m_c, XCB_COPY_FROM_PARENT, window, m_root, -1, -1, 1, 1, 0, XCB_WINDOW_CLASS_INPUT_ONLY,
                          XCB_COPY_FROM_PARENT, 0, nullptr);
        return window;
    }

    // Asks for the clipboard's text onto a window of its own, and never reads the answer.
    void askAndStall()
    {
        xcb_convert_selection(m_c, makeWindow(), m_clipboard, m_utf8, m_utf8, XCB_CURRENT_TIME);
        xcb_flush(m_c);
    }

    // Sends the main window a window manager's ping; pingAnswered() waits for its reply on the root.
    void ping(xcb_window_t window, quint32 number)
    {
        if (!m_watchingRoot) {
            // Qt answers on the root with the masks a window manager listens to; StructureNotify is one
            // any client may take.
            const uint32_t mask = XCB_EVENT_MASK_STRUCTURE_NOTIFY;
            xcb_change_window_attributes(m_c, m_root, XCB_CW_EVENT_MASK, &mask);
            m_watchingRoot = true;
        }
        xcb_client_message_event_t event{};
        event.response_type = XCB_CLIENT_MESSAGE;
        event.format = 32;
        event.window = window;
        event.type = m_protocols;
        event.data.data32[0] = m_ping;
        event.data.data32[1] = number;
        event.data.data32[2] = window;
        xcb_send_event(m_c, 0, window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char *>(&event));
        xcb_flush(m_c);
    }
    bool pingAnswered(quint32 number, int ms)
    {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < ms) {
            while (xcb_generic_event_t *event = xcb_poll_for_event(m_c)) {
                const bool reply = (event->response_type & 0x7f) == XCB_CLIENT_MESSAGE
                                   && reinterpret_cast<xcb_client_message_event_t *>(event)->data.data32[1] == number;
                free(event);
                if (reply)
                    return true;
            }
            QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
        }
        return false;
    }

    // Runs the event loop until the next owner report (its owner); false after ms.
    bool next(xcb_window_t *owner, int ms)
    {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < ms) {
            while (xcb_generic_event_t *event = xcb_poll_for_event(m_c)) {
                const quint8 type = event->response_type & 0x7f;
                bool found = false;
                if (type == m_xfixes + XCB_XFIXES_SELECTION_NOTIFY) {
                    *owner = reinterpret_cast<xcb_xfixes_selection_notify_event_t *>(event)->owner;
                    found = true;
                }
                free(event);
                if (found)
                    return true;
            }
            QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 5);
        }
        return false;
    }

private:
    xcb_connection_t *m_c;
    xcb_window_t m_root = XCB_NONE;
    xcb_window_t m_window = XCB_NONE;
    xcb_atom_t m_clipboard, m_utf8, m_protocols, m_ping;
    quint8 m_xfixes = 0;
    bool m_watchingRoot = false;
    std::unique_ptr<QSocketNotifier> m_notifier;
};

void BM_KeeperLatency(benchmark::State &state)
{
    BenchSupport::Program program;
    program.start();
    BenchSupport::waitForExposed(program.window());
    Observer observer;
    int n = 0;
    for (auto _ : state) {
        QProcess xclip;
        xclip.start(QStringLiteral("xclip"), {"-quiet", "-loops", "1", "-selection", "clipboard"});
        xclip.write(QByteArray("kept text ") + QByteArray::number(++n));
        xclip.closeWriteChannel();
        xcb_window_t owner = 1;
        while (owner != XCB_NONE) {
            if (!observer.next(&owner, 10000)) {
                state.SkipWithError("the copying program did not go");
                return;
            }
        }
        QElapsedTimer gone;
        gone.start();
        if (!observer.next(&owner, 5000) || owner == XCB_NONE) {
            state.SkipWithError("the clipboard stayed empty");
            return;
        }
        state.SetIterationTime(double(gone.nsecsElapsed()) / 1e9);
        xclip.waitForFinished();
    }
}
BENCHMARK(BM_KeeperLatency)->Iterations(30)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_GuiGapWith20Stalled(benchmark::State &state)
{
    BenchSupport::Program program;
    program.start();
    BenchSupport::waitForExposed(program.window());
    Observer observer;
    const QString text(100 * 1024 * 1024, QLatin1Char('x'));
    for (auto _ : state) {
        program.root.watcher().writeClipboardText(text);
        for (int i = 0; i < 20; ++i)
            observer.askAndStall();
        state.SetIterationTime(double(BenchSupport::worstTimerGap(3000)) / 1000);
    }
}
BENCHMARK(BM_GuiGapWith20Stalled)->Iterations(3)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_PingWith20Stalled(benchmark::State &state)
{
    BenchSupport::Program program;
    program.start();
    BenchSupport::waitForExposed(program.window());
    Observer observer;
    const xcb_window_t window = xcb_window_t(program.window().winId());
    const QString text(100 * 1024 * 1024, QLatin1Char('x'));
    quint32 number = 0;
    for (auto _ : state) {
        program.root.watcher().writeClipboardText(text);
        for (int i = 0; i < 20; ++i)
            observer.askAndStall();
        qint64 worst = 0;
        QElapsedTimer run;
        run.start();
        while (run.elapsed() < 3000) {
            QElapsedTimer answered;
            answered.start();
            observer.ping(window, ++number);
            if (!observer.pingAnswered(number, 10000)) {
                state.SkipWithError("a ping went unanswered for 10 s");
                return;
            }
            worst = std::max(worst, answered.nsecsElapsed());
            QElapsedTimer pause;
            pause.start();
            while (pause.elapsed() < 100)
                QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        }
        state.SetIterationTime(double(worst) / 1e9);
    }
}
BENCHMARK(BM_PingWith20Stalled)->Iterations(3)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_IdleReaderWakeUps(benchmark::State &state)
{
    BenchSupport::Program program;
    program.start();
    BenchSupport::waitForExposed(program.window());
    Observer observer;
    long wakeUps = 0;
    for (auto _ : state) {
        QProcess xclip;
        xclip.start(QStringLiteral("xclip"), {"-quiet", "-loops", "1", "-selection", "clipboard"});
        xclip.write("kept while idle");
        xclip.closeWriteChannel();
        xcb_window_t owner = 1;
        while (owner != XCB_NONE && observer.next(&owner, 10000)) {
        }
        if (!observer.next(&owner, 5000) || owner == XCB_NONE) {
            state.SkipWithError("the keeper did not take the clipboard");
            return;
        }
        xclip.waitForFinished();
        QElapsedTimer settle;
        settle.start();
        while (settle.elapsed() < 500)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        const long before = BenchSupport::threadSwitches("XcbClipboardRea");
        QElapsedTimer idle;
        idle.start();
        while (idle.elapsed() < 5000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        wakeUps = BenchSupport::threadSwitches("XcbClipboardRea") - before;
        if (before < 0)
            state.SkipWithError("no clipboard thread");
    }
    state.counters["reader wake-ups"] = double(wakeUps);
}
BENCHMARK(BM_IdleReaderWakeUps)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsSet("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
    return BenchSupport::runWithApplication(argc, argv);
}
