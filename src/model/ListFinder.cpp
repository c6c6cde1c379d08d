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
    return found;
}

bool ListFinder::matches(ListItems &items, RowNumber row, const FindQuery &query)
{
    const FoldedTexts::Item item = m_folded[&items].folded(items, items.itemOfRow(row));
    return query.matches(item.text, item.name);
}

void ListFinder::keepOnly(const QList<const ListItems *> &lists)
{
    std::erase_if(m_folded, [&lists](const auto &folded) { return !lists.contains(folded.first); });
}

qsizetype ListFinder::keptCount() const
{
    qsizetype count = 0;
    for (const auto &[items, folded] : m_folded)
        count += folded.count();
    return count;
}

qsizetype ListFinder::bytes() const
{
    qsizetype total = FindQuery::characterFoldsBytes();
    for (const auto &[items, folded] : m_folded)
        total += folded.bytes() + qsizetype(sizeof(items) + sizeof(folded));
    return total;
}
