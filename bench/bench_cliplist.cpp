// SPDX-License-Identifier: GPL-3.0-or-later
// Saving and opening a full clip list of 32767 items of about 1 KiB each (about 32 MiB on disk) on the
// real list widget, width-mode captions (run with QT_QPA_PLATFORM=offscreen), and the memory the
// opened list takes; a huge file that is no clip list.
#include "BenchSupport.h"
#include "mainwindow/PaneArea.h"
#include "mainwindow/MainWindow.h"
#include "model/ListItems.h"
#include "model/ListCollection.h"
#include "model/ListRecord.h"
#include "model/seams/MessageBoxPort.h"
#include "model/ProgramState.h"
#include "platform/ListBoxWidget.h"
#include "storage/ClipListFile.h"
#include "storage/ClipListStore.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <fstream>
#include <malloc.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

constexpr int ItemCount = 32767;

// About 1 KiB in code page 932: numbered, so no two items share their text, with a line break now and then.
QString itemText(int n)
{
    static const QString japanese = QStringLiteral("クリップボードの履歴を保存します。");
    static const QString ascii = QStringLiteral("clipboard history entry, saved to disk ");
    QString text = QStringLiteral("%1: ").arg(n);
    for (int part = 0; text.size() < 770; ++part) {
        text += part % 2 ? ascii : japanese;
        if (part % 7 == 6)
            text += QStringLiteral("\r\n");
    }
    return text;
}

// Counts the messages instead of showing them; a benchmark that meets one has failed.
class CountedMessages : public MessageBoxPort {
public:
    Answer show(const QString &, const QString &text, Icon, Buttons) override
    {
        last = text;
        ++shown;
        return Answer::Ok;
    }
    int shown = 0;
    QString last;
};

struct Window {
    Window()
    {
        program.start();
        BenchSupport::waitForExposed(window);
        ListRecord &list = model.lists().at(ListNumber(0));
        list.itemLimit = ItemCount;
        // Width-mode captions, as a new list has them.
        list.captionByWidth = true;
        list.captionWidth = 192;
    }
    ListItems &items() { return model.lists().at(ListNumber(0)).items(); }
    void fill()
    {
        for (int i = 0; i < ItemCount; ++i)
            items().addItem(itemText(i));
        QCoreApplication::processEvents();
    }
    bool rowsComplete() { return program.root.panes().clipListWidget(PaneNumber(0))->count() == ItemCount && items().count() == ItemCount; }

    CountedMessages messages;
    BenchSupport::Program program{&messages};
    ProgramState &model = program.state();
    MainWindow &window = program.window();
    ClipListStore store{model.lists(), model.display(), messages};
};

// The items' size as the program holds them: UTF-16.
qint64 utf16Bytes()
{
    qint64 bytes = 0;
    for (int i = 0; i < ItemCount; ++i)
        bytes += 2 * itemText(i).size();
    return bytes;
}

// Writes the file once, straight from memory, so that the window's process has not held the list yet.
QString benchFile(const QTemporaryDir &dir)
{
    const QString path = dir.filePath(QStringLiteral("full.qkp"));
    if (!QFileInfo::exists(path)) {
        ClipListContent content;
        content.options.captionLength = 48;
        content.options.itemLimit = ItemCount;
        content.options.heightShare = -1;
        content.options.fontSize = 9;
        content.options.lineBreakMark = QStringLiteral("  ");
        content.options.fontName = QStringLiteral("ＭＳ Ｐゴシック");
        content.options.fileName = path;
        for (int i = 0; i < ItemCount; ++i)
            content.items.push_back({itemText(i), i % 100 == 0 ? QStringLiteral("名前 %1").arg(i) : QString()});
        ClipListFile::write(path, content);
    }
    return path;
}

qint64 residentBytes()
{
    malloc_trim(0);
    std::ifstream statm("/proc/self/statm");
    long pages = 0;
    long resident = 0;
    statm >> pages >> resident;
    return qint64(resident) * sysconf(_SC_PAGESIZE);
}

QTemporaryDir &folder()
{
    static QTemporaryDir dir;
    return dir;
}

// Registered first, so that no earlier benchmark's memory is counted in or out.
void OpenMemory(benchmark::State &state)
{
    const QString path = benchFile(folder());
    const qint64 textBytes = utf16Bytes();
    Window w;
    QCoreApplication::processEvents();
    qint64 before = 0;
    qint64 after = 0;
    for (auto _ : state) {
        before = residentBytes();
        if (!w.store.readListFile(path, PaneNumber(0), ListNumber(0)))
            state.SkipWithError("not opened");
        QCoreApplication::processEvents();
        after = residentBytes();
    }
    if (!w.rowsComplete())
        state.SkipWithError("rows missing");
    state.counters["utf16_MiB"] = double(textBytes) / (1 << 20);
    state.counters["rss_growth_MiB"] = double(after - before) / (1 << 20);
    state.counters["growth_per_utf16"] = double(after - before) / double(textBytes);
}
BENCHMARK(OpenMemory)->Unit(benchmark::kMillisecond)->Iterations(1);

void Save(benchmark::State &state)
{
    Window w;
    w.fill();
    const QString path = folder().filePath(QStringLiteral("saved.qkp"));
    for (auto _ : state) {
        if (!w.store.writeListFile(path, ListNumber(0)))
            state.SkipWithError(qPrintable(w.messages.last));
    }
    state.counters["file_MiB"] = double(QFileInfo(path).size()) / (1 << 20);
}
BENCHMARK(Save)->Unit(benchmark::kMillisecond)->Iterations(5);

void Open(benchmark::State &state)
{
    const QString path = benchFile(folder());
    Window w;
    for (auto _ : state) {
        if (!w.store.readListFile(path, PaneNumber(0), ListNumber(0)))
            state.SkipWithError("not opened");
        QCoreApplication::processEvents();
    }
    if (!w.rowsComplete())
        state.SkipWithError("rows missing");
    state.counters["file_MiB"] = double(QFileInfo(path).size()) / (1 << 20);
}
BENCHMARK(Open)->Unit(benchmark::kMillisecond)->Iterations(5);

long peakResidentKiB()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// A 2 GiB file that is no clip list (all holes: it takes no disk): refused at once, without taking
// the file into memory.
void OpenHugeForeignFile(benchmark::State &state)
{
    const QString path = folder().filePath(QStringLiteral("huge.qkp"));
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || !f.resize(qint64(2) << 30)) {
            state.SkipWithError("cannot make the file");
            return;
        }
    }
    Window w;
    const long peakBefore = peakResidentKiB();
    for (auto _ : state) {
        if (w.store.readListFile(path, PaneNumber(0), ListNumber(0)))
            state.SkipWithError("opened");
    }
    state.counters["file_MiB"] = double(QFileInfo(path).size()) / (1 << 20);
    state.counters["peak_rss_growth_MiB"] = double(peakResidentKiB() - peakBefore) / 1024;
    QFile::remove(path);
}
BENCHMARK(OpenHugeForeignFile)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

int main(int argc, char **argv)
{
    return BenchSupport::runWithApplication(argc, argv);
}
