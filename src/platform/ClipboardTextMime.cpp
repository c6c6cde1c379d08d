#include "platform/ClipboardTextMime.h"

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
    // Another program gets bytes, encoded only now that it asks.
    if (preferredType.id() == QMetaType::QByteArray)
        return m_text.toUtf8();
    return m_text;
}
