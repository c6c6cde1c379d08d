// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/ListOptions.h"

#include <memory>

class ChangeJournal;
class ItemIds;
class ListItems;
class TextWidth;

// One clip list with its options. The options are plain public fields; ListCollection::makeList
// gives them their initial values from the new-list defaults.
class ListRecord : public ListOptions {
public:
    // The id stays the list's own while list numbers shift; the history store keys lists by it.
    // The items note their changes in journal, take their ids from ids and measure captions with meter.
    ListRecord(quint32 id, ChangeJournal &journal, ItemIds &ids, const TextWidth &meter);
    ~ListRecord();
    ListRecord(const ListRecord &) = delete;
    ListRecord &operator=(const ListRecord &) = delete;

    // The list's items: the model its pane's list box shows.
    ListItems &items() { return *m_items; }
    const ListItems &items() const { return *m_items; }
    quint32 id() const { return m_id; }

private:
    quint32 m_id;
    std::unique_ptr<ListItems> m_items;
};
