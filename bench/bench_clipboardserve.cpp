// SPDX-License-Identifier: GPL-3.0-or-later
// The program serving the clipboard from its X11 clipboard thread.
//
// KeeperLatency: a program copies a text and exits (xclip -loops 1, which serves the program's
// read and goes); from the X server's report that nobody owns the clipboard to its report that
// the program owns it again.
// GuiGapWith20Stalled: the program holds a 100 MB text of its own; 20 requesters ask for it and
// never take a chunk after the first answer. The time is the worst gap between the ticks of a
// 10 ms timer on the GUI thread over the next 3 s: how long a window manager's ping could wait.
//
// Needs an X server:  xvfb-run -a build/<dir>/bench/bench_clipboardserve
#include "BenchSupport.h"
#include "capture/ClipboardWatcher.h"
#include "mainwindow/MainWindow.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QSocketNotifier>
#include <QTimer>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <cstring>
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
        m_clipboard = intern("CLIPBOARD");
        m_utf8 = intern("UTF8_STRING");
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
    xcb_atom_t intern(const char *name)
    {
        auto *reply = xcb_intern_atom_reply(m_c, xcb_intern_atom(m_c, 0, uint16_t(strlen(name)), name), nullptr);
        const xcb_atom_t atom = reply ? reply->atom : XCB_NONE;
        free(reply);
        return atom;
    }

    xcb_connection_t *m_c;
    xcb_window_t m_root = XCB_NONE;
    xcb_window_t m_window = XCB_NONE;
    xcb_atom_t m_clipboard, m_utf8;
    quint8 m_xfixes = 0;
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
        qint64 worst = 0;
        QElapsedTimer gap;
        gap.start();
        QTimer tick;
        QObject::connect(&tick, &QTimer::timeout, [&] { worst = std::max(worst, gap.restart()); });
        tick.start(10);
        QEventLoop loop;
        QTimer::singleShot(3000, &loop, &QEventLoop::quit);
        loop.exec();
        state.SetIterationTime(double(worst) / 1000);
    }
}
BENCHMARK(BM_GuiGapWith20Stalled)->Iterations(3)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsSet("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
    return BenchSupport::runWithApplication(argc, argv);
}
