// The text window on a huge item and the list information figures of a full list (run with
// QT_QPA_PLATFORM=offscreen).
#include "BenchSupport.h"
#include "mainwindow/MainCommands.h"
#include "model/ItemControl.h"
#include "model/ListControl.h"
#include "model/ListExControl.h"
#include "model/ListOb.h"
#include "model/QKPRGrobal.h"
#include "storage/ListFigures.h"
#include "windows/QKPRldata.h"
#include "windows/QKPRtext.h"

#include <QAction>
#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

struct Window {
    Window()
    {
        program.start();
        grobal.listControl().lcListOb(0).UpperCount = 32767;
    }
    ItemControl &items() { return grobal.listControl().lcListOb(0).loItemControl(); }
    qint16 pane() { return grobal.listExControl().lecListFocus(); }
    BenchSupport::Program program;
    QKPRGrobal &grobal = program.grobal();
};

// Open on a 10 MB item, shown on screen, then closed again.
void OpenAndCloseTextWindowOn10MB(benchmark::State &state)
{
    Window w;
    w.items().icMakeItem(w.pane(), QString(10 * 1024 * 1024, u'x'));
    w.grobal.listExControl().lecItemSetBlue(w.pane(), 0);
    QKPRtext &text = w.program.root.textWindow();
    QAction *show = w.program.root.commands().action(QStringLiteral("Textnu"));
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
            items().icMakeItem(pane(), text);
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
    QKPRldata &dialog = w.program.root.listDataDialog();
    QAction *info = w.program.root.commands().action(QStringLiteral("ListInfonu"));
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
