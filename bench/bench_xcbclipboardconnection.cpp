// SPDX-License-Identifier: GPL-3.0-or-later
// The X11 clipboard connection, on its own thread: how fast it reads.
//
// ReaderLatency: from an owner change (an owner on a separate X connection of this process takes
// the clipboard with a new 1 KB text) to the reader's textRead on the GUI thread; median and mean
// over 200 changes.
// ReaderIdle: this process's CPU time over 20 s while xclip holds a 10 MB text that the reader has
// read once; nothing changes, so nothing should be read.
//
// The same through the whole program (its X11 clipboard, watcher and list):
// CaptureLatency: from an owner change to the item in the focused list, 1 KB texts.
// CaptureIdle: the program's CPU time over 20 s of 500 ms ticks while xclip holds 10 MB it captured,
// with its X11 clipboard (x11:1) and, for comparison, reading through QClipboard on ticks (x11:0).
// HungOwner: while an owner never answers and every tick asks it again, the worst gap between
// the ticks of a 10 ms timer on the GUI thread over 10 s.
// CopyBurst: an owner in its own thread takes the clipboard 1,000 times, 10 ms apart, each time
// with a new text; how many of them become items.
// CaptureMemory: the growth of the resident set while four different 10 MB ASCII texts held by
// xclip are captured, per character captured.
//
// Needs an X server:  xvfb-run -a build/<dir>/bench/bench_xcbclipboardconnection
#include "BenchSupport.h"
#include "mainwindow/MainWindow.h"
#include "model/ListItems.h"
#include "model/ListCollection.h"
#include "model/ListRecord.h"
#include "model/ProgramState.h"
#include "model/GlobalSettings.h"
#include "platform/LineBreaks.h"
#include "platform/QtClipboard.h"
#include "platform/x11/XcbCalls.h"
#include "platform/x11/XcbClipboardConnection.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QSocketNotifier>
#include <QTemporaryFile>
#include <QTimer>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdlib>
#include <memory>
#include <poll.h>
#include <thread>
#include <unistd.h>
#include <vector>

#include <xcb/xcb.h>

namespace {

// Another client owning the clipboard with UTF8_STRING text, answered from the GUI thread's loop.
class TextOwner {
public:
    // Served from the GUI thread's event loop unless threaded, when burst() serves it.
    bool open(bool threaded = false)
    {
        m_c = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(m_c))
            return false;
        m_window = xcb_generate_id(m_c);
        const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(m_c)).data;
        xcb_create_window(m_c, XCB_COPY_FROM_PARENT, m_window, screen->root, -1, -1, 1, 1, 0,
                          XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, 0, nullptr);
        XcbCalls::intern(m_c, {{&m_clipboard, "CLIPBOARD"}, {&m_targets, "TARGETS"}, {&m_utf8, "UTF8_STRING"}});
        if (threaded)
            return true;
        m_notifier = std::make_unique<QSocketNotifier>(xcb_get_file_descriptor(m_c), QSocketNotifier::Read);
        QObject::connect(m_notifier.get(), &QSocketNotifier::activated, [this] { serve(); });
        return true;
    }
    // Takes the clipboard count times, gapMs apart, with "copy 1", "copy 2", ..., answering every
    // request at once with the text it holds; then goes on answering for settleMs.
    void burst(int count, int gapMs, int settleMs)
    {
        using Clock = std::chrono::steady_clock;
        pollfd fd{xcb_get_file_descriptor(m_c), POLLIN, 0};
        Clock::time_point next = Clock::now();
        for (int taken = 0; taken < count;) {
            serve();
            if (Clock::now() >= next) {
                take("copy " + QByteArray::number(++taken));
                next += std::chrono::milliseconds(gapMs);
            }
            // Rounded up: no spinning through the last millisecond.
            const auto wait = std::chrono::duration_cast<std::chrono::microseconds>(next - Clock::now()).count();
            poll(&fd, 1, int(std::max<qint64>(0, (wait + 999) / 1000)));
        }
        const Clock::time_point end = Clock::now() + std::chrono::milliseconds(settleMs);
        while (Clock::now() < end) {
            serve();
            poll(&fd, 1, 5);
        }
    }
    // Takes the clipboard and then answers nobody, as a hung program does.
    bool silent = false;
    void take(const QByteArray &text)
    {
        m_text = text;
        xcb_set_selection_owner(m_c, m_window, m_clipboard, XCB_CURRENT_TIME);
        xcb_flush(m_c);
    }
    ~TextOwner()
    {
        m_notifier.reset();
        if (m_c)
            xcb_disconnect(m_c);
    }

