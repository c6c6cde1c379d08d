// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QString>
#include <vector>

// Folded copies of texts (FindQuery::fold), so that each keystroke of a find does not fold every
// text again. A copy is used only while its text still shares the data it was made from: any
// change to the text detaches it from the copy kept here.
//
// Each text is asked for at a slot (its item's number), where its copy is found in one step; a
// text that moved to another slot (the items before it were deleted) is found by its characters.
class FoldedTexts {
public:
    // Valid while the slot is not asked for another text.
    QStringView folded(qsizetype slot, const QString &text);
    // After every slot was asked for: the slots from count on, and the copies no slot holds, go.
    void trim(qsizetype count);

private:
    struct Copy {
        QString source;
        QString folded;
    };
    std::vector<Copy> m_slots;
    QHash<const QChar *, Copy> m_byCharacters;
};
