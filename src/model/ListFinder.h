// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/FoldedTexts.h"
#include "model/Numbers.h"

#include <QList>
#include <unordered_map>

class FindQuery;
class ListItems;

// Finds the rows of a list whose item's text or name holds every word of a query. The folded
// texts are kept per list between finds and refreshed only for items that changed.
class ListFinder {
public:
    // Every matching row, in display order.
    QList<RowNumber> matchingRows(ListItems &items, const FindQuery &query);
    // Whether the item shown in the row matches.
    bool matches(ListItems &items, RowNumber row, const FindQuery &query);
    // Folds the texts of the item shown in the row ahead of a find.
    void fold(ListItems &items, RowNumber row);
    // After every row of the list was looked at: the folded copies of deleted texts go.
    void dropUnused(const ListItems &items);
    // The copies of lists deleted since go.
    void keepOnly(const QList<const ListItems *> &lists);

private:
    struct Folded {
        FoldedTexts texts;
        FoldedTexts names;
    };
    struct FoldedItem {
        QStringView text;
        QStringView name;
    };
    // The folded texts of the item shown in the row, made now if they are not kept yet.
    FoldedItem folded(ListItems &items, RowNumber row);

    std::unordered_map<const ListItems *, Folded> m_folded;
};