private:
    void serve()
    {
        while (xcb_generic_event_t *event = xcb_poll_for_event(m_c)) {
            if ((event->response_type & 0x7f) == XCB_SELECTION_REQUEST && !silent) {
                const auto *request = reinterpret_cast<xcb_selection_request_event_t *>(event);
                xcb_atom_t answered = request->property;
                if (request->target == m_targets) {
                    const xcb_atom_t offered[] = {m_targets, m_utf8};
                    xcb_change_property(m_c, XCB_PROP_MODE_REPLACE, request->requestor, request->property,
                                        XCB_ATOM_ATOM, 32, 2, offered);
                } else if (request->target == m_utf8) {
                    xcb_change_property(m_c, XCB_PROP_MODE_REPLACE, request->requestor, request->property, m_utf8,
                                        8, uint32_t(m_text.size()), m_text.constData());
                } else {
                    answered = XCB_NONE;
                }
                XcbCalls::notify(m_c, *request, answered);
            }
            free(event);
        }
    }

    xcb_connection_t *m_c = nullptr;
    xcb_window_t m_window = 0;
    xcb_atom_t m_clipboard = 0, m_targets = 0, m_utf8 = 0;
    QByteArray m_text;
    std::unique_ptr<QSocketNotifier> m_notifier;
};

bool onX11(benchmark::State &state)
{
    if (QGuiApplication::platformName() == QLatin1String("xcb"))
        return true;
    state.SkipWithError("needs an X server (run under xvfb-run -a)");
    return false;
}

// The clipboard's other owner, on the X server; the benchmark is skipped with the reason without one.
bool openOwner(benchmark::State &state, TextOwner &owner)
{
    if (!onX11(state))
        return false;
    if (owner.open())
        return true;
    state.SkipWithError("no X connection");
    return false;
}

// 10 MB of text in a file, for xclip to hold.
bool writeSample(QTemporaryFile &file, QByteArray &bytes)
{
    const QByteArray line = QStringLiteral("クリップボード監視のテスト text line\n").toUtf8();
    while (bytes.size() < 10'000'000)
        bytes += line;
    return file.open() && file.write(bytes) == bytes.size() && file.flush();
}

bool startXclip(QProcess &xclip, const QString &path)
{
    xclip.setStandardErrorFile(QProcess::nullDevice());
    xclip.start(QStringLiteral("xclip"), {QStringLiteral("-selection"), QStringLiteral("clipboard"), QStringLiteral("-quiet"), path});
    return xclip.waitForStarted();
}

// The owner takes the clipboard with a different 1 KB text each iteration; each is timed until
// arrived(text) holds.
template<typename Arrived>
void timeChanges(benchmark::State &state, TextOwner &owner, Arrived arrived)
{
    std::vector<double> samples;
    int failures = 0;
    for (auto _ : state) {
        QByteArray text = QByteArray::number(qint64(samples.size())) + ' ';
        text += QByteArray(1024 - text.size(), 'x');
        QElapsedTimer clock;
        clock.start();
        owner.take(text);
        if (!BenchSupport::spinUntil([&] { return arrived(text); }, 5000))
            ++failures;
        const double seconds = double(clock.nsecsElapsed()) / 1e9;
        state.SetIterationTime(seconds);
        samples.push_back(seconds);
    }
    std::sort(samples.begin(), samples.end());
    state.counters["median_us"] = samples[samples.size() / 2] * 1e6;
    state.counters["worst_us"] = samples.back() * 1e6;
    state.counters["failures"] = failures;
}

// This process's CPU time over 20 s of its event loop.
void timeIdleCpu(benchmark::State &state)
{
    for (auto _ : state) {
        const double cpuBefore = BenchSupport::processCpuSeconds();
        QEventLoop loop;
        QTimer::singleShot(20000, &loop, &QEventLoop::quit);
        loop.exec();
        const double cpu = BenchSupport::processCpuSeconds() - cpuBefore;
        state.SetIterationTime(cpu);
        state.counters["cpu_ms"] = cpu * 1000;
    }
}

