#pragma once

#include "model/seams/ClipboardPort.h"
#include "platform/QtClipboard.h"
#include "platform/x11/XcbClipboardReader.h"

// The X11 clipboard: every change is read in the background by XcbClipboardReader, so no owner,
// however slow, holds up the window, and no copy is missed between ticks; writing goes through
// QClipboard. Reads return the last text that arrived, or that the program wrote itself.
class X11Clipboard : public ClipboardPort {
    Q_OBJECT
public:
    X11Clipboard();

    // False when the X server cannot report clipboard changes; use QtClipboard then.
    bool start();

    bool hasPlainText() override { return !m_last.isEmpty(); }
    QString readText(bool rich) override;
    void writeText(const QString &text, bool rich) override;
    bool changedSinceLastRead() const override { return false; }

    bool pushesChanges() const override { return true; }
    void setWatching(bool watching, bool rich) override;
    void retry() override { m_reader.retry(); }

private:
    QtClipboard m_writer;
    XcbClipboardReader m_reader;
    QString m_last;
    bool m_lastRich = false;
};
