// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/FontColourDialogPort.h"

// QFontDialog and QColorDialog, modal over their owner.
class QtFontColourDialogs : public FontColourDialogPort {
public:
    bool chooseFont(QWidget *owner, QFont &font) override;
    bool chooseColour(QWidget *owner, QColor &colour, std::array<QColor, 16> &custom) override;
};
