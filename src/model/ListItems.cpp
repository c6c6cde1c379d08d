// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/ListItems.h"

#include "model/CaptionBuilder.h"
#include "model/ChangeJournal.h"
#include "model/ProgramTexts.h"
#include "model/seams/ClipListBox.h"
#include "model/ListCollection.h"
#include "model/ListDisplay.h"
#include "model/ListRecord.h"
#include "model/ModelTypes.h"
#include "model/seams/PaneHost.h"
#include "model/ProgramState.h"

#include <QDebug>
#include <algorithm>
#include <limits>
#include <stdexcept>

namespace {
// Room for 2^31 rows added at the top or the bottom, and 32 halvings between two rows, before
// the keys are spread again.
constexpr qint64 RowKeyGap = qint64(1) << 32;
} // namespace

ListItems::ListItems(ProgramState &state, ListRecord &list) : m_state(state), m_list(list) {}

ClipItem &ListItems::at(ItemNumber item)
{
    if (item < 0 || item >= count())
        throw std::out_of_range("item number out of range");
    return m_items[size_t(item.value())];
}

ItemNumber ListItems::itemOfRow(RowNumber row) const
{
    if (row < 0 || row >= rowCount())
        throw std::out_of_range("row out of range");
    return m_rows[size_t(row.value())];
}

ClipListBox &ListItems::box(PaneNumber pane) const
{
    return m_state.display().box(pane);
}

bool ListItems::rowInRange(RowNumber row, const char *operation) const
{
    if (row >= 0 && row < rowCount())
        return true;
    qWarning("%s: row %d is outside 0..%d; nothing changed", operation, int(row.value()), int(rowCount()) - 1);
    return false;
}

QString ListItems::caption(const QString &text) const
{
    return CaptionBuilder(ProgramTexts::lineBreak(), m_state.display().host()).caption(m_list, text);
}

QString ListItems::captionFor(ListNumber list, const QString &text) const
{
    const ListRecord &options = m_state.lists().at(list);
    return CaptionBuilder(ProgramTexts::lineBreak(), m_state.display().host()).caption(options, text);
}

QString ListItems::rowText(const ClipItem &item) const
{
    return item.name.isEmpty() ? caption(item.text) : item.name;
}

RowNumber ListItems::addItem(PaneNumber pane, const QString &text)
{
    RowNumber row(m_list.addAtBottom ? -1 : 0);
    if (!insertRow(pane, text, row, ItemNumber(count()), true))
        return RowNumber(-1);
    return RowNumber(box(pane).newIndex());
}

void ListItems::appendCaptionRow(PaneNumber pane, ListNumber list, const QString &text)
{
    box(pane).addItem(captionFor(list, text));
}

void ListItems::insertItem(PaneNumber pane, const QString &text, RowNumber &row)
{
    insertRow(pane, text, row, ItemNumber(count()), true);
}

bool ListItems::insertRow(PaneNumber pane, const QString &text, RowNumber &row, ItemNumber item, bool makeRoom)
{
    if (row < -1 || row > rowCount()) {
        qWarning("insertRow: row %d is outside -1..%d; nothing changed", int(row.value()), int(rowCount()));
        return false;
    }
    // The number of an item about to be appended is only known once room has been made.
    const bool appending = item == count();
    if (makeRoom)
        makeRoomAt(pane, row);
    if (appending) {
        if (count() >= MaxCount) {
            qWarning("insertRow: the list holds 32767 items; nothing added");
            return false;
        }
        m_items.push_back(ClipItem{text, QString(), m_state.lists().newItemId()});
        item = ItemNumber(count() - 1);
    } else if (item < 0 || item >= count()) {
        qWarning("insertRow: item %d is outside 0..%d; nothing changed", int(item.value()), int(count()) - 1);
        return false;
    }
    // Room made above the row may have moved the bottom above it.
    row = std::min(row, RowNumber(rowCount()));
    const size_t inserted = insertCaptionRow(pane, caption(text), row, item);
    // An item moved within the list keeps its text: only its row's key is new.
    if (appending)
        noteWritten(inserted);
    else
        m_state.journal().rowKeyChanged(m_items[size_t(item.value())].id, m_rowKeys[inserted]);
    return true;
}

