// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/NewListDefaults.h"

#include "model/ProgramTexts.h"

void NewListDefaults::setFactoryValues()
{
    captionByWidthDefault = true;
    captionLengthDefault = 48;
    captionWidthDefault = 192;
    lineBreakMarkDefault = QStringLiteral("  ");
    showLengthDefault = true;
    itemLimitDefault = 32;
    addAtBottomDefault = false;
    addAtFocusDefault = false;
    focusModeDefault = FocusMode::MovesAtScreenEdges;
    fileNameDefault.clear();
    nameDefault = QStringLiteral("ｸﾘｯﾌﾟ");
    fontNameDefault = ProgramTexts::defaultFontName();
    fontSizeDefault = 9;
    backColourDefault = 0xE0E0E0;
    textColourDefault = systemColour(8);
    focusedBackColourDefault = 0xFFFFFF;
    focusedTextColourDefault = systemColour(8);
}
