#include "model/ListRecord.h"

#include "model/ListItems.h"

ListRecord::ListRecord(ProgramState &state) : m_state(state) {}

ListRecord::~ListRecord() = default;

ListItems &ListRecord::items()
{
    if (!m_items)
        m_items = std::make_unique<ListItems>(m_state, *this);
    return *m_items;
}
