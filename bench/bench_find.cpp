// SPDX-License-Identifier: GPL-3.0-or-later
// The find bar on a list of 32,767 items of 1,024 characters of mixed Japanese and ASCII text, on the real
// widgets (run with QT_QPA_PLATFORM=offscreen): one keystroke until the visible rows are updated,
// the first one after a start that brought the list back from the history, the memory the folded
// texts take, and opening and closing the bar.
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
#include "storage/HistoryStore.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <optional>
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

// Fills the program's focused list with the long list's items.
void fillFocused(BenchSupport::Program &program)
{
    ProgramState &model = program.state();
    ListRecord &list = model.lists().at(model.display().listOfPane(model.display().focusedPane()));
    list.itemLimit = Items;
    for (int i = 0; i < Items; ++i)
        list.items().addItem(itemText(i));
}

// A key typed into the focused widget, until the list was looked through and the view laid out
// and painted the rows shown.
void key(FindBar &bar, int key, const QString &text = QString())
{
    QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : bar.queryEdit();
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &release);
    do
        QCoreApplication::processEvents();
    while (bar.finding());
}

void type(FindBar &bar, const QString &text)
{
    for (QChar c : text)
        key(bar, c.isDigit() ? Qt::Key_0 + c.digitValue() : Qt::Key_NumberSign, QString(c));
}

// One program with the long list in its only pane, kept for every benchmark: filling it takes long.
struct LongList {
    LongList()
    {
        program.start();
        program.window().resize(400, 600);
        BenchSupport::waitForExposed(program.window());
        fillFocused(program);
        QCoreApplication::processEvents();
    }
    FindBar &bar() { return program.root.findBar(); }
    ListBoxWidget *list() { return program.root.panes().clipListWidget(program.state().display().focusedPane()); }
    void key(int key, const QString &text = QString()) { ::key(bar(), key, text); }
    void type(const QString &text) { ::type(bar(), text); }
    BenchSupport::Program program;
};

LongList &longList()
{
    // Never destroyed: its widgets would go after the application, at exit.
    static LongList *list = new LongList;
    return *list;
}

void reportTimes(benchmark::State &state, std::vector<double> &ms)
{
    std::sort(ms.begin(), ms.end());
    state.counters["median_ms"] = ms[ms.size() / 2];
    state.counters["max_ms"] = ms.back();
}

// The first keystroke straight after the list was filled: what was not folded ahead yet is folded then.
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

// Bytes of the items' texts and names: characters, terminating null and header of each string.
double textBytes(ListCollection &lists)
{
    const auto bytes = [](const QString &text) {
        return text.isEmpty() ? 0.0 : double(sizeof(QArrayData)) + double(text.capacity() + 1) * double(sizeof(QChar));
    };
    double total = 0;
    for (ListNumber list{0}; list < lists.count(); ++list) {
        ListItems &items = lists.at(list).items();
        for (ItemNumber item{0}; item < items.count(); ++item)
            total += bytes(items.at(item).text) + bytes(items.at(item).name);
    }
    return total;
}

// The first keystroke after a start that brought the long list back from the history, once the
// texts were folded in the background; the worst hold-up of the window while they were, and the
// bytes the folded texts take beside the texts.
void FindFirstKeystrokeAfterRestoredStart(benchmark::State &state)
{
    QTemporaryDir folder;
    {
        BenchSupport::Program program;
        program.start(folder.path());
        fillFocused(program);
        program.root.history().finish();
    }
    std::vector<double> ms;
    std::vector<double> foldingMs;
    qint64 worstGap = 0;
    qint64 idleGap = 0;
    double folded = 0;
    double texts = 0;
    QElapsedTimer clock;
    for (auto _ : state) {
        state.PauseTiming();
        // Ended outside the time measured.
        std::optional<BenchSupport::Program> running;
        BenchSupport::Program &program = running.emplace();
        clock.start();
        program.start(folder.path());
        program.window().resize(400, 600);
        if (!BenchSupport::waitForExposed(program.window()))
            state.SkipWithError("window never exposed");
        ListCollection &lists = program.state().lists();
        if (lists.at(ListNumber(0)).items().count() != Items)
            state.SkipWithError("the long list did not come back");
        FindBar &bar = program.root.findBar();
        while (bar.foldingAhead())
            worstGap = std::max(worstGap, BenchSupport::worstTimerGap(100));
        foldingMs.push_back(double(clock.nsecsElapsed()) / 1e6);
        // The same with nothing left to fold: what the machine itself holds the window up.
        idleGap = std::max(idleGap, BenchSupport::worstTimerGap(1000));
        state.ResumeTiming();
        clock.start();
        program.root.commands().action(Command::FindItems)->trigger();
        type(bar, QStringLiteral("#"));
        ms.push_back(double(clock.nsecsElapsed()) / 1e6);
        state.PauseTiming();
        if (bar.countLabel()->text() != QStringLiteral("32,767 / 32,767"))
            state.SkipWithError(qPrintable(QStringLiteral("unexpected count ") + bar.countLabel()->text()));
        folded = double(bar.foldedBytes());
        texts = textBytes(lists);
        key(bar, Qt::Key_Escape);
        program.root.history().finish();
        running.reset();
        state.ResumeTiming();
    }
    reportTimes(state, ms);
    std::sort(foldingMs.begin(), foldingMs.end());
    state.counters["start_to_folded_ms"] = foldingMs[foldingMs.size() / 2];
    state.counters["worst_gap_ms"] = double(worstGap);
    state.counters["idle_gap_ms"] = double(idleGap);
    state.counters["folded_MB"] = folded / 1e6;
    state.counters["texts_MB"] = texts / 1e6;
    state.counters["folded_pct"] = 100 * folded / texts;
}
BENCHMARK(FindFirstKeystrokeAfterRestoredStart)->Unit(benchmark::kMillisecond)->Iterations(3);

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
