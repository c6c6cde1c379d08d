#include "model/ListOb.h"

#include "model/ItemControl.h"

ListOb::ListOb(QKPRGrobal &grobal) : m_grobal(grobal) {}

ListOb::~ListOb() = default;

ItemControl &ListOb::loItemControl()
{
    if (!m_items)
        m_items = std::make_unique<ItemControl>(m_grobal, *this);
    return *m_items;
}
