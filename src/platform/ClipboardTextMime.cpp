// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ClipboardTextMime.h"

#include "platform/LineBreaks.h"

ClipboardTextMime::ClipboardTextMime(const QString &format, const QString &text)
    : m_format(format), m_text(text)
{
}

bool ClipboardTextMime::hasFormat(const QString &mimeType) const
{
    return mimeType == m_format;
}

QStringList ClipboardTextMime::formats() const
{
    return {m_format};
}

QVariant ClipboardTextMime::retrieveData(const QString &mimeType, QMetaType preferredType) const
{
    if (mimeType != m_format)
        return {};
    // Another program gets plain text with the toolkit's line breaks, and bytes, made only now
    // that it asks.
    const QString text = m_format.startsWith(QLatin1String("text/plain")) ? LineBreaks::toClipboard(m_text) : m_text;
    if (preferredType.id() == QMetaType::QByteArray)
        return text.toUtf8();
    return text;
}
