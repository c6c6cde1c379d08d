// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/FoldedTexts.h"

#include "model/ListItems.h"

#include <QHash>
#include <algorithm>

namespace {
// How far past the last copy found the next item's copy is looked for, before all copies are
// looked up by id: deleted items leave gaps, mostly short ones.
constexpr size_t LookAhead = 64;
} // namespace

FoldedTexts::Kept &FoldedTexts::kept(ListItems &items, ItemNumber number)
{
    const size_t at = size_t(number.value());
    const ClipItem &item = items.at(number);
    if (at >= m_slots.size())
        m_slots.resize(size_t(items.count()));
    else if (m_slots[at].id != item.id && m_slots[at].id != 0)
        layOut(items);
    Kept &kept = m_slots[at];
    kept.id = item.id;
    if (!kept.text.madeFrom(item.text))
        kept.text = Copy{item.text, FindQuery::keptFold(item.text)};
    if (!kept.name.madeFrom(item.name))
        kept.name = Copy{item.name, FindQuery::keptFold(item.name)};
    return kept;
}

FoldedTexts::Item FoldedTexts::folded(ListItems &items, ItemNumber number)
{
    const Kept &item = kept(items, number);
    return {item.text.view(), item.name.view()};
}

bool FoldedTexts::fold(ListItems &items, ItemNumber number)
{
    const size_t at = size_t(number.value());
    const ClipItem &item = items.at(number);
    if (at < m_slots.size() && m_slots[at].id == item.id && m_slots[at].text.madeFrom(item.text)
        && m_slots[at].name.madeFrom(item.name))
        return false;
    kept(items, number);
    return true;
}

void FoldedTexts::fit(ListItems &items)
{
    if (m_slots.size() > size_t(items.count()))
        layOut(items);
}

void FoldedTexts::layOut(ListItems &items)
{
    // Most often the oldest items went, as a full list drops them: the copies after them move up.
    const quint64 first = items.count() > 0 ? items.at(ItemNumber(0)).id : 0;
    for (size_t dropped = 1; first != 0 && dropped < std::min(m_slots.size(), LookAhead); ++dropped) {
        if (m_slots[dropped].id == first) {
            m_slots.erase(m_slots.begin(), m_slots.begin() + qsizetype(dropped));
            m_slots.resize(std::max(m_slots.size(), size_t(items.count())));
            return;
        }
    }
    // Items keep their order when others are deleted, and new ones come after them: the copies are
    // walked along with the items.
    std::deque<Kept> laid(size_t(items.count()));
    QHash<quint64, size_t> byId;
    size_t from = 0;
    for (ItemNumber number{0}; number < items.count(); ++number) {
        const quint64 id = items.at(number).id;
        size_t found = m_slots.size();
        for (size_t look = from; look < std::min(m_slots.size(), from + LookAhead) && found == m_slots.size(); ++look) {
            if (m_slots[look].id == id)
                found = look;
        }
        if (found == m_slots.size()) {
            if (byId.isEmpty()) {
                for (size_t slot = 0; slot < m_slots.size(); ++slot)
                    byId.insert(m_slots[slot].id, slot);
            }
            found = byId.value(id, m_slots.size());
        }
        if (found < m_slots.size() && m_slots[found].id == id && id != 0) {
            laid[size_t(number.value())] = std::move(m_slots[found]);
            m_slots[found].id = 0;
            from = found + 1;
        }
    }
    m_slots = std::move(laid);
}

qsizetype FoldedTexts::count() const
{
    return std::count_if(m_slots.begin(), m_slots.end(), [](const Kept &kept) { return kept.id != 0; });
}

qsizetype FoldedTexts::bytes() const
{
    const auto copyBytes = [](const Copy &copy) {
        const QString &kept = copy.folded.characters;
        if (kept.isNull() || kept.isSharedWith(copy.source))
            return qsizetype(0);
        // The characters with their terminating null, after the string's header.
        return qsizetype(sizeof(QArrayData)) + (kept.capacity() + 1) * qsizetype(sizeof(QChar));
    };
    qsizetype total = qsizetype(m_slots.size() * sizeof(Kept));
    for (const Kept &kept : m_slots)
        total += copyBytes(kept.text) + copyBytes(kept.name);
    return total;
}
