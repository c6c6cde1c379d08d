// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QThread>
#include <memory>

class XcbSelectionWorker;

// The program's own connection to the X server for the clipboard (the CLIPBOARD selection, and the
// mouse selection, PRIMARY, when asked), run in a worker thread: it reads every new content, serves the program's own texts
// and, while keeping, is the clipboard manager. An owner or requester that answers slowly, never,
// or without end cannot stall the GUI.
//
// XFixes reports every change of owner; while reading is on, each new content is read once and
// its result arrives as one queued signal, in the order of the changes. A change that is followed
// by another before its read could begin is skipped: its owner can no longer be asked.
//
// A read asks for TARGETS, skips content that a password manager marked secret (SecretMarkers;
// a marker offered but not given counts), then reads the first text type offered and decodes it
// exactly as QtClipboard::readText does, plain text with the program's CR LF line breaks. Every
// answer must match its own request (property, target and time) and have a text type; a read
// gives up after 1 s without progress (0.1 s once its owner has been replaced) or above the
// largest text (setLargestText, 256 MiB unless set), and content too large is not read again.
//
// Content owned by one of this process's windows (the program's own copies, served by serve() or
// made through QClipboard) is not read and reports nothing: the program knows what it wrote.
// Needs a QGuiApplication on xcb; use it from the GUI thread. Calls before a successful start()
// do nothing.
class XcbClipboardConnection : public QObject {
    Q_OBJECT
public:
    explicit XcbClipboardConnection(QObject *parent = nullptr);
    ~XcbClipboardConnection() override;

    // Connects to the X server and starts following the clipboard, reading off. False when the
    // application is not on xcb or the server lacks XFixes: keep reading through QClipboard then.
    bool start();
    // Rich text (text/rtf, application/rtf, text/richtext; never plain) instead of plain text,
    // for reads that begin from now on.
    void setRichText(bool rich);
    // Off: nothing is read and a read under way is dropped without a signal. On: the current
    // content is read once, then every change. currentSeen: the current content's text comes with
    // textRead's seen set, as it is no new copy.
    void setReading(bool reading, bool currentSeen = false);
    // Reads the current content again (after readFailed, say). Ignored while a read is under way
    // or waiting; begins no sooner than 200 ms after the previous read ended.
    void retry();
    // Owns the clipboard with the text and serves it to every program that asks, from the
    // connection's thread. time: as of when (an ownerGone's time; 0: as it is handed over). An owner
    // that came later keeps the clipboard; of texts handed over in quick turn only the last is served.
    void serve(const QString &text, bool rich, quint32 time = 0, const QString &html = {});
    // The largest content in bytes that is read; a larger one fails (readFailed) and is not retried.
    void setLargestText(qint64 bytes);
    // Whether the text of an owner that goes is kept: then programs that exit may hand their
    // content over (CLIPBOARD_MANAGER), and are told it is kept.
    void setKeeping(bool keeping);
    // While reading, the mouse selection is read too: each new one once it has stayed the same for
    // a moment with no mouse button held, so a selection made word by word is read once, as it ends.
    // Never kept, and its failures and secrets report nothing.
    void setReadingSelection(bool reading);
    // Content whose owner's process or window class is one of these (case ignored) is skipped as
    // secret content is: it is never asked for.
    void setIgnoredPrograms(const QStringList &programs);

signals:
    // A content's text; "" when nobody owns the clipboard or it offers no text of the kind asked for.
    // seen: the content was there when reading was turned on with currentSeen. program: the
    // owner's (XcbOwnerProgram), "" when not known. mouseSelection: PRIMARY's text, never "".
    // html: the content as HTML too, when it offered that (plain text only); text is "" when it
    // offered HTML alone.
    void textRead(const QString &text, bool seen, const QString &program, bool mouseSelection, const QString &html);
    // The owner marked the content secret: it was not read.
    void secretSkipped();
    // The read failed: no answer in time, refused, not a text type or too large. Nothing more
    // comes for this content unless retry() is called (and not even then when it was too large).
    void readFailed();
    // Nobody owns the clipboard any more: its owner exited, closed its window or let go.
    void ownerGone(quint32 time);

private:
    QThread m_thread;
    std::unique_ptr<XcbSelectionWorker> m_worker;
};
