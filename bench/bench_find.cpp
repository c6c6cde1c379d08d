// SPDX-License-Identifier: GPL-3.0-or-later
// The find bar on a list of 32,767 items of 1,024 characters of mixed Japanese and ASCII text, on the real
// widgets (run with QT_QPA_PLATFORM=offscreen): one keystroke until the visible rows are updated,
// and opening and closing the bar.
#include "BenchSupport.h"
#include "mainwindow/FindBar.h"
#include "mainwindow/MainCommands.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/PaneArea.h"
#include "model/ListCollection.h"
#include "model/FindQuery.h"
#include "model/ListDisplay.h"
#include "model/ListFinder.h"
#include "model/ListItems.h"
#include "model/ListRecord.h"
#include "model/ProgramState.h"
#include "platform/ListBoxWidget.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <memory>
#include <vector>

namespace {

constexpr int Items = 32767;
constexpr qsizetype TextLength = 1024;

// 1,024 characters: Japanese, half-width katakana and upper case, so that folding changes the
// text, and the item's own number after a '#' somewhere in it.
QString itemText(int number)
{
    const QString pattern = QStringLiteral("クリップボードの履歴 Clipboard History ﾃｷｽﾄ ＡＢＣ 0123456789 ");
    const QString tag = QStringLiteral(" #%1 ").arg(number);
    QString text;
    text.reserve(TextLength);
    for (int i = number % 37; text.size() < TextLength - tag.size(); ++i)
        text += pattern.at(i % pattern.size());
    text.insert((number * 7) % text.size(), tag);
    return text;
}

// One program with the long list in its only pane, kept for every benchmark: filling it takes long.
struct LongList {
    LongList()
    {
        program.start();
        program.window().resize(400, 600);
        BenchSupport::waitForExposed(program.window());
        ProgramState &model = program.state();
        const PaneNumber pane = model.display().focusedPane();
        ListRecord &list = model.lists().at(model.display().listOfPane(pane));
        list.itemLimit = Items;
        for (int i = 0; i < Items; ++i)
            list.items().addItem(itemText(i));
        QCoreApplication::processEvents();
    }
    FindBar &bar() { return program.root.findBar(); }
    ListBoxWidget *list() { return program.root.panes().clipListWidget(program.state().display().focusedPane()); }
    void key(int key, const QString &text = QString())
    {
        QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : bar().queryEdit();
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(target, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
        QApplication::sendEvent(target, &release);
        // The list is looked through and the view lays out and paints the rows shown.
        do
            QCoreApplication::processEvents();
        while (bar().finding());
    }
    void type(const QString &text)
    {
        for (QChar c : text)
            key(c.isDigit() ? Qt::Key_0 + c.digitValue() : Qt::Key_NumberSign, QString(c));
    }
    BenchSupport::Program program;
};

LongList &longList()
{
    static std::unique_ptr<LongList> list = std::make_unique<LongList>();
    return *list;
}

void reportTimes(benchmark::State &state, std::vector<double> &ms)
{
    std::sort(ms.begin(), ms.end());
    state.counters["median_ms"] = ms[ms.size() / 2];
    state.counters["max_ms"] = ms.back();
}

// The first keystroke folds every text once.
void FindFirstKeystrokeCold(benchmark::State &state)
{
    LongList &l = longList();
    for (auto _ : state) {
        l.program.root.commands().action(Command::FindItems)->trigger();
        l.type(QStringLiteral("#"));
    }
    l.key(Qt::Key_Escape);
    state.counters["rows"] = l.list()->count();
}
BENCHMARK(FindFirstKeystrokeCold)->Unit(benchmark::kMillisecond)->Iterations(1);

// Typing "#1234" and taking it back one character at a time: each keystroke is timed on its own.
void FindKeystroke(benchmark::State &state)
{
    LongList &l = longList();
    l.program.root.commands().action(Command::FindItems)->trigger();
    l.type(QStringLiteral("#"));
    const QString typed = QStringLiteral("1234");
    std::vector<double> ms;
    int step = 0;
    QElapsedTimer clock;
    for (auto _ : state) {
        const int at = step % 8;
        clock.start();
        if (at < 4)
            l.type(typed.mid(at, 1));
        else
            l.key(Qt::Key_Backspace);
        ms.push_back(double(clock.nsecsElapsed()) / 1e6);
        ++step;
    }
    if (l.bar().queryEdit()->text() != QStringLiteral("#"))
        state.SkipWithError("the query did not come back to #");
    reportTimes(state, ms);
    l.key(Qt::Key_Escape);
}
BENCHMARK(FindKeystroke)->Unit(benchmark::kMillisecond)->Iterations(200);

// The worst keystroke: a query neither narrower than the one before nor typed before looks at
// every row.
void FindKeystrokeFullPass(benchmark::State &state)
{
    LongList &l = longList();
    l.program.root.commands().action(Command::FindItems)->trigger();
    l.type(QStringLiteral("#1"));
    std::vector<double> ms;
    int step = 0;
    QElapsedTimer clock;
    for (auto _ : state) {
        state.PauseTiming();
        l.bar().queryEdit()->setText(QStringLiteral("#%1").arg(10 + step));
        state.ResumeTiming();
        clock.start();
        l.type(QString::number(step % 10));
        ms.push_back(double(clock.nsecsElapsed()) / 1e6);
        ++step;
    }
    reportTimes(state, ms);
    l.key(Qt::Key_Escape);
}
BENCHMARK(FindKeystrokeFullPass)->Unit(benchmark::kMillisecond)->Iterations(100);

// The model alone: one look at every row of the list with the folded texts at hand.
void FindMatchingRows(benchmark::State &state)
{
    LongList &l = longList();
    ProgramState &model = l.program.state();
    ListItems &items = model.lists().at(model.display().listOfPane(model.display().focusedPane())).items();
    ListFinder finder;
    finder.matchingRows(items, FindQuery(QStringLiteral("#")));
    int step = 0;
    qsizetype found = 0;
    for (auto _ : state)
        found = finder.matchingRows(items, FindQuery(QStringLiteral("#%1").arg(100 + step++))).size();
    state.counters["matches"] = double(found);
}
BENCHMARK(FindMatchingRows)->Unit(benchmark::kMillisecond)->Iterations(50);

// Opening the bar and closing it again after a query that hid all but 11 rows.
void FindOpenClose(benchmark::State &state)
{
    LongList &l = longList();
    std::vector<double> ms;
    QElapsedTimer clock;
    for (auto _ : state) {
        clock.start();
        l.program.root.commands().action(Command::FindItems)->trigger();
        QCoreApplication::processEvents();
        const double opening = double(clock.nsecsElapsed()) / 1e6;
        state.PauseTiming();
        l.type(QStringLiteral("#1234"));
        state.ResumeTiming();
        clock.start();
        l.key(Qt::Key_Escape);
        ms.push_back(opening + double(clock.nsecsElapsed()) / 1e6);
    }
    if (l.bar().isOpen() || l.list()->isRowHidden(0))
        state.SkipWithError("the bar did not close");
    reportTimes(state, ms);
}
BENCHMARK(FindOpenClose)->Unit(benchmark::kMillisecond)->Iterations(30);

} // namespace

int main(int argc, char **argv)
{
    return BenchSupport::runWithApplication(argc, argv);
}
