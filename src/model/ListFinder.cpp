// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/ListFinder.h"

#include "model/FindQuery.h"
#include "model/ListItems.h"

#include <future>
#include <system_error>
#include <thread>

QList<RowNumber> ListFinder::matchingRows(ListItems &items, const FindQuery &query)
{
    std::vector<RowNumber> rows;
    rows.reserve(size_t(items.rowCount()));
    for (RowNumber row{0}; row < items.rowCount(); ++row)
        rows.push_back(row);
    QList<RowNumber> found;
    addMatching(items, rows, query, found);
    return found;
}

bool ListFinder::matches(ListItems &items, RowNumber row, const FindQuery &query)
{
    const FoldedTexts::Item item = m_folded[&items].folded(items, items.itemOfRow(row));
    return query.matches(item.text, item.name);
}

void ListFinder::addMatching(ListItems &items, const std::vector<RowNumber> &rows, const FindQuery &query,
                             QList<RowNumber> &found)
{
    // Folded here, on this thread; compared on both. A text folded later keeps the earlier ones' views.
    FoldedTexts &folded = m_folded[&items];
    std::vector<FoldedTexts::Item> texts;
    texts.reserve(rows.size());
    for (RowNumber row : rows)
        texts.push_back(folded.folded(items, items.itemOfRow(row)));
    std::vector<char> matched(texts.size(), 0);
    const auto compare = [&](size_t from, size_t to) {
        for (size_t at = from; at < to; ++at)
            matched[at] = query.matches(texts[at].text, texts[at].name);
    };
    // Another thread pays for itself only over a few hundred texts.
    size_t half = texts.size();
    std::future<void> other;
    if (texts.size() >= 512 && std::thread::hardware_concurrency() > 1) {
        try {
            other = std::async(std::launch::async, compare, texts.size() / 2, texts.size());
            half = texts.size() / 2;
        } catch (const std::system_error &) {
        }
    }
    compare(0, half);
    if (other.valid())
        other.get();
    for (size_t at = 0; at < rows.size(); ++at) {
        if (matched[at])
            found.append(rows[at]);
    }
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
