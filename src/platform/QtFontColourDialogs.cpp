// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/QtFontColourDialogs.h"

#include <QColorDialog>
#include <QFontDialog>

bool QtFontColourDialogs::chooseFont(QWidget *owner, QFont &font)
{
    bool confirmed = false;
    const QFont chosen = QFontDialog::getFont(&confirmed, font, owner);
    if (confirmed)
        font = chosen;
    return confirmed;
}

bool QtFontColourDialogs::chooseColour(QWidget *owner, QColor &colour, std::array<QColor, 16> &custom)
{
    // Qt's custom colours are shared by every colour dialog; ours are loaded into them each time,
    // so only those of this run are offered.
    for (int i = 0; i < int(custom.size()); ++i)
        QColorDialog::setCustomColor(i, custom[size_t(i)]);
    QColorDialog dialog(colour, owner);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    colour = dialog.selectedColor();
    for (int i = 0; i < int(custom.size()); ++i)
        custom[size_t(i)] = QColorDialog::customColor(i);
    return true;
}
