// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/seams/TextWidth.h"

#include <QFont>
#include <vector>

// Text width as the sum of per-character advances of a font, with the advances cached, so
// measuring grows with the text measured and captions can be built one character at a time.
class FontTextWidth : public TextWidth {
public:
    FontTextWidth();
    void setFont(const QFont &font);
    const QFont &font() const { return m_font; }
    double textWidth(QStringView text) const override;

private:
    double advance(char16_t unit) const;

    QFont m_font;
    mutable std::vector<double> m_advances; // by UTF-16 code unit; negative = not measured yet
};
