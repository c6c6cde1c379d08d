// SPDX-License-Identifier: GPL-3.0-or-later
// Capturing a text of many lines with splitting on, into a list on the real list widget
// (run with QT_QPA_PLATFORM=offscreen).
#include "BenchSupport.h"
#include "capture/ClipboardWatcher.h"
#include "mainwindow/MainWindow.h"
#include "model/ListItems.h"
#include "model/ListCollection.h"
#include "model/ListDisplay.h"
#include "model/ListRecord.h"
#include "model/ProgramState.h"
#include "model/GlobalSettings.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

void MakeItemsSplitLines(benchmark::State &state)
{
    const int lines = int(state.range(0));
    const bool addAtBottom = state.range(1) != 0;
    const int pinned = int(state.range(2));
    BenchSupport::Program program;
    program.start();
    ProgramState &model = program.state();
    model.settings().splitCaptures = true;
    ListDisplay &panes = model.display();
    const PaneNumber pane = panes.focusedPane();
    const ListNumber list = model.display().listOfPane(pane);
    ListRecord &options = model.lists().at(list);
    options.itemLimit = 32767;
    options.addAtBottom = addAtBottom;
    options.addAtFocus = pinned != 0;
    const auto start = [&] {
        if (pinned == 2) {
            options.items().addItem(QStringLiteral("focused"));
            panes.highlightRow(pane, RowNumber(0));
        }
    };
    start();

    QString text;
    for (int i = 0; i < lines; ++i)
        text += QStringLiteral("クリップ line %1 of the captured text\r\n").arg(i);

    for (auto _ : state) {
        program.root.watcher().itemMaker().makeItems(pane, list, text);
        QCoreApplication::processEvents();
        state.PauseTiming();
        if (options.items().count() != 32767)
            state.SkipWithError("the list does not hold its limit");
        options.items().clearItems();
        start();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["lines"] = lines;
}
// Lines; where new items go (0 = top, 1 = bottom); addAtFocus (0 = off, 1 = on with no focused row at
// the start, 2 = on with one focused row).
BENCHMARK(MakeItemsSplitLines)
    ->ArgsProduct({{100000}, {0, 1}, {0, 1, 2}})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

} // namespace

int main(int argc, char **argv)
{
    return BenchSupport::runWithApplication(argc, argv);
}
