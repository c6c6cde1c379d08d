// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/HistoryBatch.h"

#include <iterator>

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
