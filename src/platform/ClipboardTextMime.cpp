// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ClipboardTextMime.h"

#include "platform/LineBreaks.h"

namespace {
const QString HtmlFormat = QStringLiteral("text/html");
}

ClipboardTextMime::ClipboardTextMime(const QString &format, const QString &text, const QString &html)
    : m_format(format), m_text(text), m_html(html)
{
}

bool ClipboardTextMime::hasFormat(const QString &mimeType) const
{
    return mimeType == m_format || (!m_html.isEmpty() && mimeType == HtmlFormat);
}

QStringList ClipboardTextMime::formats() const
{
    if (m_html.isEmpty())
        return {m_format};
    return {m_format, HtmlFormat};
}

QVariant ClipboardTextMime::retrieveData(const QString &mimeType, QMetaType preferredType) const
{
    if (!m_html.isEmpty() && mimeType == HtmlFormat)
        return preferredType.id() == QMetaType::QByteArray ? QVariant(m_html.toUtf8()) : QVariant(m_html);
    if (mimeType != m_format)
        return {};
    // Another program gets plain text with the toolkit's line breaks, and bytes, made only now
    // that it asks.
    const QString text = m_format.startsWith(QLatin1String("text/plain")) ? LineBreaks::toClipboard(m_text) : m_text;
    if (preferredType.id() == QMetaType::QByteArray)
        return text.toUtf8();
    return text;
}
