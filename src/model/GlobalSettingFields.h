// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/ModelTypes.h"

#include <QString>

// The global settings' stored fields, in the order the settings file keeps them
// (the toolbar mouse option follows richText there). Shared by the live settings and
// the settings dialog's working copy.
struct GlobalSettingFields {
    qint16 pollInterval = 0;
    Colour barColour = 0;
    bool addOptionsToAllLists = false;
    bool addOptionsAsDefaults = false;
    bool dropOverflowOnMove = false;
    bool warnOnOverflow = false;
    bool splitCaptures = false;
    bool splitAtLineBreaks = false;
    QString splitString;
    bool richText = false;
    bool pauseWhileTextWindowActive = false;
    QString textFontName;
    float textFontSize = 0;
    qint16 leftEdgeAction = 0;
    qint16 rightEdgeAction = 0;
    qint16 topEdgeAction = 0;
    qint16 bottomEdgeAction = 0;
    qint32 edgeZoneWidth = 0;
    qint32 edgeZoneHeight = 0;

    bool operator==(const GlobalSettingFields &) const = default;
};
