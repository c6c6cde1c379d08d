// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/CaptionBuilder.h"

#include "model/ListOptions.h"
#include "model/seams/TextWidth.h"

namespace {
constexpr QStringView Ellipsis = u"...";
}

QString CaptionBuilder::caption(const ListOptions &options, const QString &text) const
{
    QString result = options.captionByWidth ? fitCaption(text, options.captionWidth, options.lineBreakMark)
                                    : lengthCaption(text, options.captionLength, options.lineBreakMark);
    if (options.showLength)
        result += QStringLiteral(" [") + QString::number(text.size()) + QLatin1Char(']');
    return result;
}

QString CaptionBuilder::fitCaption(const QString &text, qint32 width, const QString &breakText) const
{
    // Widths add up character by character (TextWidth's contract), so the width of the growing
    // caption is kept as a running sum instead of measuring it again for every character.
    const double ellipsisWidth = m_meter.textWidth(Ellipsis);
    const double breakWidth = m_meter.textWidth(breakText);
    const bool crLfBreak = m_crLf.size() == 2;
    QString built;
    double builtWidth = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        built += c;
        if (crLfBreak && c == m_crLf.at(1) && built.size() >= 2 && built.at(built.size() - 2) == m_crLf.at(0)) {
            builtWidth -= m_meter.textWidth(QStringView(built).right(2).left(1));
            built.chop(2);
            built += breakText;
            builtWidth += breakWidth;
        } else {
            builtWidth += m_meter.textWidth(QStringView(&c, 1));
        }
        if (builtWidth + ellipsisWidth > width) {
            // The caption is the first i characters of what was built (the character just added goes).
            return built.left(i).append(Ellipsis);
        }
    }
    return built;
}

QString CaptionBuilder::lengthCaption(const QString &text, qint16 length, const QString &breakText) const
{
    const qsizetype keep = qMax<qsizetype>(0, length);
    QString cut = text.left(keep);
    if (keep < text.size())
        cut += Ellipsis;
    if (!m_crLf.isEmpty())
        cut.replace(m_crLf, breakText);
    return cut;
}
