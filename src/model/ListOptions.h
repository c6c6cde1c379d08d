// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/FocusMode.h"
#include "model/ModelTypes.h"

#include <QString>

// The options of one clip list, as a list holds them and a clip-list file stores them.
struct ListOptions {
    QString name;
    qint16 sameNameNumber = 0;
    float heightShare = -1;
    qint16 itemLimit = 0;
    bool captionByWidth = false;
    qint16 captionLength = 0;
    qint32 captionWidth = 0;
    QString lineBreakMark;
    bool showLength = false;
    bool addAtBottom = false;
    bool addAtFocus = false;
    FocusMode focusMode = FocusMode::MovesAtScreenEdges;
    QString fileName;
    QString fontName;
    float fontSize = 0;
    Colour backColour = 0;
    Colour textColour = 0;
    Colour focusedBackColour = 0;
    Colour focusedTextColour = 0;

    bool operator==(const ListOptions &) const = default;
};