// An X server and the 10 MB sample written, or the benchmark skipped with the reason.
bool idleSetUp(benchmark::State &state, QTemporaryFile &file, QByteArray &bytes)
{
    if (!onX11(state))
        return false;
    if (writeSample(file, bytes))
        return true;
    state.SkipWithError("cannot write the sample text");
    return false;
}

void BM_ReaderLatency(benchmark::State &state)
{
    if (!onX11(state))
        return;
    TextOwner owner;
    XcbClipboardConnection reader;
    if (!owner.open() || !reader.start()) {
        state.SkipWithError("no X connection or no XFixes");
        return;
    }
    QString last;
    int reads = 0;
    QObject::connect(&reader, &XcbClipboardConnection::textRead, [&](const QString &text) {
        last = text;
        ++reads;
    });
    reader.setReading(true);
    BenchSupport::spinUntil([&] { return reads > 0; }, 5000);

    timeChanges(state, owner, [&](const QByteArray &text) { return last.toUtf8() == text; });
}

BENCHMARK(BM_ReaderLatency)->Iterations(200)->UseManualTime()->Unit(benchmark::kMicrosecond);

void BM_ReaderIdle(benchmark::State &state)
{
    QByteArray bytes;
    QTemporaryFile file;
    if (!idleSetUp(state, file, bytes))
        return;
    XcbClipboardConnection reader;
    if (!reader.start()) {
        state.SkipWithError("no XFixes");
        return;
    }
    int reads = 0;
    bool whole = false;
    const QString expected = LineBreaks::toProgram(QString::fromUtf8(bytes));
    QObject::connect(&reader, &XcbClipboardConnection::textRead, [&](const QString &text) {
        ++reads;
        whole = text == expected;
    });
    reader.setReading(true);
    QProcess xclip;
    if (!startXclip(xclip, file.fileName()) || !BenchSupport::spinUntil([&] { return whole; }, 30000)) {
        state.SkipWithError("the reader did not read xclip's text");
        return;
    }
    const int readsBefore = reads;
    timeIdleCpu(state);
    state.counters["text_MB"] = double(bytes.size()) / 1e6;
    // Nothing changed, so nothing may be read again.
    state.counters["reads"] = reads - readsBefore;
    xclip.kill();
    xclip.waitForFinished();
}

BENCHMARK(BM_ReaderIdle)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

// The newest item of the program's focused list.
QString newestItem(BenchSupport::Program &program)
{
    ListItems &items = program.state().lists().at(ListNumber(0)).items();
    return items.rowCount() > 0 ? items.at(items.itemOfRow(RowNumber(0))).text : QString();
}

void BM_CaptureLatency(benchmark::State &state)
{
    TextOwner owner;
    if (!openOwner(state, owner))
        return;
    BenchSupport::Program program;
    program.start();
    timeChanges(state, owner, [&](const QByteArray &text) { return newestItem(program).toUtf8() == text; });
}

BENCHMARK(BM_CaptureLatency)->Iterations(200)->UseManualTime()->Unit(benchmark::kMicrosecond);

void BM_CaptureIdle(benchmark::State &state)
{
    QByteArray bytes;
    QTemporaryFile file;
    if (!idleSetUp(state, file, bytes))
        return;
    QtClipboard ticked;
    BenchSupport::Program program(nullptr, state.range(0) ? nullptr : &ticked);
    program.start();
    QProcess xclip;
    const QString expected = LineBreaks::toProgram(QString::fromUtf8(bytes));
    if (!startXclip(xclip, file.fileName()) || !BenchSupport::spinUntil([&] { return newestItem(program) == expected; }, 30000)) {
        state.SkipWithError("the program did not capture xclip's text");
        return;
    }
    timeIdleCpu(state);
    state.counters["items"] = program.state().lists().at(ListNumber(0)).items().count();
    xclip.kill();
    xclip.waitForFinished();
}

