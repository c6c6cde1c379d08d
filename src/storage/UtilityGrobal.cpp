#include "storage/UtilityGrobal.h"

#include "app/QKPRGrobal.h"
#include "app/ProgramTexts.h"
#include "model/ListExControl.h"
#include "storage/GrobalTarget.h"
#include "storage/SettingRanges.h"
#include "storage/UtilGrobal.h"
#include "storage/spgFileCon.h"

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

void UtilityGrobal::LoadUtilGrobal(spgFileCon &Fee, bool Version)
{
    SetGrobalFactory();
    if (Version) {
        UtilGrobal read;
        read.TimerInterval = Fee.getIntB();
        read.BarClr = Fee.getLonB();
        read.AddMode = Fee.getBooB();
        read.AddSave = Fee.getBooB();
        read.AddDelete = Fee.getBooB();
        read.AddDeleteError = Fee.getBooB();
        read.ReturnIm = Fee.getBooB();
        read.ReturnOrLetter = Fee.getBooB();
        read.LetterIm = Fee.getSenBEx();
        read.HTMLReco = Fee.getBooB();
        read.ToolOvOrCk = Fee.getBooB();
        read.TextExpTimer = Fee.getBooB();
        read.TextFName = Fee.getSenBEx();
        read.TextFSize = Fee.getSinB();
        read.HowLAddMove = Fee.getIntB();
        read.HowRAddMove = Fee.getIntB();
        read.HowTAddMove = Fee.getIntB();
        read.HowBAddMove = Fee.getIntB();
        read.HowAddMoveHIval = Fee.getLonB();
        read.HowAddMoveVIval = Fee.getLonB();

        if (Fee.intact()) {
            using namespace SettingRanges;
            keepWithin(TimerInterval, read.TimerInterval, TimerIntervalMin, TimerIntervalMax);
            BarClr = read.BarClr;
            AddMode = read.AddMode;
            AddSave = read.AddSave;
            AddDelete = read.AddDelete;
            AddDeleteError = read.AddDeleteError;
            ReturnIm = read.ReturnIm;
            ReturnOrLetter = read.ReturnOrLetter;
            if (!read.LetterIm.isEmpty())
                LetterIm = read.LetterIm;
            HTMLReco = read.HTMLReco;
            TextExpTimer = read.TextExpTimer;
            if (isFontName(read.TextFName))
                TextFName = read.TextFName;
            if (isFontSize(read.TextFSize))
                TextFSize = read.TextFSize;
            keepWithin(HowLAddMove, read.HowLAddMove, EdgeActionMin, EdgeActionMax);
            keepWithin(HowRAddMove, read.HowRAddMove, EdgeActionMin, EdgeActionMax);
            keepWithin(HowTAddMove, read.HowTAddMove, EdgeActionMin, EdgeActionMax);
            keepWithin(HowBAddMove, read.HowBAddMove, EdgeActionMin, EdgeActionMax);
            keepWithin(HowAddMoveHIval, read.HowAddMoveHIval, EdgeZoneMin, EdgeZoneMax);
            keepWithin(HowAddMoveVIval, read.HowAddMoveVIval, EdgeZoneMin, EdgeZoneMax);
            setToolOvOrCk(read.ToolOvOrCk);
        }
    }
    ApplyGrobal();
}

void UtilityGrobal::UGrobalOutofUtility(spgFileCon &Fee) const
{
    Fee.setIntB(TimerInterval);
    Fee.setLonB(BarClr);
    Fee.setBooB(AddMode);
    Fee.setBooB(AddSave);
    Fee.setBooB(AddDelete);
    Fee.setBooB(AddDeleteError);
    Fee.setBooB(ReturnIm);
    Fee.setBooB(ReturnOrLetter);
    Fee.setSenBEx(LetterIm);
    Fee.setBooB(HTMLReco);
    Fee.setBooB(m_toolOvOrCk);
    Fee.setBooB(TextExpTimer);
    Fee.setSenBEx(TextFName);
    Fee.setSinB(TextFSize);
    Fee.setIntB(HowLAddMove);
    Fee.setIntB(HowRAddMove);
    Fee.setIntB(HowTAddMove);
    Fee.setIntB(HowBAddMove);
    Fee.setLonB(HowAddMoveHIval);
    Fee.setLonB(HowAddMoveVIval);
}
