#pragma once

#include "model/ListOptions.h"

#include <memory>

class ItemControl;
class QKPRGrobal;

// One clip list with its options. The options are plain public fields; ListControl::lcMakeList
// gives them their initial values from the new-list defaults.
class ListOb : public ListOptions {
public:
    explicit ListOb(QKPRGrobal &grobal);
    ~ListOb();
    ListOb(const ListOb &) = delete;
    ListOb &operator=(const ListOb &) = delete;

    // The list's item manager, created on first use and released with the list.
    ItemControl &loItemControl();

private:
    QKPRGrobal &m_grobal;
    std::unique_ptr<ItemControl> m_items;
};
