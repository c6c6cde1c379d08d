// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FontTextWidth.h"

#include <QFontMetricsF>

namespace {
constexpr double Unmeasured = -1.0;
}

FontTextWidth::FontTextWidth() : m_advances(0x10000, Unmeasured) {}

void FontTextWidth::setFont(const QFont &font)
{
    if (font == m_font)
        return;
    m_font = font;
    std::fill(m_advances.begin(), m_advances.end(), Unmeasured);
}

double FontTextWidth::advance(char16_t unit) const
{
    double &cached = m_advances[unit];
    if (cached < 0) {
        const QFontMetricsF metrics(m_font);
        if (QChar::isLowSurrogate(unit))
            cached = 0; // the pair's width is counted on its first half
        else if (QChar::isHighSurrogate(unit))
            cached = metrics.horizontalAdvance(QChar(0x3000)); // emoji and rare ideographs are full width
        else
            cached = metrics.horizontalAdvance(QChar(unit));
    }
    return cached;
}

double FontTextWidth::textWidth(QStringView text) const
{
    double width = 0;
    for (QChar c : text)
        width += advance(c.unicode());
    return width;
}
