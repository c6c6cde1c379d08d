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
#include <QDir>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>
#include <benchmark/benchmark.h>
#include <optional>

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

// About `length` characters of made-up words, each item its own: ASCII words of letters drawn by
// their frequency in English, and with `mixed` every other word Japanese, of common kanji and kana.
// Random words, so that compression cannot lean on repeats; real prose packs a little better.
QString proseText(int number, int length, bool mixed)
{
    static const QString letters = QStringLiteral("eeeeeeeeeeeettttttttaaaaaaaaoooooooiiiiiiinnnnnnnsssssshhhhhhrrrrrrddddlllluuu"
                                                  "cccmmmwwffggyyppbbvkjxqz");
    static const QString kana = QStringLiteral("のにはをたがでてとしれさあいうえおかきくけこすせそなぬねまみむめもやゆよらりるろわん"
                                               "アイウエオカキクケコサシスセソタチツテトナニヌネノハヒフヘホマミムメモラリルレロン"
                                               "日本語履歴項目文字列表示保存設定時間今年月火水木金土会社仕事電話番号住所名前変更確認"
                                               "入力出力画面操作機能利用場合情報管理記録必要問題方法結果内容状態処理開始終了追加削除");
    QRandomGenerator random(quint32(number) * 2654435761u + 1);
    QString text = QStringLiteral("%1 ").arg(number);
    for (bool japanese = false; text.size() < length; japanese = mixed && !japanese) {
        const int size = 2 + int(random.bounded(japanese ? 4 : 8));
        for (int i = 0; i < size; ++i)
            text += japanese ? kana.at(random.bounded(int(kana.size()))) : letters.at(random.bounded(int(letters.size())));
        text += japanese ? QChar(u'、') : QChar(u' ');
    }
    text.truncate(length);
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

// The history's files as a run left them, in bytes.
qint64 historyBytes(const QString &folder)
{
    qint64 bytes = 0;
    for (const QFileInfo &file : QDir(folder).entryInfoList({HistoryDatabase::fileName() + QLatin1Char('*')}, QDir::Files))
        bytes += file.size();
    return bytes;
}

// How the history's file is kept: as the program keeps it, with no text compressed (to compare),
// or as the program keeps it but as after a run that did not end cleanly.
enum class Kept { AsThisVersion, Uncompressed, AfterUncleanEnd };

// A kept history with one list of `items` texts and nine lists of 32 items, three lists shown:
// 1 KiB of made-up words, ASCII or (mixed) Japanese and ASCII words of about 1,000 characters.
struct KeptLists {
    KeptLists(int items, bool mixed, Kept how = Kept::AsThisVersion)
    {
        write(items, mixed);
        const QString path = QDir(folder.path()).filePath(HistoryDatabase::fileName());
        HistoryDatabase database;
        if (how == Kept::Uncompressed && database.open(path) == HistoryDatabase::Opened::Existing) {
            const std::optional<KeptHistory> kept = database.read();
            database.close();
            HistoryDatabase::remove(path);
            database.setCompressing(false);
            if (!kept || database.open(path) != HistoryDatabase::Opened::Created
                || !database.write(HistoryBatch::everything(*kept)) || !database.markCleanEnd())
                ready = false;
        }
        // A write the run did not end after.
        if (how == Kept::AfterUncleanEnd
            && (database.open(path) != HistoryDatabase::Opened::Existing || !database.write(HistoryBatch())))
            ready = false;
    }
    void write(int items, bool mixed)
    {
        BenchSupport::Program program;
        program.start(folder.path());
        ProgramState &model = program.state();
        ListRecord &first = model.lists().at(model.display().focusedList());
        first.itemLimit = qint16(items);
        for (int i = 0; i < items; ++i) {
            const QString text = proseText(i, mixed ? 1000 : 1024, mixed);
            textBytes += text.toUtf8().size();
            first.items().addItem(text);
        }
        for (int list = 1; list < 10; ++list) {
            program.root.listCommands().makeNewList();
            fillFocused(program, 32);
        }
        for (int hidden = 0; hidden < 7; ++hidden) {
            program.root.listDisplayMenu().updateListCaptions();
            program.root.listCommands().toggleListShown(3);
        }
        ready = program.state().display().paneCount() == 3;
        waitForWriter(program);
    }
    QTemporaryDir folder;
    qint64 textBytes = 0;
    bool ready = false; // written as asked, three lists shown
};

// The history's size on disk for 10,000 items of mixed text (/1) and 32,767 of ASCII (/0),
// beside the texts' own UTF-8 bytes; kept as this version does (/0) or with no text compressed (/1).
void HistoryBytes(benchmark::State &state)
{
    const int items = int(state.range(0));
    const bool mixed = state.range(1) != 0;
    for (auto _ : state) {
        KeptLists kept(items, mixed, Kept(state.range(2)));
        state.counters["MB on disk"] = double(historyBytes(kept.folder.path())) / 1e6;
        state.counters["MB of UTF-8"] = double(kept.textBytes) / 1e6;
        state.counters["disk/UTF-8"] = double(historyBytes(kept.folder.path())) / double(kept.textBytes);
    }
}
BENCHMARK(HistoryBytes)->ArgsProduct({{10000}, {1}, {0, 1}})->ArgsProduct({{32767}, {0}, {0, 1}})
    ->Unit(benchmark::kMillisecond)->Iterations(1);

// Start-up to the exposed window with a kept history (as HistoryBytes's): 10,000 items of mixed
// text (/1), or 32,767 of ASCII (/0); kept as this version does (/0), uncompressed (/1), or after
// a run that did not end cleanly, which has the whole file checked (/2).
void StartupWithHistory(benchmark::State &state)
{
    const int items = int(state.range(0));
    const Kept how = Kept(state.range(2));
    KeptLists kept(items, state.range(1) != 0, how);
    if (!kept.ready)
        state.SkipWithError("the history was not written as asked");
    for (auto _ : state) {
        // Ended outside the time measured, as what the start left to do in the background is.
        std::optional<BenchSupport::Program> running;
        BenchSupport::Program &program = running.emplace();
        program.start(kept.folder.path());
        if (!BenchSupport::waitForExposed(program.window()))
            state.SkipWithError("window never exposed");
        state.PauseTiming();
        if (program.state().lists().at(ListNumber(0)).items().count() != items)
            state.SkipWithError("the long list did not come back");
        program.window().hide();
        waitForWriter(program);
        QCoreApplication::processEvents();
        running.reset();
        if (how == Kept::AfterUncleanEnd) {
            HistoryDatabase database;
            if (database.open(QDir(kept.folder.path()).filePath(HistoryDatabase::fileName())) != HistoryDatabase::Opened::Existing
                || !database.write(HistoryBatch()))
                state.SkipWithError("the run's end could not be undone");
        }
        state.ResumeTiming();
    }
    state.SetLabel(QGuiApplication::platformName().toStdString());
}
BENCHMARK(StartupWithHistory)->ArgsProduct({{10000}, {1}, {0, 1, 2}})->ArgsProduct({{32767}, {0}, {0, 1, 2}})
    ->Unit(benchmark::kMillisecond)->Iterations(5);

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
