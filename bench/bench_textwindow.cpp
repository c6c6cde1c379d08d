// SPDX-License-Identifier: GPL-3.0-or-later
// The text window on a huge item and the list information figures of a full list (run with
// QT_QPA_PLATFORM=offscreen).
#include "BenchSupport.h"
#include "mainwindow/MainCommands.h"
#include "model/ListItems.h"
#include "model/ListCollection.h"
#include "model/ListDisplay.h"
#include "model/ListRecord.h"
#include "model/ProgramState.h"
#include "storage/ListFigures.h"
#include "windows/ListInfoDialog.h"
#include "windows/TextWindow.h"

#include <QAction>
#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

struct Window {
    Window()
    {
        program.start();
        model.lists().at(ListNumber(0)).itemLimit = 32767;
    }
    ListItems &items() { return model.lists().at(ListNumber(0)).items(); }
    PaneNumber pane() { return model.display().focusedPane(); }
    BenchSupport::Program program;
    ProgramState &model = program.state();
};

// Open on a 10 MB item, shown on screen, then closed again.
void OpenAndCloseTextWindowOn10MB(benchmark::State &state)
{
    Window w;
    w.items().addItem(QString(10 * 1024 * 1024, u'x'));
    w.model.display().highlightRow(w.pane(), RowNumber(0));
    TextWindow &text = w.program.root.textWindow();
    QAction *show = w.program.root.commands().action(Command::ShowText);
    for (auto _ : state) {
        show->trigger();
        QCoreApplication::processEvents();
        if (!text.isVisible())
            state.SkipWithError("not shown");
        text.close();
        QCoreApplication::processEvents();
        if (text.isVisible())
            state.SkipWithError("not closed");
    }
}
BENCHMARK(OpenAndCloseTextWindowOn10MB)->Unit(benchmark::kMillisecond);

// 32767 items of 1 KiB, half of each full-width.
struct FullList : Window {
    FullList()
    {
        const QString text = QString(512, u'a') + QString(512, u'あ');
        for (int i = 0; i < 32767; ++i)
            items().addItem(text);
        QCoreApplication::processEvents();
    }
};

void ListFiguresOfAFullList(benchmark::State &state)
{
    FullList w;
    for (auto _ : state) {
        const ListFigures figures = ListFigures::of(w.items());
        if (figures.bytes != qint64(32767) * 1536)
            state.SkipWithError("wrong byte count");
        benchmark::DoNotOptimize(figures);
    }
}
BENCHMARK(ListFiguresOfAFullList)->Unit(benchmark::kMillisecond);

// The whole command: the dialog opens with the figures shown, then closes.
void ListInformationDialogOfAFullList(benchmark::State &state)
{
    FullList w;
    ListInfoDialog &dialog = w.program.root.listDataDialog();
    QAction *info = w.program.root.commands().action(Command::ListInfo);
    for (auto _ : state) {
        info->trigger();
        QCoreApplication::processEvents();
        dialog.close();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(ListInformationDialogOfAFullList)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    return BenchSupport::runWithApplication(argc, argv);
}
