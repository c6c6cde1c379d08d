// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/ClipItem.h"
#include "model/Numbers.h"

#include <QString>
#include <deque>
#include <vector>

class ClipListBox;
class ListRecord;
class ProgramState;

// The items of one list together with the rows of the pane that shows it. Items are stored in
// creation order (item numbers); the row map gives the item number shown in each row. Every
// change to the items is made together with the matching change to the list box.
//
// Operations that take a pane need the list to be shown there. A row or item number outside its
// range changes nothing and logs a warning, so store, row map and list box stay in step.
class ListItems {
public:
    ListItems(ProgramState &state, ListRecord &list);

    qint16 count() const { return qint16(m_items.size()); }
    qint16 rowCount() const { return qint16(m_rows.size()); }

    // Both throw std::out_of_range outside their ranges.
    ClipItem &at(ItemNumber item);
    ItemNumber itemOfRow(RowNumber row) const;

    // New item at the top or the bottom row by addAtBottom; returns its row (-1 when refused).
    RowNumber addItem(PaneNumber pane, const QString &text);
    // Appends a row showing the caption of the text; the items and the row map stay as they are.
    void appendCaptionRow(PaneNumber pane, ListNumber list, const QString &text);
    // New item inserted at row; row is lowered by one when the top row had to go to make room.
    void insertItem(PaneNumber pane, const QString &text, RowNumber &row);
    // Inserts a row for item (in the store, or the one about to be appended) at row (-1 = bottom),
    // after dropping a row when makeRoom is set and the list is full.
    // Returns whether the row was inserted.
    bool insertRow(PaneNumber pane, const QString &text, RowNumber &row, ItemNumber item, bool makeRoom);
    void nameItem(PaneNumber pane, RowNumber row, const QString &name);
    void removeItemName(PaneNumber pane, RowNumber row);
    void clearItems(PaneNumber pane);
    void deleteItem(PaneNumber pane, RowNumber row);
    // Shows the row's item again after its text or name changed.
    void refreshRow(PaneNumber pane, ListNumber list, RowNumber row, ItemNumber item);
    // Removes the row and its row-map entry; the item stays in the store.
    void removeRow(PaneNumber pane, RowNumber row);
    // Deletes items beyond itemLimit as deleting the overflow row (the top one when addAtBottom, else the
    // bottom one) one at a time would, in one pass. pane -1: the list is not shown.
    void trimToLimit(PaneNumber pane);

    // Brings back items kept in the history, in item order, each with the key of its row (rows
    // go by their keys). The list must not be shown yet.
    void restore(std::deque<ClipItem> items, const std::vector<qint64> &rowKeys);
    // The key that keeps the row's place in the history; keys grow from the top row down.
    qint64 rowKey(RowNumber row) const { return m_rowKeys.at(size_t(row.value())); }

    // The row text of an item of this list: its name, or the caption of its text.
    QString rowText(const ClipItem &item) const;
    QString caption(const QString &text) const;

private:
    QString captionFor(ListNumber list, const QString &text) const;
    void makeRoomAt(PaneNumber pane, RowNumber &position);
    // Returns the row it went in (row -1 is the bottom).
    size_t insertCaptionRow(PaneNumber pane, const QString &caption, RowNumber row, ItemNumber item);
    void dropItem(ItemNumber item);
    void renumberRowsAfter(ItemNumber item);
    void replaceRow(PaneNumber pane, const QString &text, RowNumber row);
    qint64 newRowKey(size_t row);
    void spreadRowKeys();
    void noteWritten(size_t row);
    bool rowInRange(RowNumber row, const char *operation) const;
    ClipListBox &box(PaneNumber pane) const;

    ProgramState &m_state;
    ListRecord &m_list;
    std::deque<ClipItem> m_items; // a deque: the oldest item, dropped most often, goes in constant time
    std::vector<ItemNumber> m_rows;
    // Beside each row: a key in the rows' order with gaps between, so that a new row gets a key
    // without moving the others' (see newRowKey).
    std::vector<qint64> m_rowKeys;
};