BENCHMARK(BM_CaptureIdle)->ArgName("x11")->Arg(1)->Arg(0)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_HungOwner(benchmark::State &state)
{
    TextOwner owner;
    if (!openOwner(state, owner))
        return;
    BenchSupport::Program program;
    program.start();
    // The shortest interval, so the owner is asked again as often as the program ever does.
    program.state().settings().pollInterval = 100;
    program.state().settings().applyToWindows();
    owner.silent = true;
    owner.take("never sent");
    for (auto _ : state) {
        const qint64 worst = BenchSupport::worstTimerGap(10000);
        state.SetIterationTime(double(worst) / 1000);
        state.counters["worst_gap_ms"] = double(worst);
    }
    state.counters["items"] = program.state().lists().at(ListNumber(0)).items().count();
}

BENCHMARK(BM_HungOwner)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_CopyBurst(benchmark::State &state)
{
    if (!onX11(state))
        return;
    constexpr int Copies = 1000;
    constexpr int SettleMs = 2000;
    BenchSupport::Program program;
    program.start();
    ListItems &items = program.state().lists().at(ListNumber(0)).items();
    program.state().lists().at(ListNumber(0)).itemLimit = 32767;
    int captured = 0;
    for (auto _ : state) {
        items.clearItems();
        TextOwner owner;
        if (!owner.open(true)) {
            state.SkipWithError("no X connection");
            return;
        }
        QElapsedTimer clock;
        clock.start();
        std::thread copier([&] { owner.burst(Copies, 10, SettleMs); });
        // The GUI thread waits in its event loop, as the program's does.
        QEventLoop loop;
        QTimer::singleShot(Copies * 10 + SettleMs, &loop, &QEventLoop::quit);
        loop.exec();
        copier.join();
        QCoreApplication::processEvents();
        state.SetIterationTime(double(clock.nsecsElapsed()) / 1e9);
        captured += items.count();
    }
    state.counters["copies"] = Copies;
    state.counters["captured"] = benchmark::Counter(captured, benchmark::Counter::kAvgIterations);
}

BENCHMARK(BM_CopyBurst)->Iterations(3)->UseManualTime()->Unit(benchmark::kMillisecond);

qint64 residentBytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLongLong() * sysconf(_SC_PAGESIZE) : 0;
}

void BM_CaptureMemory(benchmark::State &state)
{
    if (!onX11(state))
        return;
    constexpr int Texts = 4;
    // A short text first, then the four large ones.
    QTemporaryFile files[Texts + 1];
    for (int i = 0; i <= Texts; ++i) {
        QByteArray bytes;
        const QByteArray line = "text " + QByteArray::number(i) + " of the memory benchmark, one ASCII line\n";
        while (bytes.size() < (i == 0 ? 1 : 10'000'000))
            bytes += line;
        if (!files[i].open() || files[i].write(bytes) != bytes.size() || !files[i].flush()) {
            state.SkipWithError("cannot write the sample texts");
            return;
        }
    }
    BenchSupport::Program program;
    program.start();
    ListItems &items = program.state().lists().at(ListNumber(0)).items();
    // The number of characters captured from the file, or -1.
    const auto capture = [&](const QTemporaryFile &file) -> qint64 {
        const int held = items.count();
        QProcess xclip;
        if (!startXclip(xclip, file.fileName()) || !BenchSupport::spinUntil([&] { return items.count() > held; }, 60000))
            return -1;
        xclip.kill();
        xclip.waitForFinished();
        return items.at(items.itemOfRow(RowNumber(0))).text.size();
    };
    for (auto _ : state) {
        // The first row shown loads the list's font: not a cost of the text.
        if (capture(files[0]) < 0) {
            state.SkipWithError("the program did not capture xclip's text");
            return;
        }
        BenchSupport::spinUntil([] { return false; }, 1000);
        const qint64 before = residentBytes();
        qint64 characters = 0;
        for (int i = 1; i <= Texts; ++i) {
            const qint64 captured = capture(files[i]);
            if (captured < 0) {
                state.SkipWithError("the program did not capture xclip's text");
                return;
            }
            characters += captured;
        }
        BenchSupport::spinUntil([] { return false; }, 1000);
        const qint64 growth = residentBytes() - before;
        state.SetIterationTime(0.001);
        state.counters["characters"] = double(characters);
        state.counters["growth_MB"] = double(growth) / 1e6;
        state.counters["bytes_per_char"] = double(growth) / double(characters);
    }
}

BENCHMARK(BM_CaptureMemory)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsSet("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
    return BenchSupport::runWithApplication(argc, argv);
}
