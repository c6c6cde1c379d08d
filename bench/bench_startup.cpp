// Start-up to the first shown window: the main window's construction, its load sequence and the
// first expose. Run once with QT_QPA_PLATFORM=offscreen and once under xvfb-run with xcb.
#include "app/QKPRGrobal.h"
#include "mainwindow/QKPRbase.h"
#include "platform/FontSetup.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QWindow>
#include <benchmark/benchmark.h>

namespace {

bool waitForExposed(QWidget &window)
{
    QElapsedTimer waited;
    waited.start();
    while (!(window.windowHandle() && window.windowHandle()->isExposed())) {
        if (waited.elapsed() > 5000)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

void StartupToShownWindow(benchmark::State &state)
{
    for (auto _ : state) {
        QKPRGrobal grobal;
        QKPRbase window(grobal);
        window.loadForm();
        window.show();
        if (!waitForExposed(window))
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
    QApplication app(argc, argv);
    FontSetup::mapStoredFontNames();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
