// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/seams/ClipboardPort.h"
#include "platform/x11/XcbClipboardConnection.h"

// The X11 clipboard: every change is read in the background on XcbClipboardConnection, so no owner,
// however slow, holds up the window, and no copy is missed between ticks; the program's own texts
// are served from the same thread, so no requester holds up the window either. Reads return the
// last text that arrived, or that the program wrote itself. When the owner goes and leaves the
// clipboard empty, that text is served again.
class X11Clipboard : public ClipboardPort {
    Q_OBJECT
public:
    X11Clipboard();

    // False when the X server cannot report clipboard changes; use QtClipboard then.
    bool start();

    bool hasPlainText() override { return !m_held.isEmpty(); }
    QString readText(bool rich) override;
    void writeText(const QString &text, bool rich) override;
    void writeTextAndHtml(const QString &text, const QString &html) override;
    bool changedSinceLastRead() const override { return false; }

    bool pushesChanges() const override { return true; }
    void setWatching(bool watching, bool rich) override;
    void passOverCurrentContent() override { m_passOverCurrent = true; }
    void retry() override { m_connection.retry(); }
    void setKeeping(bool keeping) override;
    void setLargestText(qint64 bytes) override { m_connection.setLargestText(bytes); }
    void setWatchingSelection(bool watching) override { m_connection.setReadingSelection(watching); }
    void setIgnoredPrograms(const QStringList &programs) override { m_connection.setIgnoredPrograms(programs); }

private:
    void ownerGone(quint32 time);

    XcbClipboardConnection m_connection;
    // What the clipboard holds now, read or written, which the keeper serves again when its owner
    // goes. Not the watcher's last text seen: that one outlives a secret or a picture copied since.
    QString m_held;
    bool m_heldRich = false;
    QString m_heldHtml; // beside a plain text, when it came with it
    bool m_watching = false;
    bool m_passOverCurrent = false;
    bool m_keeping = true;
};
