// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The text an HTML copy reads as, for content that offers HTML and no plain text.
class HtmlText {
public:
    // As the page would read (Qt's rich-text engine), with the program's CR LF line breaks.
    static QString plainText(const QString &html);
};
