// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/ClipItem.h"
#include "model/ListOptions.h"

#include <deque>
#include <vector>

// The lists and panes as the history store kept them, for the start-up to bring back.
struct KeptHistory {
    struct List {
        quint32 id = 0;
        ListOptions options;
        std::deque<ClipItem> items; // in item order
        std::vector<qint64> rowKeys; // beside each item: its row's place
    };
    struct Pane {
        size_t list = 0; // index into lists
        float heightShare = 0;
    };
    std::vector<List> lists; // in list-number order
    std::vector<Pane> panes; // top to bottom
    size_t focusedPane = 0;  // index into panes
};
