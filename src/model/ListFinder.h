// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/FoldedTexts.h"
#include "model/Numbers.h"

#include <QList>
#include <unordered_map>
#include <vector>

class FindQuery;
class ListItems;

// Finds the rows of a list whose item's text or name holds every word of a query. The folded
// texts are kept per list between finds (FindFolding makes them ahead) and refreshed only for
// items that changed.
class ListFinder {
public:
    // Every matching row, in display order.
    QList<RowNumber> matchingRows(ListItems &items, const FindQuery &query);
    // Whether the item shown in the row matches.
    bool matches(ListItems &items, RowNumber row, const FindQuery &query);
    // The rows of `rows` that match, in their order, appended to found. The texts are compared on
    // two cores where there are: a long list's texts take longer to read through than to fold.
    void addMatching(ListItems &items, const std::vector<RowNumber> &rows, const FindQuery &query,
                     QList<RowNumber> &found);
    // Folds the item ahead of a find; whether it had to be.
    bool fold(ListItems &items, ItemNumber item) { return m_folded[&items].fold(items, item); }
    // After every item of the list was looked at: the folded copies of deleted items go.
    void fit(ListItems &items) { m_folded[&items].fit(items); }
    // The copies of lists deleted since go.
    void keepOnly(const QList<const ListItems *> &lists);
    // Items whose folded texts are kept.
    qsizetype keptCount() const;
    // Bytes kept beside the texts themselves (FoldedTexts::bytes, and the table of single
    // characters' folds).
    qsizetype bytes() const;

private:
    std::unordered_map<const ListItems *, FoldedTexts> m_folded;
};
