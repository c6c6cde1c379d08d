// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/FocusMode.h"
#include "model/ModelTypes.h"

#include <QString>

// The defaults a new list takes, in the order the settings file keeps them. Shared by the live
// defaults and the settings dialog's working copy.
struct NewListDefaultFields {
    bool captionByWidthDefault = false;
    qint16 captionLengthDefault = 0;
    qint32 captionWidthDefault = 0;
    QString lineBreakMarkDefault;
    bool showLengthDefault = false;
    qint16 itemLimitDefault = 0;
    bool addAtBottomDefault = false;
    bool addAtFocusDefault = false;
    FocusMode focusModeDefault = FocusMode::MovesAtScreenEdges;
    QString fileNameDefault;
    QString nameDefault;
    QString fontNameDefault;
    float fontSizeDefault = 0;
    Colour backColourDefault = 0;
    Colour textColourDefault = 0;
    Colour focusedBackColourDefault = 0;
    Colour focusedTextColourDefault = 0;

    bool operator==(const NewListDefaultFields &) const = default;
};
