// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/HistoryBatch.h"

#include <iterator>

bool HistoryBatch::Layout::operator==(const Layout &other) const
{
    const auto sameList = [](const List &a, const List &b) { return a.id == b.id && a.options == b.options; };
    const auto samePane = [](const Pane &a, const Pane &b) { return a.list == b.list && a.heightShare == b.heightShare; };
    return focusedPane == other.focusedPane && std::equal(lists.begin(), lists.end(), other.lists.begin(), other.lists.end(), sameList)
           && std::equal(panes.begin(), panes.end(), other.panes.begin(), other.panes.end(), samePane);
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
