// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

struct ListOptions;
class TextWidth;

// Builds the one-line row text of an item from a list's caption options. The work is in
// proportion to the caption produced, never to the whole text, so huge texts cost no more
// than short ones.
class CaptionBuilder {
public:
    CaptionBuilder(const QString &crLf, const TextWidth &meter) : m_crLf(crLf), m_meter(meter) {}

    QString caption(const ListOptions &options, const QString &text) const;

    // Cuts the text so that it, followed by "...", fits the width; line breaks become breakText.
    QString fitCaption(const QString &text, qint32 width, const QString &breakText) const;
    // The first length characters, "..." when cut, line breaks whole inside the cut replaced.
    QString lengthCaption(const QString &text, qint16 length, const QString &breakText) const;

private:
    const QString &m_crLf;
    const TextWidth &m_meter;
};
