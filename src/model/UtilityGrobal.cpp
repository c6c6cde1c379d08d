#include "model/UtilityGrobal.h"

#include "model/ProgramTexts.h"
#include "model/UtilGrobal.h"

void UtilityGrobal::setToolOvOrCk(bool hover)
{
    m_toolOvOrCk = hover;
    emit toolOvOrCkChanged(hover);
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
    emit timerIntervalChanged(TimerInterval);
    // Every bar, and every bar made later, takes the colour.
    emit barColourChanged(BarClr);
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
