// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/ProgramRoot.h"
#include "app/QtSeams.h"

#include <QCoreApplication>
#include <QElapsedTimer>

class QByteArray;
class QWidget;

namespace BenchSupport {

// The program as the composition root builds it over the system's seams, or over the given
// message boxes or clipboard.
struct Program {
    explicit Program(MessageBoxPort *messages = nullptr, ClipboardPort *clipboard = nullptr);
    // The start-up sequence with factory settings, and the window shown; with the lists kept in
    // historyFolder when one is given.
    void start(const QString &historyFolder = QString());
    ProgramState &state() const { return root.state(); }
    MainWindow &window() const { return root.window(); }

    QtSeams system;
    ProgramRoot root;
};

// Runs the benchmarks named on the command line inside a QApplication with the program's font
// names mapped, as the program itself runs.
int runWithApplication(int argc, char **argv);

// Spins the event loop until the window is on screen; false after five seconds.
bool waitForExposed(QWidget &window);

// Context switches so far of this process's thread whose name starts with `name` (Linux names
// are cut at 15 characters), or -1 when there is none: how often it woke up.
long threadSwitches(const QByteArray &name);

// Runs the event loop until done() holds; false when ms milliseconds pass first.
template<typename Done>
bool spinUntil(Done done, int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > ms)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 5);
    }
    return true;
}

// The CPU time this process has used so far, in seconds.
double processCpuSeconds();

// Runs the event loop for ms milliseconds with a timer ticking every 10 ms: the worst gap between
// two ticks, in milliseconds, is how long the GUI thread was held up at most.
qint64 worstTimerGap(int ms);

} // namespace BenchSupport
