// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/seams/ClipboardPort.h"

#include <QList>
#include <QString>
#include <optional>

// An in-memory clipboard for unit tests. Like the real one, a write replaces everything with one
// format, secret content offers no text, and an offered text may be empty.
class FakeClipboard : public ClipboardPort {
public:
    struct Write {
        QString text;
        bool rich = false;
        bool operator==(const Write &) const = default;
    };

    // What another program puts on the clipboard.
    void setPlainText(const QString &text);
    void setRichText(const QString &text);
    void setSecret(bool secret);
    // Another program leaves the clipboard empty (or holding only an image).
    void clear();

    bool hasPlainText() override;
    QString readText(bool rich) override;
    void writeText(const QString &text, bool rich) override;
    bool changedSinceLastRead() const override { return m_changed; }

    const QList<Write> &writes() const { return m_writes; }
    int readCount() const { return m_reads; }

    // As a clipboard that reads every change itself and offers its text.
    void setPushing(bool pushing) { m_pushing = pushing; }
    void offer(const QString &text, const CopySource &source = {}) { emit textOffered(text, source); }
    void fail() { emit readFailed(); }
    bool pushesChanges() const override { return m_pushing; }
    void setWatching(bool watching, bool rich) override
    {
        this->watching = watching;
        watchingRich = rich;
    }
    void retry() override { ++retries; }
    bool watching = false;
    bool watchingRich = false;
    int retries = 0;

private:
    std::optional<QString> m_plain;
    std::optional<QString> m_rich;
    bool m_secret = false;
    bool m_changed = true;
    int m_reads = 0;
    bool m_pushing = false;
    QList<Write> m_writes;
};
