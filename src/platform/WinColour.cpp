// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/WinColour.h"

namespace WinColour {

namespace {
QColor systemColour(int index, const QPalette &p)
{
    switch (index) {
    case 0: return p.color(QPalette::Window);          // scroll bar
    case 1: return p.color(QPalette::Window);          // desktop
    case 2: return p.color(QPalette::Active, QPalette::Highlight);    // active caption
    case 3: return p.color(QPalette::Inactive, QPalette::Highlight);  // inactive caption
    case 4: return p.color(QPalette::Window);          // menu
    case 5: return p.color(QPalette::Base);            // window
    case 6: return p.color(QPalette::Shadow);          // window frame
    case 7: return p.color(QPalette::WindowText);      // menu text
    case 8: return p.color(QPalette::Text);            // window text
    case 9: return p.color(QPalette::Active, QPalette::HighlightedText); // caption text
    case 10: return p.color(QPalette::Mid);            // active border
    case 11: return p.color(QPalette::Mid);            // inactive border
    case 12: return p.color(QPalette::Dark);           // application workspace
    case 13: return p.color(QPalette::Highlight);
    case 14: return p.color(QPalette::HighlightedText);
    case 15: return p.color(QPalette::Button);         // button face
    case 16: return p.color(QPalette::Dark);           // button shadow
    case 17: return p.color(QPalette::Disabled, QPalette::Text); // grey text
    case 18: return p.color(QPalette::ButtonText);
    case 19: return p.color(QPalette::Inactive, QPalette::HighlightedText); // inactive caption text
    case 20: return p.color(QPalette::Light);          // button highlight
    case 21: return p.color(QPalette::Shadow);         // 3D dark shadow
    case 22: return p.color(QPalette::Midlight);       // 3D light
    case 23: return p.color(QPalette::ToolTipText);
    case 24: return p.color(QPalette::ToolTipBase);
    default: return p.color(QPalette::Window);
    }
}
} // namespace

QColor toQColor(Colour colour, const QPalette &palette)
{
    const quint32 value = quint32(colour);
    if (isSystemColour(colour))
        return systemColour(int(value & 0xFF), palette);
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

Colour fromQColor(const QColor &colour)
{
    return Colour(quint32(colour.red()) | (quint32(colour.green()) << 8) | (quint32(colour.blue()) << 16));
}

} // namespace WinColour
