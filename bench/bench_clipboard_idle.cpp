// SPDX-License-Identifier: GPL-3.0-or-later
// What watching an unchanged clipboard costs: another program (xclip) owns 10 MB of text on the
// X clipboard, and a 500 ms timer asks every tick whether there is plain text and reads it, as the
// watcher does, for 20 s. Reported time is this process's CPU time over those ticks, with change
// gating on (gated:1) and off (gated:0). The first capture of the text happens before the ticks.
//
// Needs an X server:  xvfb-run -a build/<dir>/bench/bench_clipboard_idle
#include "BenchSupport.h"
#include "platform/LineBreaks.h"
#include "platform/QtClipboard.h"

#include <QClipboard>
#include <QEventLoop>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryFile>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

constexpr qint64 TextBytes = 10'000'000;
constexpr int TickMs = 500;
constexpr int Ticks = 40; // 20 s

// xclip owning the clipboard with a text read from a file, until destroyed.
class XclipOwner {
public:
    bool start(const QString &path)
    {
        bool changed = false;
        QObject context;
        QObject::connect(QGuiApplication::clipboard(), &QClipboard::changed, &context, [&](QClipboard::Mode mode) {
            changed = changed || mode == QClipboard::Clipboard;
        });
        m_process.setStandardErrorFile(QProcess::nullDevice());
        m_process.start(QStringLiteral("xclip"),
                        {QStringLiteral("-selection"), QStringLiteral("clipboard"), QStringLiteral("-quiet"), path});
        if (!m_process.waitForStarted())
            return false;
        QEventLoop loop;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
            if (changed || m_process.state() == QProcess::NotRunning)
                loop.quit();
        });
        poll.start(20);
        QTimer::singleShot(15000, &loop, &QEventLoop::quit);
        loop.exec();
        return changed;
    }
    ~XclipOwner()
    {
        m_process.kill();
        m_process.waitForFinished();
    }

private:
    QProcess m_process;
};

QByteArray sampleText()
{
    const QByteArray line = QStringLiteral("クリップボード監視のテスト text line\n").toUtf8();
    QByteArray text;
    text.reserve(TextBytes + line.size());
    while (text.size() < TextBytes)
        text += line;
    return text;
}

void BM_ClipboardIdleTicks(benchmark::State &state)
{
    if (QGuiApplication::platformName() != QLatin1String("xcb")) {
        state.SkipWithError("needs an X server (run under xvfb-run -a)");
        return;
    }
    QTemporaryFile file;
    const QByteArray bytes = sampleText();
    if (!file.open() || file.write(bytes) != bytes.size() || !file.flush()) {
        state.SkipWithError("cannot write the sample text");
        return;
    }
    XclipOwner owner;
    if (!owner.start(file.fileName())) {
        state.SkipWithError("xclip did not take the clipboard");
        return;
    }

    const bool gated = state.range(0) != 0;
    QtClipboard clipboard(gated ? QtClipboard::ChangeGating::WhereReliable : QtClipboard::ChangeGating::Off);
    QString lastText = clipboard.readText(false);
    // The program keeps line breaks as CR LF.
    if (lastText != LineBreaks::toProgram(QString::fromUtf8(bytes))) {
        state.SkipWithError("the clipboard did not hold the sample text");
        return;
    }

    int captures = 0;
    for (auto _ : state) {
        int ticks = 0;
        QEventLoop loop;
        QTimer timer;
        timer.setInterval(TickMs);
        QObject::connect(&timer, &QTimer::timeout, &loop, [&] {
            // The watcher's tick: text present, read, compared with the last text seen.
            if (clipboard.hasPlainText()) {
                const QString text = clipboard.readText(false);
                if (!text.isEmpty() && text != lastText) {
                    lastText = text;
                    ++captures;
                }
            }
            if (++ticks == Ticks)
                loop.quit();
        });
        const double cpuBefore = BenchSupport::processCpuSeconds();
        timer.start();
        loop.exec();
        const double cpu = BenchSupport::processCpuSeconds() - cpuBefore;
        state.SetIterationTime(cpu);
        state.counters["cpu_ms"] = cpu * 1000;
        state.counters["cpu_ms_per_tick"] = cpu * 1000 / ticks;
    }
    state.counters["text_MB"] = double(bytes.size()) / 1e6;
    // Nothing changed, so nothing may be captured again.
    state.counters["captures"] = captures;
}

BENCHMARK(BM_ClipboardIdleTicks)
    ->ArgName("gated")
    ->Arg(1)
    ->Arg(0)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    // The benchmark is about the X clipboard; use it whenever there is a display.
    if (qEnvironmentVariableIsSet("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
    return BenchSupport::runWithApplication(argc, argv);
}
