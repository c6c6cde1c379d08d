// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMimeData>
#include <QString>

// Clipboard content that this program writes: one text under one MIME type, and beside a plain
// text the same content as HTML when it came with it. The texts stay QStrings shared with the
// caller; bytes are produced only when another program asks for them, and a read of our own
// clipboard gets the very same string back.
class ClipboardTextMime : public QMimeData {
    Q_OBJECT
public:
    ClipboardTextMime(const QString &format, const QString &text, const QString &html = {});

    const QString &format() const { return m_format; }
    const QString &storedText() const { return m_text; }
    const QString &storedHtml() const { return m_html; }

    bool hasFormat(const QString &mimeType) const override;
    QStringList formats() const override;

protected:
    QVariant retrieveData(const QString &mimeType, QMetaType preferredType) const override;

private:
    QString m_format;
    QString m_text;
    QString m_html;
};
