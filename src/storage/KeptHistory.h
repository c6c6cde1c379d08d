// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/ClipItem.h"
#include "model/ListOptions.h"
#include "storage/PackedTexts.h"

#include <deque>
#include <memory>
#include <vector>

// The lists and panes as the history store kept them, for the start-up to bring back.
struct KeptHistory {
    struct List {
        quint32 id = 0;
        ListOptions options;
        std::deque<ClipItem> items; // in item order
        std::vector<qint64> rowKeys; // beside each item: its row's place
        std::vector<qint32> packedTexts; // beside each item: its text's number in texts, or -1 (empty when none is)
    };
    std::vector<List> lists; // in list-number order
    struct Pane {
        size_t list = 0; // index into lists
        float heightShare = 0;
    };
    std::vector<Pane> panes; // top to bottom
    size_t focusedPane = 0;  // index into panes
    // Texts still being unpacked into the lists' items, when read so. Gone before the lists: it
    // waits for its helpers.
    std::shared_ptr<PackedTexts> texts;

    // A list's texts still to come, for ListItems::restore.
    TextsToCome textsToCome(List &list) const
    {
        return !texts || list.packedTexts.empty() ? TextsToCome() : TextsToCome{texts, std::move(list.packedTexts)};
    }
};
