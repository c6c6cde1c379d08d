// Capturing a text of many lines with splitting on, into a list on the real list widget
// (run with QT_QPA_PLATFORM=offscreen).
#include "BenchSupport.h"
#include "capture/ClipboardWatcher.h"
#include "mainwindow/QKPRbase.h"
#include "model/ItemControl.h"
#include "model/ListControl.h"
#include "model/ListExControl.h"
#include "model/ListOb.h"
#include "model/QKPRGrobal.h"
#include "model/UtilityGrobal.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

void MakeItemsSplitLines(benchmark::State &state)
{
    const int lines = int(state.range(0));
    const bool wayAdd = state.range(1) != 0;
    BenchSupport::Program program;
    program.start();
    QKPRGrobal &grobal = program.grobal();
    grobal.utilityGrobal().ReturnIm = true;
    ListExControl &panes = grobal.listExControl();
    const qint16 pane = panes.lecListFocus();
    const qint16 list = grobal.getOLx(pane);
    ListOb &options = grobal.listControl().lcListOb(list);
    options.UpperCount = 32767;
    options.WayAdd = wayAdd;

    QString text;
    for (int i = 0; i < lines; ++i)
        text += QStringLiteral("クリップ line %1 of the captured text\r\n").arg(i);

    for (auto _ : state) {
        program.root.watcher().itemMaker().MakeItems(pane, list, text);
        QCoreApplication::processEvents();
        state.PauseTiming();
        if (options.loItemControl().UB() != 32767)
            state.SkipWithError("the list does not hold its limit");
        options.loItemControl().icClearItem(pane);
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["lines"] = lines;
}
// Lines, then where new items go (0 = top, 1 = bottom).
BENCHMARK(MakeItemsSplitLines)->Args({100000, 0})->Args({100000, 1})->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char **argv)
{
    return BenchSupport::runWithApplication(argc, argv);
}
