#include "model/UtilityFirstList.h"

#include "model/ProgramTexts.h"

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
