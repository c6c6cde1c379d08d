// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/HistoryBatch.h"

#include <algorithm>
#include <iterator>

HistoryBatch::Layout HistoryBatch::Layout::of(const KeptHistory &kept)
{
    Layout layout;
    for (const KeptHistory::List &list : kept.lists)
        layout.lists.push_back({list.id, list.options});
    for (const KeptHistory::Pane &pane : kept.panes)
        layout.panes.push_back({kept.lists[pane.list].id, pane.heightShare});
    layout.focusedPane = int(kept.focusedPane);
    return layout;
}

HistoryBatch HistoryBatch::everything(const KeptHistory &kept)
{
    HistoryBatch batch;
    batch.replaceAll = true;
    for (const KeptHistory::List &list : kept.lists) {
        for (size_t item = 0; item < list.items.size(); ++item)
            batch.entries.push_back({ChangeJournal::Entry::Kind::ItemWritten, list.id, list.items[item].id,
                                     list.rowKeys[item], list.items[item].text, list.items[item].name,
                                     list.items[item].program, list.items[item].html});
    }
    batch.sortWrittenItems();
    batch.layout = Layout::of(kept);
    return batch;
}

void HistoryBatch::sortWrittenItems()
{
    std::sort(entries.begin(), entries.end(), [](const ChangeJournal::Entry &a, const ChangeJournal::Entry &b) {
        return a.item < b.item;
    });
}

void HistoryBatch::append(HistoryBatch &&later)
{
    if (later.replaceAll) {
        replaceAll = true;
        entries.clear();
    }
    entries.insert(entries.end(), std::make_move_iterator(later.entries.begin()), std::make_move_iterator(later.entries.end()));
    if (later.layout)
        layout = std::move(later.layout);
}
