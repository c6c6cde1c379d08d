// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/ListOptions.h"

#include <memory>

class ListItems;
class ProgramState;

// One clip list with its options. The options are plain public fields; ListCollection::makeList
// gives them their initial values from the new-list defaults.
class ListRecord : public ListOptions {
public:
    // The id stays the list's own while list numbers shift; the history store keys lists by it.
    ListRecord(ProgramState &state, quint32 id);
    ~ListRecord();
    ListRecord(const ListRecord &) = delete;
    ListRecord &operator=(const ListRecord &) = delete;

    // The list's item manager, created on first use and released with the list.
    ListItems &items();
    quint32 id() const { return m_id; }

private:
    ProgramState &m_state;
    quint32 m_id;
    std::unique_ptr<ListItems> m_items;
};
