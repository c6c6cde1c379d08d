#pragma once

class QWidget;

namespace BenchSupport {

// Runs the benchmarks named on the command line inside a QApplication with the program's font
// names mapped, as the program itself runs.
int runWithApplication(int argc, char **argv);

// Spins the event loop until the window is on screen; false after five seconds.
bool waitForExposed(QWidget &window);

} // namespace BenchSupport