void ListItems::makeRoomAt(PaneNumber pane, RowNumber &position)
{
    if (count() < m_list.itemLimit || count() < 1)
        return;
    if (m_list.addAtBottom) {
        deleteItem(pane, RowNumber(0));
        // -1 stands for the bottom and stays so.
        if (position != -1)
            position = position <= 0 ? RowNumber(0) : position - 1;
    } else {
        deleteItem(pane, RowNumber(rowCount() - 1));
    }
}

size_t ListItems::insertCaptionRow(PaneNumber pane, const QString &caption, RowNumber row, ItemNumber item)
{
    // The row map first, so that it and the list box never disagree on the number of rows.
    const bool atEnd = row == -1;
    if (atEnd)
        row = RowNumber(rowCount());
    const qint64 key = newRowKey(size_t(row.value()));
    m_rows.insert(m_rows.begin() + row.value(), item);
    m_rowKeys.insert(m_rowKeys.begin() + row.value(), key);
    if (atEnd)
        box(pane).addItem(caption);
    else
        box(pane).addItem(caption, row.value());
    return size_t(row.value());
}

qint64 ListItems::newRowKey(size_t row)
{
    constexpr qint64 Lowest = std::numeric_limits<qint64>::min() / 2;
    constexpr qint64 Highest = std::numeric_limits<qint64>::max() / 2;
    if (m_rowKeys.empty())
        return 0;
    if (row == 0 && m_rowKeys.front() > Lowest)
        return m_rowKeys.front() - RowKeyGap;
    if (row == m_rowKeys.size() && m_rowKeys.back() < Highest)
        return m_rowKeys.back() + RowKeyGap;
    if (row > 0 && row < m_rowKeys.size() && m_rowKeys[row] - m_rowKeys[row - 1] >= 2)
        return m_rowKeys[row - 1] + (m_rowKeys[row] - m_rowKeys[row - 1]) / 2;
    spreadRowKeys();
    return newRowKey(row);
}

void ListItems::spreadRowKeys()
{
    ChangeJournal &journal = m_state.journal();
    for (size_t row = 0; row < m_rowKeys.size(); ++row) {
        m_rowKeys[row] = qint64(row) * RowKeyGap;
        journal.rowKeyChanged(m_items[size_t(m_rows[row].value())].id, m_rowKeys[row]);
    }
}

void ListItems::noteWritten(size_t row)
{
    m_state.journal().itemWritten(m_list.id(), m_items[size_t(m_rows[row].value())], m_rowKeys[row]);
}

void ListItems::restore(std::deque<ClipItem> items, const std::vector<qint64> &rowKeys)
{
    m_items = std::move(items);
    m_rows.resize(m_items.size());
    for (size_t item = 0; item < m_items.size(); ++item) {
        m_rows[item] = ItemNumber(qint16(item));
        m_state.lists().takeItemId(m_items[item].id);
    }
    std::stable_sort(m_rows.begin(), m_rows.end(),
                     [&](ItemNumber a, ItemNumber b) { return rowKeys[size_t(a.value())] < rowKeys[size_t(b.value())]; });
    m_rowKeys.resize(m_rows.size());
    for (size_t row = 0; row < m_rows.size(); ++row)
        m_rowKeys[row] = rowKeys[size_t(m_rows[row].value())];
}

void ListItems::nameItem(PaneNumber pane, RowNumber row, const QString &name)
{
    if (!rowInRange(row, "nameItem"))
        return;
    m_items[size_t(m_rows[size_t(row.value())].value())].name = name;
    replaceRow(pane, name, row);
}

