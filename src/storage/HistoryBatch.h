// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/ChangeJournal.h"
#include "model/ListOptions.h"
#include "storage/KeptHistory.h"

#include <optional>
#include <vector>

// One round of changes for the history database, handed from the window's thread to the writer.
struct HistoryBatch {
    struct Layout {
        struct List {
            quint32 id = 0;
            ListOptions options;
            bool operator==(const List &) const = default;
        };
        struct Pane {
            quint32 list = 0;
            float heightShare = 0;
            bool operator==(const Pane &) const = default;
        };
        std::vector<List> lists; // in list-number order
        std::vector<Pane> panes; // top to bottom
        int focusedPane = 0;
        bool operator==(const Layout &) const = default;

        // The layout as the database holds it.
        static Layout of(const KeptHistory &kept);
    };
    // Every item is written anew: the old ones go first.
    bool replaceAll = false;
    std::vector<ChangeJournal::Entry> entries;
    // For a batch of written items only: puts them in the order of their ids, so that each goes in
    // at the table's end and fills its page (in any other order pages split and stay half full).
    void sortWrittenItems();
    std::optional<Layout> layout;

    bool empty() const { return !replaceAll && entries.empty() && !layout; }
    // Everything kept, to be written anew.
    static HistoryBatch everything(const KeptHistory &kept);
    // Appends a later batch, so that both go in one transaction.
    void append(HistoryBatch &&later);
};
