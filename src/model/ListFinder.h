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
    // Rows in display order. With within, only those rows are looked at (a query that narrows the
    // one that found them).
    QList<RowNumber> matchingRows(ListItems &items, const FindQuery &query, const QList<RowNumber> *within = nullptr);
    // Whether the item shown in row matches.
    bool rowMatches(ListItems &items, RowNumber row, const FindQuery &query);

private:
    std::unordered_map<const ListItems *, FoldedTexts> m_folded;
};
