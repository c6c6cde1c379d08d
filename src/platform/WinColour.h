// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/ModelTypes.h"

#include <QColor>
#include <QPalette>

// Turns a Windows colour value into a QColor. System colour references take the matching
// role of the given palette, so panes follow the desktop's theme.
namespace WinColour {
QColor toQColor(Colour colour, const QPalette &palette);
Colour fromQColor(const QColor &colour);
} // namespace WinColour
