// SPDX-License-Identifier: GPL-3.0-or-later
#include "BenchSupport.h"

#include "mainwindow/MainWindow.h"
#include "platform/FontSetup.h"
#include "storage/ExtraSettingsFile.h"
#include "storage/HistoryDatabase.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <ctime>

namespace BenchSupport {

Program::Program(MessageBoxPort *messages, ClipboardPort *clipboard)
    : root(ProgramSeams{clipboard ? *clipboard : *system.clipboard, messages ? *messages : system.messages,
                        system.fileDialogs, nullptr, system.hotkey.get()})
{
}

void Program::start(const QString &historyFolder)
{
    const QDir history(historyFolder);
    window().startUp({}, historyFolder.isEmpty() ? std::nullopt
                                                  : root.openHistory(history.filePath(ExtraSettingsFile::fileName()),
                                                                     history.filePath(HistoryDatabase::fileName())));
    window().show();
}

int runWithApplication(int argc, char **argv)
{
    QApplication app(argc, argv);
    FontSetup::mapStoredFontNames();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

bool waitForExposed(QWidget &window)
{
    return spinUntil([&window] { return window.windowHandle() && window.windowHandle()->isExposed(); }, 5000);
}

long threadSwitches(const QByteArray &name)
{
    const QDir tasks(QStringLiteral("/proc/self/task"));
    for (const QString &task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile comm(tasks.filePath(task + QStringLiteral("/comm")));
        if (!comm.open(QIODevice::ReadOnly) || !comm.readAll().startsWith(name))
            continue;
        QFile status(tasks.filePath(task + QStringLiteral("/status")));
        status.open(QIODevice::ReadOnly);
        long switches = 0;
        for (const QByteArray &line : status.readAll().split('\n')) {
            if (line.contains("ctxt_switches"))
                switches += line.mid(line.indexOf(':') + 1).trimmed().toLong();
        }
        return switches;
    }
    return -1;
}

double processCpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

qint64 worstTimerGap(int ms)
{
    qint64 worst = 0;
    QElapsedTimer gap;
    gap.start();
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [&] { worst = std::max(worst, gap.restart()); });
    tick.start(10);
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
    return worst;
}

} // namespace BenchSupport
