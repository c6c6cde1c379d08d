// Making and deleting many lists through their commands, the window shown (run with
// QT_QPA_PLATFORM=offscreen, or on an X server). Each command is followed by the event loop's
// work, as between two key presses; the longest such step is the longest the window stays
// unanswered.
#include "BenchSupport.h"
#include "mainwindow/MainCommands.h"
#include "mainwindow/MainWindow.h"
#include "model/ListCollection.h"
#include "model/ProgramState.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
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
    QAction &make = *program.root.commands().action(QStringLiteral("Newnu"));
    QAction &remove = *program.root.commands().action(QStringLiteral("Delenu"));
    const QSize size = program.window().size();
    double longestMake = 0;
    double longestDelete = 0;
    for (auto _ : state) {
        longestMake = std::max(longestMake, repeat(make, count));
        longestDelete = std::max(longestDelete, repeat(remove, count));
        if (program.state().lists().count() != 1)
            state.SkipWithError("lists left");
    }
    // What the lists left of the window's growth: 0 when it has its old size again.
    state.counters["height_kept_px"] = program.window().height() - size.height();
    state.counters["longest_make_ms"] = longestMake;
    state.counters["longest_delete_ms"] = longestDelete;
}
BENCHMARK(MakeThenDeleteLists)->Arg(600)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

int main(int argc, char **argv)
{
    return BenchSupport::runWithApplication(argc, argv);
}
