// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ColourDialog.h"

#include "platform/WinColour.h"

#include <QApplication>

bool ColourDialog::showColourDialog()
{
    const QPalette palette = QApplication::palette();
    QColor colour = (m_record.Flags & CC_RGBINIT) ? WinColour::toQColor(m_record.Color, palette) : QColor(Qt::black);
    std::array<QColor, 16> custom;
    for (size_t i = 0; i < custom.size(); ++i)
        custom[i] = WinColour::toQColor(m_record.customColours[i], palette);
    if (!m_dialogs.chooseColour(m_record.owner, colour, custom))
        return false;
    m_record.Color = WinColour::fromQColor(colour);
    for (size_t i = 0; i < custom.size(); ++i)
        m_record.customColours[i] = WinColour::fromQColor(custom[i]);
    return true;
}
