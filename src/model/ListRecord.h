#pragma once

#include "model/ListOptions.h"

#include <memory>

class ListItems;
class ProgramState;

// One clip list with its options. The options are plain public fields; ListCollection::makeList
// gives them their initial values from the new-list defaults.
class ListRecord : public ListOptions {
public:
    explicit ListRecord(ProgramState &state);
    ~ListRecord();
    ListRecord(const ListRecord &) = delete;
    ListRecord &operator=(const ListRecord &) = delete;

    // The list's item manager, created on first use and released with the list.
    ListItems &items();

private:
    ProgramState &m_state;
    std::unique_ptr<ListItems> m_items;
};