void ListItems::removeItemName(PaneNumber pane, RowNumber row)
{
    if (!rowInRange(row, "removeItemName"))
        return;
    ClipItem &item = m_items[size_t(m_rows[size_t(row.value())].value())];
    item.name.clear();
    replaceRow(pane, caption(item.text), row);
}

void ListItems::clearItems(PaneNumber pane)
{
    box(pane).clear();
    m_items.clear();
    m_rows.clear();
    m_rowKeys.clear();
    m_state.journal().listEmptied(m_list.id());
}

void ListItems::deleteItem(PaneNumber pane, RowNumber row)
{
    if (count() < 1)
        return;
    if (!rowInRange(row, "deleteItem"))
        return;
    const ItemNumber item = m_rows[size_t(row.value())];
    dropItem(item);
    renumberRowsAfter(item);
    removeRow(pane, row);
}

void ListItems::refreshRow(PaneNumber pane, ListNumber list, RowNumber row, ItemNumber item)
{
    if (row < 0)
        return;
    if (!rowInRange(row, "refreshRow") || item < 0 || item >= count()) {
        qWarning("refreshRow: item %d is outside 0..%d; nothing changed", int(item.value()), int(count()) - 1);
        return;
    }
    const ClipItem &shown = m_items[size_t(item.value())];
    replaceRow(pane, shown.name.isEmpty() ? captionFor(list, shown.text) : shown.name, row);
}

void ListItems::removeRow(PaneNumber pane, RowNumber row)
{
    if (!rowInRange(row, "removeRow"))
        return;
    box(pane).removeItem(row.value());
    m_rows.erase(m_rows.begin() + row.value());
    m_rowKeys.erase(m_rowKeys.begin() + row.value());
}

void ListItems::trimToLimit(PaneNumber pane)
{
    const int excess = std::min<int>(count() - m_list.itemLimit, rowCount());
    if (excess <= 0)
        return;
    // Deleting the overflow row again and again takes a block of rows at that end.
    const auto first = m_list.addAtBottom ? m_rows.begin() : m_rows.end() - excess;
    std::vector<bool> dropped(m_items.size(), false);
    for (auto row = first; row != first + excess; ++row) {
        dropped[size_t(row->value())] = true;
        m_state.journal().itemDropped(m_items[size_t(row->value())].id);
    }
    const auto firstKey = m_rowKeys.begin() + (first - m_rows.begin());
    m_rowKeys.erase(firstKey, firstKey + excess);
    m_rows.erase(first, first + excess);

    // Each item number moves down by the number of dropped items below it.
    std::vector<ItemNumber> renumbered(m_items.size(), ItemNumber(-1));
    std::deque<ClipItem> kept;
    for (size_t item = 0; item < m_items.size(); ++item) {
        if (dropped[item])
            continue;
        renumbered[item] = ItemNumber(kept.size());
        kept.push_back(std::move(m_items[item]));
    }
    m_items = std::move(kept);
    for (ItemNumber &shown : m_rows)
        shown = renumbered[size_t(shown.value())];

    if (pane < 0)
        return;
    ClipListBox &listBox = box(pane);
    for (int left = excess; left > 0; --left)
        listBox.removeItem(m_list.addAtBottom ? 0 : listBox.listCount() - 1);
}

void ListItems::dropItem(ItemNumber item)
{
    m_state.journal().itemDropped(m_items[size_t(item.value())].id);
    m_items.erase(m_items.begin() + item.value());
}

void ListItems::renumberRowsAfter(ItemNumber item)
{
    for (ItemNumber &shown : m_rows) {
        if (shown > item)
            --shown;
    }
}

void ListItems::replaceRow(PaneNumber pane, const QString &text, RowNumber row)
{
    ClipListBox &listBox = box(pane);
    listBox.removeItem(row.value());
    listBox.addItem(text, row.value());
    noteWritten(size_t(row.value()));
}
