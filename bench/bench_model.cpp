// SPDX-License-Identifier: GPL-3.0-or-later
// Caption building and filling a pane on the real list widget (run with QT_QPA_PLATFORM=offscreen).
#include "BenchSupport.h"
#include "mainwindow/FindBar.h"
#include "mainwindow/PaneArea.h"
#include "mainwindow/MainWindow.h"
#include "model/CaptionBuilder.h"
#include "model/ListItems.h"
#include "model/ListCollection.h"
#include "model/ListDisplay.h"
#include "model/ListRecord.h"
#include "model/ProgramState.h"
#include "model/NewListDefaults.h"
#include "model/GlobalSettings.h"
#include "platform/ListBoxWidget.h"
#include "platform/FontTextWidth.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

// Mixed Japanese and ASCII text; with lineEvery > 0 a line break follows every lineEvery characters.
QString mixedText(qsizetype length, int lineEvery)
{
    const QString pattern = QStringLiteral("クリップボードの履歴 clipboard history テキスト 0123456789 ");
    QString text;
    text.reserve(length);
    for (qsizetype i = 0; text.size() < length; ++i) {
        text += pattern.at(i % pattern.size());
        if (lineEvery > 0 && (i + 1) % lineEvery == 0)
            text += QStringLiteral("\r\n");
    }
    text.truncate(length);
    return text;
}

void Caption(benchmark::State &state)
{
    const qsizetype length = state.range(0);
    const int lineEvery = int(state.range(1));
    ListOptions options;
    options.captionByWidth = true;
    options.captionWidth = 192;
    options.lineBreakMark = QStringLiteral("  ");
    options.showLength = true;
    FontTextWidth meter;
    QFont font(QStringLiteral("ＭＳ Ｐゴシック"));
    font.setPointSizeF(9);
    meter.setFont(font);
    const QString crLf = QStringLiteral("\r\n");
    CaptionBuilder builder(crLf, meter);
    const QString text = mixedText(length, lineEvery);
    qsizetype captionLength = 0;
    for (auto _ : state) {
        QString caption = builder.caption(options, text);
        captionLength = caption.size();
        benchmark::DoNotOptimize(caption);
    }
    state.counters["caption_chars"] = double(captionLength);
}
// Text length, then a line break every n characters (0 = none).
BENCHMARK(Caption)->Args({100, 0})->Args({1 << 20, 0})->Args({1 << 20, 3})->Args({100, 3});

void FillPane(benchmark::State &state)
{
    const int items = int(state.range(0));
    BenchSupport::Program program;
    program.start();
    program.window().resize(400, 600);
    ProgramState &model = program.state();
    ListCollection &lists = model.lists();
    ListDisplay &panes = model.display();
    const ListNumber list = lists.makeList();
    lists.at(list).itemLimit = 32767;
    panes.showList(list);
    const PaneNumber pane = panes.focusedPane();
    ListItems &store = lists.at(list).items();
    for (int i = 0; i < items; ++i)
        store.addItem(QString::number(i) + mixedText(200, 0));
    // The texts just added are folded for find in slices on the window's thread: not part of a fill.
    if (!BenchSupport::spinUntil([&program] { return !program.root.findBar().foldingAhead(); }, 60000))
        state.SkipWithError("the texts were never folded");
    panes.closePane(pane);
    for (auto _ : state) {
        panes.showList(list);
        QCoreApplication::processEvents();
        state.PauseTiming();
        if (program.root.panes().clipListWidget(panes.focusedPane())->count() != items)
            state.SkipWithError("pane not filled");
        panes.closePane(panes.focusedPane());
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["rows"] = items;
}
BENCHMARK(FillPane)->Arg(100)->Arg(32767)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

int main(int argc, char **argv)
{
    return BenchSupport::runWithApplication(argc, argv);
}
