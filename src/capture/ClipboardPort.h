#pragma once

#include <QString>

// The system clipboard as the watcher and the copy-back see it. Reads never fail loudly: whatever
// goes wrong reads as "". Content its owner marks as secret reads as no plain text at all.
class ClipboardPort {
public:
    virtual ~ClipboardPort() = default;

    // The clipboard offers plain text (and it is not marked secret).
    virtual bool hasPlainText() = 0;
    // The plain text, or the rich-text source when rich; "" when that format is not offered,
    // the content is secret or reading fails. The returned string may share its buffer with the
    // implementation's own copy, so keeping it costs no extra memory.
    virtual QString readText(bool rich) = 0;
    // Replaces the whole clipboard with the text in one format (plain, or rich text when rich).
    virtual void writeText(const QString &text, bool rich) = 0;
    // False only where the platform reliably reports changes and none was reported since the
    // last text read; true whenever the content may have changed.
    virtual bool changedSinceLastRead() const = 0;
};
