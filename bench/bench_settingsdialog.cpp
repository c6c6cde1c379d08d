// The settings dialog's O.K. when it lowers a full shown list's item limit from 32767 to 100
// (run with QT_QPA_PLATFORM=offscreen).
#include "BenchSupport.h"
#include "mainwindow/QKPRbase.h"
#include "model/ItemControl.h"
#include "model/ListControl.h"
#include "model/ListExControl.h"
#include "model/ListOb.h"
#include "model/QKPRGrobal.h"
#include "platform/QtFontColourDialogs.h"
#include "platform/spgComDLColor.h"
#include "platform/spgComDLFont.h"
#include "windows/QKPRUtility.h"

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
    const bool wayAdd = state.range(0) != 0;
    AnswerOk answers;
    BenchSupport::Program program(&answers);
    program.start();
    BenchSupport::waitForExposed(program.window());
    QtFontColourDialogs system;
    spgComDLFont fonts(system);
    spgComDLColor colours(system);
    ListExControl &panes = program.grobal().listExControl();
    const qint16 pane = panes.lecEx(0);
    ListOb &list = program.grobal().listControl().lcListOb(panes.lecListOb(pane).leoListOb);
    for (auto _ : state) {
        state.PauseTiming();
        list.UpperCount = MaxCount;
        list.WayAdd = wayAdd;
        ItemControl &items = list.loItemControl();
        while (items.UB() < MaxCount)
            items.icMakeItem(pane, QStringLiteral("clip %1").arg(items.UB()));
        QKPRUtility dialog(program.grobal(), program.window(), answers, fonts, colours);
        dialog.show();
        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(2, 2), QPointF(2, 2), Qt::LeftButton, Qt::NoButton,
                            Qt::NoModifier);
        QCoreApplication::sendEvent(dialog.findChild<QLabel *>(QStringLiteral("LblWord2")), &release);
        dialog.findChild<QCheckBox *>(QStringLiteral("MaxUpperPr"))->setChecked(false);
        dialog.findChild<QLineEdit *>(QStringLiteral("UpperNumPr"))->setText(QStringLiteral("100"));
        auto *ok = dialog.findChild<QPushButton *>(QStringLiteral("OKButton"));
        state.ResumeTiming();
        ok->click();
        QCoreApplication::processEvents();
        state.PauseTiming();
        if (items.UB() != 100)
            state.SkipWithError("the limit was not applied");
        state.ResumeTiming();
    }
}
BENCHMARK(LowerLimitOnOk)->Arg(0)->Arg(1)->ArgName("WayAdd")->Iterations(3)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    return BenchSupport::runWithApplication(argc, argv);
}
