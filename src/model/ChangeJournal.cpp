// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/ChangeJournal.h"

#include "model/ClipItem.h"

#include <utility>

void ChangeJournal::setRecording(bool on)
{
    m_recording = on;
    if (!on)
        m_changes = Changes();
}

void ChangeJournal::itemWritten(quint32 list, const ClipItem &item, qint64 rowKey)
{
    Entry entry{Entry::Kind::ItemWritten, list, item.id, rowKey, item.text, item.name, item.program, item.html};
    // An item written again straight away (added, then named) is written once, as it ends up.
    if (m_recording && !m_changes.entries.empty()) {
        Entry &last = m_changes.entries.back();
        if (last.kind == Entry::Kind::ItemWritten && last.item == item.id) {
            last = std::move(entry);
            return;
        }
    }
    add(std::move(entry));
}

void ChangeJournal::rowKeyChanged(quint64 item, qint64 rowKey)
{
    add({Entry::Kind::RowKeyChanged, 0, item, rowKey, {}, {}});
}

void ChangeJournal::itemDropped(quint64 item)
{
    add({Entry::Kind::ItemDropped, 0, item, 0, {}, {}});
}

void ChangeJournal::listEmptied(quint32 list)
{
    add({Entry::Kind::ListEmptied, list, 0, 0, {}, {}});
}

void ChangeJournal::layoutChanged()
{
    if (!m_recording)
        return;
    noteAny();
    m_changes.layout = true;
}

ChangeJournal::Changes ChangeJournal::take()
{
    return std::exchange(m_changes, Changes());
}

void ChangeJournal::add(Entry &&entry)
{
    if (!m_recording)
        return;
    noteAny();
    m_changes.entries.push_back(std::move(entry));
}

void ChangeJournal::noteAny()
{
    if (m_changes.entries.empty() && !m_changes.layout)
        emit changesWaiting();
}
