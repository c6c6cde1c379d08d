// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/FoldedTexts.h"

#include "model/FindQuery.h"

QStringView FoldedTexts::folded(qsizetype slot, const QString &text)
{
    if (text.isEmpty())
        return {};
    if (size_t(slot) < m_slots.size() && m_slots[size_t(slot)].source.isSharedWith(text))
        return m_slots[size_t(slot)].folded;
    Copy &found = m_byCharacters[text.constData()];
    if (!found.source.isSharedWith(text))
        found = Copy{text, FindQuery::fold(text)};
    if (size_t(slot) >= m_slots.size())
        m_slots.resize(size_t(slot) + 1);
    m_slots[size_t(slot)] = found;
    return m_slots[size_t(slot)].folded;
}

void FoldedTexts::trim(qsizetype count)
{
    if (size_t(count) < m_slots.size())
        m_slots.resize(size_t(count));
    // Copies of deleted or changed texts pile up in the lookup by characters: once they are as
    // many as the slots, it is made anew from the slots.
    if (m_byCharacters.size() <= qsizetype(m_slots.size()) * 2 + 64)
        return;
    m_byCharacters.clear();
    for (const Copy &copy : m_slots) {
        if (!copy.source.isEmpty())
            m_byCharacters.insert(copy.source.constData(), copy);
    }
}
