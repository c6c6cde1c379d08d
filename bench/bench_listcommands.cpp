// SPDX-License-Identifier: GPL-3.0-or-later
// Making and deleting many lists through their commands, the window shown (run with
// QT_QPA_PLATFORM=offscreen, or on an X server). Each command is followed by the event loop's
// work, as between two key presses; the longest such step is the longest the window stays
// unanswered.
#include "BenchSupport.h"
#include "mainwindow/ListFileCommands.h"
#include "mainwindow/MainCommands.h"
#include "mainwindow/MainWindow.h"
#include "model/ListItems.h"
#include "model/ListCollection.h"
#include "model/ListRecord.h"
#include "model/ProgramState.h"
#include "storage/ClipListStore.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// Runs the command count times; returns the longest step in milliseconds.
double repeat(QAction &command, int count)
{
    double longest = 0;
    QElapsedTimer step;
    for (int i = 0; i < count; ++i) {
        step.start();
        command.trigger();
        QCoreApplication::processEvents();
        longest = std::max(longest, double(step.nsecsElapsed()) / 1e6);
    }
    return longest;
}

void MakeThenDeleteLists(benchmark::State &state)
{
    const int count = int(state.range(0));
    BenchSupport::Program program;
    program.start();
    if (!BenchSupport::waitForExposed(program.window()))
        state.SkipWithError("window not shown");
    QAction &make = *program.root.commands().action(Command::NewList);
    QAction &remove = *program.root.commands().action(Command::DeleteList);
    const QSize size = program.window().size();
    double longestMake = 0;
    double longestDelete = 0;
    for (auto _ : state) {
        longestMake = std::max(longestMake, repeat(make, count));
        longestDelete = std::max(longestDelete, repeat(remove, count));
        if (program.state().lists().count() != 1)
            state.SkipWithError("lists left");
    }
    // What the lists left of the window's growth, once the window system has answered: 0 when
    // the window has its old size again.
    QElapsedTimer settling;
    settling.start();
    while (settling.elapsed() < 1000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    state.counters["height_kept_px"] = program.window().height() - size.height();
    state.counters["longest_make_ms"] = longestMake;
    state.counters["longest_delete_ms"] = longestDelete;
}
BENCHMARK(MakeThenDeleteLists)->Arg(600)->Unit(benchmark::kMillisecond)->Iterations(1);

// Clip-list files handed to the running program by a second start, each into a new list.
void openHandedFiles(benchmark::State &state)
{
    const int count = int(state.range(0));
    BenchSupport::Program program;
    program.start();
    if (!BenchSupport::waitForExposed(program.window()))
        state.SkipWithError("window not shown");
    for (int i = 0; i < 20; ++i)
        program.state().lists().at(ListNumber(0)).items().addItem(QStringLiteral("item %1").arg(i));
    QTemporaryDir folder;
    QStringList files{folder.filePath(QStringLiteral("0.qkp"))};
    ClipListStore store(program.state().lists(), program.state().display(), program.system.messages);
    if (!store.writeListFile(files.first(), ListNumber(0)))
        state.SkipWithError("not written");
    for (int i = 1; i < count; ++i) {
        files << folder.filePath(QStringLiteral("%1.qkp").arg(i));
        QFile::copy(files.first(), files.last());
    }
    QAction &remove = *program.root.commands().action(Command::DeleteList);
    for (auto _ : state) {
        program.root.listFiles().openHandedFiles(files);
        QCoreApplication::processEvents();
        state.PauseTiming();
        if (program.state().lists().count() != count + 1)
            state.SkipWithError("files not opened");
        repeat(remove, count);
        state.ResumeTiming();
    }
}
BENCHMARK(openHandedFiles)->Arg(300)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char **argv)
{
    return BenchSupport::runWithApplication(argc, argv);
}
