// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringView>

// Measures text in the main window's current font. Implementations sum per-character advances,
// so the width of a concatenation is the sum of the widths of its parts; captions rely on that
// to grow a measurement one character at a time.
class TextWidth {
public:
    virtual ~TextWidth() = default;
    virtual double textWidth(QStringView text) const = 0;
};
