// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

class RecordFile;

// What the text window remembers between runs: its place as an offset from the main window's
// top-left corner and its size, in pixels; the display lock; and which text box is in use.
struct TextWindowSettings {
    static constexpr qint32 BothScrollBars = 0; // no wrapping
    static constexpr qint32 VerticalOnly = 1;   // wrapping

    qint32 offsetX = 66;
    qint32 offsetY = 66;
    qint32 height = 186;
    qint32 width = 240;
    bool locked = false;
    qint32 scrollMode = BothScrollBars;

    // Reads the section when headerAccepted is true; otherwise, or when the section is damaged or cut
    // short, takes the factory values. A size that is not positive or an unknown text box takes
    // its factory value.
    void read(RecordFile &file, bool headerAccepted);
    void write(RecordFile &file) const;

    bool operator==(const TextWindowSettings &) const = default;
};
