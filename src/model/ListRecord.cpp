// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/ListRecord.h"

#include "model/ListItems.h"

ListRecord::ListRecord(ProgramState &state, quint32 id) : m_state(state), m_id(id) {}

ListRecord::~ListRecord() = default;

ListItems &ListRecord::items()
{
    if (!m_items)
        m_items = std::make_unique<ListItems>(m_state, *this);
    return *m_items;
}
