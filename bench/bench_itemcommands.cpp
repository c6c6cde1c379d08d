// SPDX-License-Identifier: GPL-3.0-or-later
// Deleting and moving large selections on the real list widget (run with QT_QPA_PLATFORM=offscreen).
#include "BenchSupport.h"
#include "capture/ItemCommands.h"
#include "mainwindow/ListCommands.h"
#include "mainwindow/PaneArea.h"
#include "model/seams/ClipListBox.h"
#include "model/ListItems.h"
#include "model/ListCollection.h"
#include "model/ListDisplay.h"
#include "model/ListRecord.h"
#include "model/ProgramState.h"
#include "model/GlobalSettings.h"
#include "platform/ListBoxWidget.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

struct Window {
    Window()
    {
        program.start();
        model.lists().at(ListNumber(0)).itemLimit = 32767;
    }
    void fill(PaneNumber pane, int count)
    {
        ListItems &items = model.display().recordOfPane(pane).items();
        for (int i = 0; i < count; ++i)
            items.addItem(QStringLiteral("item %1 クリップの本文 with some text").arg(i));
        QCoreApplication::processEvents();
    }
    void highlightFirst(PaneNumber pane, int count)
    {
        ListBoxWidget *list = window.clipListWidget(pane);
        list->clearSelection();
        list->selectionModel()->select(QItemSelection(list->model()->index(0, 0), list->model()->index(count - 1, 0)),
                                       QItemSelectionModel::Select);
        static_cast<ClipListBox *>(list)->setFocusedRow(0);
    }
    BenchSupport::Program program;
    ProgramState &model = program.state();
    PaneArea &window = program.root.panes();
    ItemCommands &itemCommands = program.root.itemCommands();
};

void DeleteAllOfAFullList(benchmark::State &state)
{
    Window w;
    for (auto _ : state) {
        state.PauseTiming();
        w.fill(PaneNumber(0), 32767);
        w.highlightFirst(PaneNumber(0), 32767);
        state.ResumeTiming();
        w.itemCommands.deleteItems();
        QCoreApplication::processEvents();
        if (w.window.clipListWidget(PaneNumber(0))->count() != 0)
            state.SkipWithError("rows left");
    }
}
BENCHMARK(DeleteAllOfAFullList)->Unit(benchmark::kMillisecond)->Iterations(3);

void DropIntoAnotherList(benchmark::State &state)
{
    const int moved = int(state.range(0));
    Window w;
    w.program.root.listCommands().makeNewList();
    w.model.lists().at(ListNumber(1)).itemLimit = 32767;
    for (auto _ : state) {
        state.PauseTiming();
        w.fill(PaneNumber(0), moved);
        w.fill(PaneNumber(1), 1000);
        w.highlightFirst(PaneNumber(0), moved);
        w.itemCommands.setDragSource(PaneNumber(0));
        w.itemCommands.setDropRow(RowNumber(500));
        state.ResumeTiming();
        w.itemCommands.dropItems(PaneNumber(1));
        QCoreApplication::processEvents();
        state.PauseTiming();
        if (w.window.clipListWidget(PaneNumber(1))->count() != 1000 + moved)
            state.SkipWithError("not moved");
        w.model.lists().at(ListNumber(0)).items().clearItems();
        w.model.lists().at(ListNumber(1)).items().clearItems();
        state.ResumeTiming();
    }
}
BENCHMARK(DropIntoAnotherList)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char **argv)
{
    return BenchSupport::runWithApplication(argc, argv);
}
