#include "model/ClipList.h"

#include "model/ListItems.h"

ClipList::ClipList(ProgramState &state) : m_state(state) {}

ClipList::~ClipList() = default;

ListItems &ClipList::items()
{
    if (!m_items)
        m_items = std::make_unique<ListItems>(m_state, *this);
    return *m_items;
}
