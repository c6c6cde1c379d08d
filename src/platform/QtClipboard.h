// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/seams/ClipboardPort.h"

#include <QObject>
#include <QStringList>
#include <optional>

class QClipboard;
class QMimeData;

// The system clipboard (never the X primary selection) through QClipboard.
//
// Where the platform reports every change of the clipboard (xcb with XFixes, Windows), what was
// learned about the current content is kept until the next change, so a watcher polling an
// unchanged clipboard costs nothing and the owner is never asked twice. Failed or empty reads are
// not kept and are retried on the next call. Elsewhere every call asks the clipboard.
// Needs a QGuiApplication; everything happens on its thread.
class QtClipboard : public ClipboardPort {
    Q_OBJECT
public:
    enum class ChangeGating {
        WhereReliable, // keep results between reported changes where the platform reports them
        Off,           // ask the clipboard on every call
    };

    explicit QtClipboard(ChangeGating gating = ChangeGating::WhereReliable, QObject *parent = nullptr);

    bool hasPlainText() override;
    QString readText(bool rich) override;
    void writeText(const QString &text, bool rich) override;
    QString readHtml() override;
    void writeTextAndHtml(const QString &text, const QString &html) override;
    bool changedSinceLastRead() const override;

    // Results are being kept between changes.
    bool gatingActive() const { return m_gating; }

    // The MIME types read, in order of preference.
    static const QStringList &plainFormats();
    static const QStringList &richFormats();
    // Clipboard bytes as text: UTF-8 when they are valid UTF-8, else Latin-1.
    static QString decodeText(QByteArray bytes);
    // A text read from the clipboard as the program keeps it: plain text with CR LF line breaks,
    // in a buffer of its own size (captured texts can be huge, and are kept for long).
    static QString keptText(QString text, bool rich);

private:
    // What the current content offers; learned once per change when gating.
    struct Offer {
        QStringList formats;
        bool secret = false;
    };

    std::optional<Offer> currentOffer();
    std::optional<Offer> learnOffer(const QMimeData *mime);
    QString fetchText(bool rich);
    void forgetContent();

    QClipboard *m_clipboard;
    bool m_gating;
    std::optional<Offer> m_offer;
    std::optional<QString> m_plain;
    std::optional<QString> m_rich;
};
