// SPDX-License-Identifier: GPL-3.0-or-later
// The history store's costs: a capture into a full list with the lists kept, the store's own write
// of one capture, the start-up with a long history, and the writer's wake-ups while nothing changes.
// Run with QT_QPA_PLATFORM=offscreen (the start-up also under xvfb-run with xcb).
#include "BenchSupport.h"
#include "capture/ClipboardWatcher.h"
#include "capture/ItemMaker.h"
#include "mainwindow/ListCommands.h"
#include "mainwindow/ListDisplayMenu.h"
#include "mainwindow/MainWindow.h"
#include "model/ListCollection.h"
#include "model/ListDisplay.h"
#include "model/ListItems.h"
#include "model/ListRecord.h"
#include "model/ProgramState.h"
#include "model/ChangeJournal.h"
#include "storage/HistoryDatabase.h"
#include "storage/HistoryStore.h"

#include <QApplication>
#include <QDateTime>
#include <QTemporaryDir>
#include <QThread>
#include <benchmark/benchmark.h>

namespace {

// 512 characters (1 KiB), Japanese and ASCII mixed, unique by number.
QString sampleText(int number)
{
    QString text = QStringLiteral("項目 %1 ").arg(number);
    while (text.size() < 512)
        text += QStringLiteral("クリップボードの履歴 clipboard history ");
    text.truncate(512);
    return text;
}

// Fills the focused list to `count` items with a limit of `count`, so that a capture drops one.
ListRecord &fillFocused(BenchSupport::Program &program, int count)
{
    ProgramState &model = program.state();
    const PaneNumber pane = model.display().focusedPane();
    ListRecord &list = model.lists().at(model.display().listOfPane(pane));
    list.itemLimit = qint16(count);
    for (int i = 0; i < count; ++i)
        list.items().addItem(sampleText(i));
    return list;
}

void waitForWriter(BenchSupport::Program &program)
{
    // Ending the store writes what is left and waits for it.
    program.root.history().finish();
}

// A capture into a full list, on the window's thread, with the lists kept (1) or not (0).
void CaptureIntoFullList(benchmark::State &state)
{
    const int count = int(state.range(0));
    QTemporaryDir folder;
    BenchSupport::Program program;
    program.start(state.range(1) != 0 ? folder.path() : QString());
    ProgramState &model = program.state();
    const PaneNumber pane = model.display().focusedPane();
    const ListNumber list = model.display().listOfPane(pane);
    fillFocused(program, count);
    program.root.history().collect();
    int number = count;
    for (auto _ : state) {
        program.root.watcher().itemMaker().makeItems(pane, list, sampleText(number++));
        QCoreApplication::processEvents();
    }
    if (model.lists().at(list).items().count() != count)
        state.SkipWithError("the list does not hold its limit");
    waitForWriter(program);
}
BENCHMARK(CaptureIntoFullList)->ArgsProduct({{100, 1000, 32767}, {0, 1}})->Unit(benchmark::kMillisecond)->Iterations(200);

// The store's own work for one capture into a full list: collecting the change on the window's
// thread and writing it in one transaction (with its sync to the disk), as when captures come
// more than half a second apart.
void StoreWorkPerCapture(benchmark::State &state)
{
    const int count = int(state.range(0));
    QTemporaryDir folder;
    BenchSupport::Program program;
    program.start(folder.path());
    ProgramState &model = program.state();
    const PaneNumber pane = model.display().focusedPane();
    ListRecord &list = fillFocused(program, count);
    waitForWriter(program);
    model.journal().setRecording(true);
    HistoryDatabase database;
    if (database.open(folder.filePath(HistoryDatabase::fileName())) != HistoryDatabase::Opened::Existing) {
        state.SkipWithError("the history did not open");
        return;
    }
    int number = count;
    for (auto _ : state) {
        state.PauseTiming();
        list.items().addItem(sampleText(number++));
        QCoreApplication::processEvents();
        state.ResumeTiming();
        HistoryBatch batch;
        batch.entries = model.journal().take().entries;
        if (!database.write(batch))
            state.SkipWithError(qPrintable(database.errorString()));
    }
    // The journal was fed by the program's items but written by this connection: the program's own
    // writer is not running.
    state.counters["items"] = count;
}
BENCHMARK(StoreWorkPerCapture)->Arg(100)->Arg(1000)->Arg(32767)->Unit(benchmark::kMillisecond)->Iterations(200);

// Start-up to the exposed window with a kept history of one list of 32,767 items of 1 KiB and
// nine lists of 32 items, three of them shown.
void StartupWithHistory(benchmark::State &state)
{
    QTemporaryDir folder;
    {
        BenchSupport::Program program;
        program.start(folder.path());
        fillFocused(program, 32767);
        for (int list = 1; list < 10; ++list) {
            program.root.listCommands().makeNewList();
            fillFocused(program, 32);
        }
        for (int hidden = 0; hidden < 7; ++hidden) {
            program.root.listDisplayMenu().updateListCaptions();
            program.root.listCommands().toggleListShown(3);
        }
        if (program.state().display().paneCount() != 3)
            state.SkipWithError("three lists should be shown");
        waitForWriter(program);
    }
    for (auto _ : state) {
        BenchSupport::Program program;
        program.start(folder.path());
        if (!BenchSupport::waitForExposed(program.window()))
            state.SkipWithError("window never exposed");
        state.PauseTiming();
        if (program.state().lists().at(ListNumber(0)).items().count() != 32767)
            state.SkipWithError("the long list did not come back");
        program.window().hide();
        waitForWriter(program);
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    state.SetLabel(QGuiApplication::platformName().toStdString());
}
BENCHMARK(StartupWithHistory)->Unit(benchmark::kMillisecond)->Iterations(5);

// The writer thread's context switches over five idle seconds after a capture was written.
void IdleWriterWakeUps(benchmark::State &state)
{
    QTemporaryDir folder;
    BenchSupport::Program program;
    program.start(folder.path());
    fillFocused(program, 100);
    long wakeUps = 0;
    for (auto _ : state) {
        QThread::msleep(HistoryStore::CollectMs);
        QCoreApplication::processEvents();
        QThread::msleep(500);
        const long before = BenchSupport::threadSwitches("history writer");
        const qint64 end = QDateTime::currentMSecsSinceEpoch() + 5000;
        while (QDateTime::currentMSecsSinceEpoch() < end)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
        wakeUps = BenchSupport::threadSwitches("history writer") - before;
        if (before < 0)
            state.SkipWithError("no writer thread");
    }
    state.counters["writer wake-ups"] = double(wakeUps);
    waitForWriter(program);
}
BENCHMARK(IdleWriterWakeUps)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

int main(int argc, char **argv)
{
    return BenchSupport::runWithApplication(argc, argv);
}
