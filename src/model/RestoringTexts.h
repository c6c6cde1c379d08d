// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>
#include <memory>
#include <vector>

// Texts of items brought back from the history that are still being made ready (unpacked) off the
// window's thread, so that the window need not wait for all of them before it shows. Each is
// numbered; only the window's thread calls these.
class RestoringTexts {
public:
    virtual ~RestoringTexts() = default;
    // The text numbered `text` is in its item: made now on this thread, or waited for.
    virtual void waitFor(qint32 text) = 0;
    // Every text is in its item. False when some could not be made: those are left empty.
    virtual bool waitForAll() = 0;
    // Every text is in its item already: waiting for them all would not hold the thread up.
    virtual bool allThere() const = 0;
};

// A list's share of the texts still to come: beside each item, the number of its text, or -1 for
// a text that is there already.
struct TextsToCome {
    std::shared_ptr<RestoringTexts> texts;
    std::vector<qint32> ofItem;
};
