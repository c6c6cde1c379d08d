// SPDX-License-Identifier: GPL-3.0-or-later
// The global hotkey. BM_HotkeyToFocusedList: another window has the focus, Ctrl+Alt+V is typed
// through XTest on a connection of the bench's own, as a keyboard would, and the time runs until
// the main window is active with its list focused. BM_HotkeyIdle: the process's CPU time over 2 s
// of a running event loop with the key grabbed (grabbed:1) and without (grabbed:0).
//
// Needs an X server:  xvfb-run -a build/<dir>/bench/bench_hotkey
// and with a window manager:  xvfb-run -a scripts/with-openbox.sh build/<dir>/bench/bench_hotkey
#include "BenchSupport.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/PaneArea.h"
#include "model/ListDisplay.h"
#include "model/ProgramState.h"
#include "platform/ListBoxWidget.h"
#include "platform/x11/X11Hotkey.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <chrono>
#include <xcb/xcb.h>
#include <xcb/xtest.h>

namespace {
void BM_HotkeyToFocusedList(benchmark::State &state)
{
    if (QGuiApplication::platformName() != QLatin1String("xcb")) {
        state.SkipWithError("needs an X server (run under xvfb-run -a)");
        return;
    }
    BenchSupport::Program program;
    program.start();
    program.root.grabHotkey();
    QWidget other;
    other.show();
    xcb_connection_t *keyboard = xcb_connect(nullptr, nullptr);
    // Control, Alt and V.
    const QList<quint8> keys = X11Hotkey::keycodesOf(keyboard, {0xffe3, 0xffe9, 'v'});
    ListBoxWidget *list = program.root.panes().clipListWidget(program.state().display().focusedPane());
    if (!BenchSupport::waitForExposed(program.window()) || !BenchSupport::waitForExposed(other) || !list) {
        state.SkipWithError("the windows did not come up");
        return;
    }
    for (auto _ : state) {
        other.activateWindow();
        if (!BenchSupport::spinUntil([&] { return other.isActiveWindow(); }, 2000)) {
            state.SkipWithError("the other window took no focus");
            break;
        }
        const auto pressed = std::chrono::steady_clock::now();
        for (quint8 key : keys)
            xcb_test_fake_input(keyboard, XCB_KEY_PRESS, key, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
        for (quint8 key : keys)
            xcb_test_fake_input(keyboard, XCB_KEY_RELEASE, key, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
        xcb_flush(keyboard);
        if (!BenchSupport::spinUntil([&] { return program.window().isActiveWindow() && list->hasFocus(); }, 2000)) {
            state.SkipWithError("the hotkey did not bring the list up");
            break;
        }
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - pressed).count());
    }
    xcb_disconnect(keyboard);
}
BENCHMARK(BM_HotkeyToFocusedList)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(50);

void BM_HotkeyIdle(benchmark::State &state)
{
    X11Hotkey hotkey;
    if (!hotkey.start()) {
        state.SkipWithError("needs an X server (run under xvfb-run -a)");
        return;
    }
    if (state.range(0) && hotkey.grab(Qt::CTRL | Qt::ALT | Qt::Key_V) != HotkeyPort::Grab::Done) {
        state.SkipWithError("the key is taken");
        return;
    }
    for (auto _ : state) {
        QEventLoop loop;
        QTimer::singleShot(2000, &loop, &QEventLoop::quit);
        const double before = BenchSupport::processCpuSeconds();
        loop.exec();
        const double cpu = BenchSupport::processCpuSeconds() - before;
        state.SetIterationTime(cpu);
        state.counters["cpu_ms"] = cpu * 1000;
    }
}
BENCHMARK(BM_HotkeyIdle)->ArgName("grabbed")->Arg(0)->Arg(1)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);
} // namespace

int main(int argc, char **argv)
{
    return BenchSupport::runWithApplication(argc, argv);
}
