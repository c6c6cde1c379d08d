#include "storage/UtilityGrobal.h"

#include "app/QKPRGrobal.h"
#include "app/ProgramTexts.h"
#include "model/ListExControl.h"
#include "storage/GrobalTarget.h"
#include "storage/UtilGrobal.h"

UtilityGrobal::UtilityGrobal(QKPRGrobal &grobal) : m_grobal(grobal) {}

void UtilityGrobal::setToolOvOrCk(bool hover)
{
    if (m_toolPointerHook)
        m_toolPointerHook(hover);
    m_toolOvOrCk = hover;
}

void UtilityGrobal::SetGrobalFactory()
{
    TimerInterval = 500;
    BarClr = systemColour(15);
    AddMode = false;
    AddSave = true;
    AddDelete = false;
    AddDeleteError = true;
    ReturnIm = false;
    ReturnOrLetter = true;
    LetterIm = QStringLiteral(".");
    HTMLReco = false;
    TextExpTimer = true;
    TextFName = ProgramTexts::defaultFontName();
    TextFSize = 9;
    HowLAddMove = 0;
    HowRAddMove = 1;
    HowTAddMove = 0;
    HowBAddMove = 1;
    HowAddMoveHIval = 8;
    HowAddMoveVIval = 8;
}

void UtilityGrobal::ApplyGrobal()
{
    GrobalTarget *target = m_grobal.grobalTarget();
    if (!target)
        return;
    target->setTimerInterval(TimerInterval);
    const qint16 bars = m_grobal.listExControl().UBEx();
    for (qint16 bar = 0; bar <= bars; ++bar)
        target->setBarColour(bar, BarClr);
}

UtilGrobal UtilityGrobal::copyOut() const
{
    UtilGrobal copy;
    static_cast<GrobalFields &>(copy) = *this;
    copy.ToolOvOrCk = m_toolOvOrCk;
    return copy;
}

void UtilityGrobal::copyIn(const UtilGrobal &from)
{
    static_cast<GrobalFields &>(*this) = from;
    setToolOvOrCk(from.ToolOvOrCk);
}
