// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/ListRecord.h"

#include "model/ListItems.h"

ListRecord::ListRecord(quint32 id, ChangeJournal &journal, ItemIds &ids, const TextWidth &meter)
    : m_id(id), m_items(std::make_unique<ListItems>(*this, journal, ids, meter))
{
}

ListRecord::~ListRecord() = default;
