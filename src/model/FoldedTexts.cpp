#include "model/FoldedTexts.h"

#include "model/FindQuery.h"

#include <utility>

QStringView FoldedTexts::folded(const QString &text)
{
    if (text.isEmpty())
        return {};
    Entry &entry = m_entries[text.constData()];
    if (!entry.source.isSharedWith(text)) {
        entry.source = text;
        entry.folded = FindQuery::fold(text);
    }
    entry.used = true;
    return entry.folded;
}

void FoldedTexts::dropUnused()
{
    m_entries.removeIf([](QHash<const QChar *, Entry>::iterator entry) { return !std::exchange(entry->used, false); });
}
