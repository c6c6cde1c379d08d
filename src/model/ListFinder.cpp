// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/ListFinder.h"

#include "model/FindQuery.h"
#include "model/ListItems.h"

QList<RowNumber> ListFinder::matchingRows(ListItems &items, const FindQuery &query)
{
    QList<RowNumber> found;
    for (RowNumber row{0}; row < items.rowCount(); ++row) {
        if (matches(items, row, query))
            found.append(row);
    }
    dropUnused(items);
    return found;
}

bool ListFinder::matches(ListItems &items, RowNumber row, const FindQuery &query)
{
    const FoldedItem item = folded(items, row);
    return query.matches(item.text, item.name);
}

void ListFinder::fold(ListItems &items, RowNumber row)
{
    folded(items, row);
}

ListFinder::FoldedItem ListFinder::folded(ListItems &items, RowNumber row)
{
    Folded &folded = m_folded[&items];
    const ItemNumber number = items.itemOfRow(row);
    const ClipItem &item = items.at(number);
    const qint16 slot = number.value();
    return {folded.texts.folded(slot, item.text), folded.names.folded(slot, item.name)};
}

void ListFinder::dropUnused(const ListItems &items)
{
    Folded &folded = m_folded[&items];
    folded.texts.trim(items.count());
    folded.names.trim(items.count());
}

void ListFinder::keepOnly(const QList<const ListItems *> &lists)
{
    std::erase_if(m_folded, [&lists](const auto &folded) { return !lists.contains(folded.first); });
}
