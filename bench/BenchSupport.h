// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/ProgramRoot.h"
#include "app/QtSeams.h"

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

} // namespace BenchSupport
