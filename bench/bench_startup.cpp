// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up to the first shown window: the main window's construction, its load sequence and the
// first expose. Run once with QT_QPA_PLATFORM=offscreen and once under xvfb-run with xcb.
#include "BenchSupport.h"
#include "mainwindow/MainWindow.h"
#include "model/ProgramState.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

void StartupToShownWindow(benchmark::State &state)
{
    for (auto _ : state) {
        BenchSupport::Program program;
        program.start();
        MainWindow &window = program.window();
        if (!BenchSupport::waitForExposed(window))
            state.SkipWithError("window never exposed");
        state.PauseTiming();
        window.hide();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    state.SetLabel(QGuiApplication::platformName().toStdString());
}
BENCHMARK(StartupToShownWindow)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    return BenchSupport::runWithApplication(argc, argv);
}
