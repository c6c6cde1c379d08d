#include "storage/UtilityFirstList.h"

#include "app/ProgramTexts.h"
#include "storage/SettingRanges.h"
#include "storage/spgFileCon.h"

void UtilityFirstList::SetFirstFactory()
{
    ioSFLGDef = true;
    ioSLengthDef = 48;
    ioSWidthDef = 192;
    returnLetterDef = QStringLiteral("  ");
    LenNumDef = true;
    UpperCountDef = 32;
    WayAddDef = false;
    PosAddDef = false;
    MovAddDef = 0;
    fiNameDef.clear();
    loNameDef = QStringLiteral("ｸﾘｯﾌﾟ");
    FontNameDef = ProgramTexts::defaultFontName();
    FontSizeDef = 9;
    BackClrDef = 0xE0E0E0;
    ForeClrDef = systemColour(8);
    BackClrFcsDef = 0xFFFFFF;
    ForeClrFcsDef = systemColour(8);
}

void UtilityFirstList::LoadUtilFirst(spgFileCon &Fee, bool Version)
{
    SetFirstFactory();
    if (!Version)
        return;
    FirstListFields read;
    read.ioSFLGDef = Fee.getBooB();
    read.ioSLengthDef = Fee.getIntB();
    read.ioSWidthDef = Fee.getLonB();
    read.returnLetterDef = Fee.getSenBEx();
    read.LenNumDef = Fee.getBooB();
    read.UpperCountDef = Fee.getIntB();
    read.WayAddDef = Fee.getBooB();
    read.PosAddDef = Fee.getBooB();
    read.MovAddDef = Fee.getIntB();
    read.fiNameDef = Fee.getSenBEx();
    read.loNameDef = Fee.getSenBEx();
    read.FontNameDef = Fee.getSenBEx();
    read.FontSizeDef = Fee.getSinB();
    read.BackClrDef = Fee.getLonB();
    read.ForeClrDef = Fee.getLonB();
    read.BackClrFcsDef = Fee.getLonB();
    read.ForeClrFcsDef = Fee.getLonB();
    if (!Fee.intact())
        return;

    using namespace SettingRanges;
    ioSFLGDef = read.ioSFLGDef;
    keepWithin(ioSLengthDef, read.ioSLengthDef, CaptionLengthMin, CaptionLengthMax);
    keepWithin(ioSWidthDef, read.ioSWidthDef, CaptionWidthMin, CaptionWidthMax);
    returnLetterDef = read.returnLetterDef;
    LenNumDef = read.LenNumDef;
    keepWithin(UpperCountDef, read.UpperCountDef, ItemLimitMin, ItemLimitMax);
    WayAddDef = read.WayAddDef;
    PosAddDef = read.PosAddDef;
    keepWithin(MovAddDef, read.MovAddDef, MoveModeMin, MoveModeMax);
    fiNameDef = read.fiNameDef;
    loNameDef = read.loNameDef;
    if (isFontName(read.FontNameDef))
        FontNameDef = read.FontNameDef;
    if (isFontSize(read.FontSizeDef))
        FontSizeDef = read.FontSizeDef;
    BackClrDef = read.BackClrDef;
    ForeClrDef = read.ForeClrDef;
    BackClrFcsDef = read.BackClrFcsDef;
    ForeClrFcsDef = read.ForeClrFcsDef;
}

void UtilityFirstList::UFirstOutofUtility(spgFileCon &Fee) const
{
    Fee.setBooB(ioSFLGDef);
    Fee.setIntB(ioSLengthDef);
    Fee.setLonB(ioSWidthDef);
    Fee.setSenBEx(returnLetterDef);
    Fee.setBooB(LenNumDef);
    Fee.setIntB(UpperCountDef);
    Fee.setBooB(WayAddDef);
    Fee.setBooB(PosAddDef);
    Fee.setIntB(MovAddDef);
    Fee.setSenBEx(fiNameDef);
    Fee.setSenBEx(loNameDef);
    Fee.setSenBEx(FontNameDef);
    Fee.setSinB(FontSizeDef);
    Fee.setLonB(BackClrDef);
    Fee.setLonB(ForeClrDef);
    Fee.setLonB(BackClrFcsDef);
    Fee.setLonB(ForeClrFcsDef);
}
