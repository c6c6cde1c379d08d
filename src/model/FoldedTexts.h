// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/FindQuery.h"
#include "model/Numbers.h"

#include <QString>
#include <deque>

class ListItems;

// One list's texts and names as a find compares them (FindQuery::keptFold), so that each keystroke
// does not fold every text again. Most texts need no folded copy: they are folded a character at a
// time as they are compared. A copy is used only while its text still shares the data it was made
// from: any change to the text detaches it from the copy kept here.
//
// The copies lie in item order, where a find looks them up in one step; once items were deleted,
// the first look that meets another item's copy lays them out again by the items' ids.
class FoldedTexts {
public:
    struct Item {
        FoldedText text;
        FoldedText name;
    };
    // The item as a find compares it, folded now unless kept. Valid until the list's texts are
    // folded again.
    Item folded(ListItems &items, ItemNumber number);
    // Folds the item unless it is kept; whether it had to be.
    bool fold(ListItems &items, ItemNumber number);
    // After every item was looked at: the copies of deleted items go.
    void fit(ListItems &items);
    qsizetype count() const;
    // Bytes this keeps beside the texts: the folded copies and the slots that hold them.
    qsizetype bytes() const;

private:
    struct Copy {
        QString source;
        KeptFold folded;
        // The source is held here, so its characters are neither freed nor changed in place: the same
        // characters are the same text (also for literals, which share no data block).
        bool madeFrom(const QString &text) const
        {
            return source.constData() == text.constData() && source.size() == text.size();
        }
        FoldedText view() const { return FindQuery::folded(source, folded); }
    };
    struct Kept {
        quint64 id = 0; // none yet
        Copy text;
        Copy name;
    };
    Kept &kept(ListItems &items, ItemNumber number);
    void layOut(ListItems &items);

    // A deque: a full list drops its oldest items, whose copies go from the front in constant time.
    std::deque<Kept> m_slots;
};
