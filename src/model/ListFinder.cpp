#include "model/ListFinder.h"

#include "model/FindQuery.h"
#include "model/ListItems.h"

namespace {
bool matchesItem(FoldedTexts &folded, const ClipItem &item, const FindQuery &query)
{
    return query.matches(folded.folded(item.text), folded.folded(item.name));
}
} // namespace

QList<RowNumber> ListFinder::matchingRows(ListItems &items, const FindQuery &query, const QList<RowNumber> *within)
{
    FoldedTexts &folded = m_folded[&items];
    QList<RowNumber> found;
    if (within) {
        for (RowNumber row : *within) {
            if (row < items.rowCount() && matchesItem(folded, items.at(items.itemOfRow(row)), query))
                found.append(row);
        }
        return found;
    }
    for (RowNumber row{0}; row < items.rowCount(); ++row) {
        if (matchesItem(folded, items.at(items.itemOfRow(row)), query))
            found.append(row);
    }
    // Every item was looked at: the copies of deleted or changed texts can go.
    folded.dropUnused();
    return found;
}

bool ListFinder::rowMatches(ListItems &items, RowNumber row, const FindQuery &query)
{
    return matchesItem(m_folded[&items], items.at(items.itemOfRow(row)), query);
}
