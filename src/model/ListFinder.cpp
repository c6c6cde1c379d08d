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
    FoldedTexts &folded = m_folded[&items];
    const ClipItem &item = items.at(items.itemOfRow(row));
    const QStringView text = folded.folded(item.text);
    // A name sharing the text's characters has the same fold; asking again could make it anew.
    const QStringView name = item.name.constData() == item.text.constData() ? text : folded.folded(item.name);
    return query.matches(text, name);
}

void ListFinder::dropUnused(const ListItems &items)
{
    m_folded[&items].dropUnused();
}
