// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

// Where a new content came from.
struct CopySource {
    QString program;             // the program that copied it, "" when not known
    bool mouseSelection = false; // selected with the mouse (X11's PRIMARY), not copied
};

// The system clipboard as the watcher and the copy-back see it. Reads never fail loudly: whatever
// goes wrong reads as "". Content its owner marks as secret reads as no plain text at all.
//
// A clipboard either is asked on the watcher's ticks, or (pushesChanges) reads every new content
// itself, in the background, and offers each one's text as it arrives.
class ClipboardPort : public QObject {
    Q_OBJECT
public:
    ~ClipboardPort() override = default;

    // The clipboard offers plain text (and it is not marked secret).
    virtual bool hasPlainText() = 0;
    // The plain text, or the rich-text source when rich; "" when that format is not offered,
    // the content is secret or reading fails. The returned string may share its buffer with the
    // implementation's own copy, so keeping it costs no extra memory.
    virtual QString readText(bool rich) = 0;
    // Replaces the whole clipboard with the text in one format (plain, or rich text when rich).
    virtual void writeText(const QString &text, bool rich) = 0;
    // The HTML offered with the plain text (readText(false)); "" when none.
    virtual QString readHtml() { return {}; }
    // Replaces the whole clipboard with the plain text and the same content as HTML.
    virtual void writeTextAndHtml(const QString &text, const QString & /*html*/) { writeText(text, false); }
    // False only where the platform reliably reports changes and none was reported since the
    // last text read; true whenever the content may have changed.
    virtual bool changedSinceLastRead() const = 0;

    // Every new content arrives as textOffered, so ticks need not read.
    virtual bool pushesChanges() const { return false; }
    // Whether new contents are read at all, and as rich text or plain.
    virtual void setWatching(bool /*watching*/, bool /*rich*/) {}
    // The content on the clipboard when watching is next turned on is not new text: its text
    // arrives as textSeen instead of textOffered.
    virtual void passOverCurrentContent() {}
    // Reads the current content again after readFailed.
    virtual void retry() {}
    // When the content's owner goes and nobody else takes the clipboard, take it with the last
    // text read or written, unless watching is off. Only where the platform tells of it.
    virtual void setKeeping(bool /*keeping*/) {}
    // Content larger than this many bytes is neither captured nor kept. Only where the program
    // reads the clipboard itself.
    virtual void setLargestText(qint64 /*bytes*/) {}
    // Texts selected with the mouse are offered too (mouseSelection). Only where the platform has them.
    virtual void setWatchingSelection(bool /*watching*/) {}
    // Copies from these programs are not read, as secret content is not. Only where the platform
    // tells who copied.
    virtual void setIgnoredPrograms(const QStringList & /*programs*/) {}

signals:
    // A new content's text ("" when it offers none of the kind asked for), and its HTML when it
    // offered that too (plain text only).
    void textOffered(const QString &text, const CopySource &source = {}, const QString &html = {});
    // The text of a content passed over: seen, not new.
    void textSeen(const QString &text);
    // A new content could not be read (its owner did not answer in time, say).
    void readFailed();
};
