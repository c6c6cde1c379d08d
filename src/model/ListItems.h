// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/ClipItem.h"
#include "model/ListOptions.h"
#include "model/Numbers.h"
#include "model/RestoringTexts.h"

#include <QAbstractListModel>
#include <QString>
#include <deque>
#include <memory>
#include <vector>

class ChangeJournal;
class ItemIds;
class ListRecord;
class TextWidth;

// The items of one list and the rows that show them, as a model the list boxes view. Items are
// stored in creation order (item numbers); the row map gives the item number shown in each row.
// Each row keeps the text it was given when it was made (a name, or the caption of the text as the
// list's options and the measuring font had it then), as the rows of a list box would.
//
// A row or item number outside its range changes nothing and logs a warning. Every change is
// announced with the model's own signals and noted in the journal for the history.
class ListItems : public QAbstractListModel {
    Q_OBJECT
public:
    enum Role { FullTextRole = Qt::UserRole, NameRole, ItemIdRole };
    // A row's tooltip names the program its text was copied from.
    static QString programTip(const QString &program);

    // The list's options decide where new rows go and how they read; ids come from ids; captions
    // in width mode are measured by meter.
    ListItems(const ListRecord &list, ChangeJournal &journal, ItemIds &ids, const TextWidth &meter);
    ~ListItems() override;

    qint16 count() const { return qint16(m_items.size()); }
    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    // Without the two virtual calls of the base's check: a view's layout asks for every row's index.
    QModelIndex index(int row, int column = 0, const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    // Both throw std::out_of_range outside their ranges.
    ClipItem &at(ItemNumber item);
    ItemNumber itemOfRow(RowNumber row) const;
    // The item's text, without waiting for the other texts still to come from the history.
    const QString &textOf(ItemNumber item) const;
    // Texts are still coming from the history: using the items now would wait for them.
    bool textsComing() const;

    // New item at the top or the bottom row by addAtBottom; returns its row (-1 when refused).
    // made: the new item's text and what came with it (its id is given here).
    RowNumber addItem(ClipItem made);
    RowNumber addItem(const QString &text) { return addItem(ClipItem{text}); }
    // New item inserted at row; row becomes the row it went in (one lower when the top row had to go
    // to make room).
    void insertItem(ClipItem made, RowNumber &row);
    void insertItem(const QString &text, RowNumber &row) { insertItem(ClipItem{text}, row); }
    // Inserts a row for item (in the store, or the one about to be appended) at row (-1 = bottom),
    // after dropping a row when makeRoom is set and the list is full; row becomes the row it went in.
    // The row reads as the caption of text. Returns whether the row was inserted.
    bool insertRow(const QString &text, RowNumber &row, ItemNumber item, bool makeRoom)
    {
        return placeRow(ClipItem{text}, row, item, makeRoom);
    }
    void nameItem(RowNumber row, const QString &name);
    void removeItemName(RowNumber row);
    void clearItems();
    void deleteItem(RowNumber row);
    // Shows the row's item again after its text or name changed.
    void refreshRow(RowNumber row, ItemNumber item);
    // Removes the row and its row-map entry; the item stays in the store.
    void removeRow(RowNumber row);
    // Deletes items beyond itemLimit as deleting the overflow row (the top one when addAtBottom, else the
    // bottom one) one at a time would, in one pass.
    void trimToLimit();
    // Rows brought back from the history and not read yet, or with all set, every row, read anew: a
    // name as it is, a text by its caption as the list's options and meter have it now (the list's
    // own meter when none is given; a given one must not change). Each row is captioned when first
    // read, so that showing a long list costs only the rows a view asks for.
    void captionRows(bool all, std::shared_ptr<const TextWidth> meter = nullptr);

    // Brings back items kept in the history, in item order, each with the key of its row (rows
    // go by their keys). Their rows read once captionRows is called. Texts still to come are
    // waited for one by one as rows read them, and all at once before anything else uses the items.
    void restore(std::deque<ClipItem> items, const std::vector<qint64> &rowKeys, TextsToCome toCome = {});
    // The key that keeps the row's place in the history; keys grow from the top row down.
    qint64 rowKey(RowNumber row) const { return m_rowKeys.at(size_t(row.value())); }

    // The row text of an item of this list: its name, or the caption of its text.
    QString rowText(const ClipItem &item) const;
    QString caption(const QString &text) const;

signals:
    // Rows were added, removed or replaced wholesale: a row number taken before may now point
    // at another item. (A row that only reads anew is dataChanged.)
    void rowsRearranged();

private:
    // insertRow, where an item appended is made.
    bool placeRow(ClipItem made, RowNumber &row, ItemNumber item, bool makeRoom);
    // The item with its text there, and every item with all: what is still to come is waited for.
    const ClipItem &ready(size_t item) const;
    void settleTexts();
    void makeRoomAt(RowNumber &position);
    // Returns the row it went in (row -1 is the bottom).
    size_t insertCaptionRow(const QString &caption, RowNumber row, ItemNumber item);
    void dropItem(ItemNumber item);
    void renumberRowsAfter(ItemNumber item);
    void replaceRow(const QString &text, RowNumber row);
    qint64 newRowKey(size_t row);
    void spreadRowKeys();
    void noteWritten(size_t row);
    const QString &shownText(size_t row) const;
    bool rowInRange(RowNumber row, const char *operation) const;

    const ListRecord &m_list;
    ChangeJournal &m_journal;
    ItemIds &m_ids;
    const TextWidth &m_meter;
    std::deque<ClipItem> m_items; // a deque: the oldest item, dropped most often, goes in constant time
    // Rows come and go mostly at the top and the bottom: deques take both in constant time.
    std::deque<ItemNumber> m_rows;
    // Beside each row: a key in the rows' order with gaps between, so that a new row gets a key
    // without moving the others' (see newRowKey).
    std::deque<qint64> m_rowKeys;
    // Null: not read yet, since the row came back from the history or all rows were read anew.
    mutable std::deque<QString> m_rowTexts;
    // What rows not read yet are captioned by when first read: the options and the meter as they
    // were when they were to be read. Unset until a restored list is first shown.
    struct CaptionSource {
        ListOptions options;
        std::shared_ptr<const TextWidth> meter;
    };
    std::unique_ptr<const CaptionSource> m_unreadSource;
    // Texts of restored items not waited for yet; nothing outside the model sees an item until
    // they are all there.
    mutable TextsToCome m_textsToCome;
    bool m_restoredUnread = false; // rows came back from the history and no source is set yet
};
