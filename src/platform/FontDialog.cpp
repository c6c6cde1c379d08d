// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FontDialog.h"

#include <algorithm>
#include <cmath>

bool FontDialog::showFontDialog()
{
    QFont font;
    if (m_record.Font && (m_record.Flags & CF_INITTOLOGFONTSTRUCT)) {
        const FontChoice &from = *m_record.Font;
        font = QFont(from.Name);
        if (from.Size > 0)
            font.setPointSizeF(from.Size);
        font.setWeight(from.Bold ? QFont::Bold : QFont::Weight(std::clamp(from.Weight, 1, 1000)));
        font.setItalic(from.Italic);
        font.setUnderline(from.Underline);
        font.setStrikeOut(from.Strikethrough);
    }
    if (!m_dialogs.chooseFont(m_record.owner, font))
        return false;
    FontChoice chosen;
    chosen.Bold = font.weight() >= QFont::Bold;
    chosen.Italic = font.italic();
    chosen.Name = font.family();
    chosen.Strikethrough = font.strikeOut();
    chosen.Underline = font.underline();
    chosen.Weight = int(font.weight());
    // Whole points, a half to the even neighbour (10.5 gives 10, 11.5 gives 12).
    chosen.Size = float(std::nearbyint(font.pointSizeF()));
    m_record.Font = chosen;
    return true;
}
