// SPDX-License-Identifier: GPL-3.0-or-later
// The settings dialog's O.K. when it lowers a full shown list's item limit from 32767 to 100
// (run with QT_QPA_PLATFORM=offscreen).
#include "BenchSupport.h"
#include "mainwindow/MainWindow.h"
#include "model/ListItems.h"
#include "model/ListCollection.h"
#include "model/ListDisplay.h"
#include "model/ListRecord.h"
#include "model/ProgramState.h"
#include "platform/QtFontColourDialogs.h"
#include "platform/ColourDialog.h"
#include "platform/FontDialog.h"
#include "windows/SettingsDialog.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QMouseEvent>
#include <benchmark/benchmark.h>

namespace {

// Confirms the limit question.
class AnswerOk : public MessageBoxPort {
public:
    Answer show(const QString &, const QString &, Icon, Buttons) override { return Answer::Ok; }
};

void LowerLimitOnOk(benchmark::State &state)
{
    const bool addAtBottom = state.range(0) != 0;
    AnswerOk answers;
    BenchSupport::Program program(&answers);
    program.start();
    BenchSupport::waitForExposed(program.window());
    QtFontColourDialogs system;
    FontDialog fonts(system);
    ColourDialog colours(system);
    ListDisplay &panes = program.state().display();
    const PaneNumber pane = panes.paneAtPosition(0);
    ListRecord &list = panes.recordOfPane(pane);
    for (auto _ : state) {
        state.PauseTiming();
        list.itemLimit = MaxCount;
        list.addAtBottom = addAtBottom;
        ListItems &items = list.items();
        while (items.count() < MaxCount)
            items.addItem(QStringLiteral("clip %1").arg(items.count()));
        SettingsDialog dialog(program.state(), program.window(), answers, fonts, colours);
        dialog.show();
        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(2, 2), QPointF(2, 2), Qt::LeftButton, Qt::NoButton,
                            Qt::NoModifier);
        QCoreApplication::sendEvent(dialog.findChild<QLabel *>(QStringLiteral("LblWord2")), &release);
        dialog.findChild<QCheckBox *>(QStringLiteral("largestLimitCheckPerList"))->setChecked(false);
        dialog.findChild<QLineEdit *>(QStringLiteral("itemLimitEditPerList"))->setText(QStringLiteral("100"));
        auto *ok = dialog.findChild<QPushButton *>(QStringLiteral("OKButton"));
        state.ResumeTiming();
        ok->click();
        QCoreApplication::processEvents();
        state.PauseTiming();
        if (items.count() != 100)
            state.SkipWithError("the limit was not applied");
        state.ResumeTiming();
    }
}
BENCHMARK(LowerLimitOnOk)->Arg(0)->Arg(1)->ArgName("addAtBottom")->Iterations(3)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    return BenchSupport::runWithApplication(argc, argv);
}
