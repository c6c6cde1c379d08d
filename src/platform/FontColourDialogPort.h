// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <array>

class QWidget;

// The system's font and colour dialogs. Each returns true when the user confirmed; only then are
// its in/out arguments changed.
class FontColourDialogPort {
public:
    virtual ~FontColourDialogPort() = default;
    virtual bool chooseFont(QWidget *owner, QFont &font) = 0;
    // The custom colours are offered in the dialog and come back as the user left them.
    virtual bool chooseColour(QWidget *owner, QColor &colour, std::array<QColor, 16> &custom) = 0;
};
