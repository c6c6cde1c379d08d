// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/ListItems.h"

#include "model/CaptionBuilder.h"
#include "model/ChangeJournal.h"
#include "model/ItemIds.h"
#include "model/ListRecord.h"
#include "model/ProgramTexts.h"

#include <QDebug>
#include <algorithm>
#include <limits>
#include <stdexcept>

namespace {
// Room for 2^31 rows added at the top or the bottom, and 32 halvings between two rows, before
// the keys are spread again.
constexpr qint64 RowKeyGap = qint64(1) << 32;
} // namespace

ListItems::ListItems(const ListRecord &list, ChangeJournal &journal, ItemIds &ids, const TextWidth &meter)
    : m_list(list), m_journal(journal), m_ids(ids), m_meter(meter)
{
    const auto rearranged = [this] { emit rowsRearranged(); };
    connect(this, &QAbstractItemModel::rowsInserted, this, rearranged);
    connect(this, &QAbstractItemModel::rowsRemoved, this, rearranged);
    connect(this, &QAbstractItemModel::rowsMoved, this, rearranged);
    connect(this, &QAbstractItemModel::modelReset, this, rearranged);
}

ListItems::~ListItems()
{
    // The helpers unpacking texts write into the items.
    settleTexts();
}

const ClipItem &ListItems::ready(size_t item) const
{
    if (m_textsToCome.texts && item < m_textsToCome.ofItem.size() && m_textsToCome.ofItem[item] >= 0) {
        m_textsToCome.texts->waitFor(m_textsToCome.ofItem[item]);
        m_textsToCome.ofItem[item] = -1;
    }
    return m_items[item];
}

void ListItems::settleTexts()
{
    if (!m_textsToCome.texts)
        return;
    // A damaged text is left empty; the history store tells of it.
    m_textsToCome.texts->waitForAll();
    m_textsToCome = {};
}

bool ListItems::textsComing() const
{
    return m_textsToCome.texts && !m_textsToCome.texts->allThere();
}

const QString &ListItems::textOf(ItemNumber item) const
{
    if (item < 0 || item >= count())
        throw std::out_of_range("item number out of range");
    return ready(size_t(item.value())).text;
}

int ListItems::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

QModelIndex ListItems::index(int row, int column, const QModelIndex &parent) const
{
    if (row < 0 || size_t(row) >= m_rows.size() || column != 0 || parent.isValid())
        return {};
    return createIndex(row, column);
}

QVariant ListItems::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const size_t row = size_t(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return shownText(row);
    case FullTextRole:
        return ready(size_t(m_rows[row].value())).text;
    case NameRole:
        return m_items[size_t(m_rows[row].value())].name;
    case ItemIdRole:
        return m_items[size_t(m_rows[row].value())].id;
    case Qt::ToolTipRole:
        return programTip(m_items[size_t(m_rows[row].value())].program);
    default:
        return {};
    }
}

QString ListItems::programTip(const QString &program)
{
    return program.isEmpty() ? QString() : QStringLiteral("ｺﾋﾟｰ元: ") + program;
}

const QString &ListItems::shownText(size_t row) const
{
    QString &text = m_rowTexts[row];
    if (text.isNull() && m_unreadSource) {
        const ClipItem &item = m_items[size_t(m_rows[row].value())];
        text = item.name.isEmpty()
                   ? CaptionBuilder(ProgramTexts::lineBreak(), *m_unreadSource->meter)
                         .caption(m_unreadSource->options, ready(size_t(m_rows[row].value())).text)
                   : item.name;
        // An empty caption is read too: it must not be taken for one still to read.
        if (text.isNull())
            text = QStringLiteral("");
    }
    return text;
}

ClipItem &ListItems::at(ItemNumber item)
{
    if (item < 0 || item >= count())
        throw std::out_of_range("item number out of range");
    settleTexts();
    return m_items[size_t(item.value())];
}

ItemNumber ListItems::itemOfRow(RowNumber row) const
{
    if (row < 0 || row >= rowCount())
        throw std::out_of_range("row out of range");
    return m_rows[size_t(row.value())];
}

bool ListItems::rowInRange(RowNumber row, const char *operation) const
{
    if (row >= 0 && row < rowCount())
        return true;
    qWarning("%s: row %d is outside 0..%d; nothing changed", operation, int(row.value()), rowCount() - 1);
    return false;
}

QString ListItems::caption(const QString &text) const
{
    return CaptionBuilder(ProgramTexts::lineBreak(), m_meter).caption(m_list, text);
}

QString ListItems::rowText(const ClipItem &item) const
{
    return item.name.isEmpty() ? caption(item.text) : item.name;
}

RowNumber ListItems::addItem(ClipItem made)
{
    RowNumber row(m_list.addAtBottom ? -1 : 0);
    if (!placeRow(std::move(made), row, ItemNumber(count()), true))
        return RowNumber(-1);
    return row;
}

void ListItems::insertItem(ClipItem made, RowNumber &row)
{
    placeRow(std::move(made), row, ItemNumber(count()), true);
}

bool ListItems::placeRow(ClipItem made, RowNumber &row, ItemNumber item, bool makeRoom)
{
    if (row < -1 || row > rowCount()) {
        qWarning("insertRow: row %d is outside -1..%d; nothing changed", int(row.value()), rowCount());
        return false;
    }
    settleTexts();
    // The number of an item about to be appended is only known once room has been made.
    const bool appending = item == count();
    if (makeRoom)
        makeRoomAt(row);
    if (appending) {
        if (count() >= MaxCount) {
            qWarning("insertRow: the list holds 32767 items; nothing added");
            return false;
        }
        made.id = m_ids.next();
        m_items.push_back(std::move(made));
        item = ItemNumber(count() - 1);
    } else if (item < 0 || item >= count()) {
        qWarning("insertRow: item %d is outside 0..%d; nothing changed", int(item.value()), int(count()) - 1);
        return false;
    }
    // Room made above the row may have moved the bottom above it.
    const QString &captioned = appending ? m_items.back().text : made.text;
    const size_t inserted = insertCaptionRow(caption(captioned), std::min(row, RowNumber(rowCount())), item);
    // The caller learns where the row went: -1 (the bottom) becomes its number.
    row = RowNumber(qint16(inserted));
    // An item moved within the list keeps its text: only its row's key is new.
    if (appending)
        noteWritten(inserted);
    else
        m_journal.rowKeyChanged(m_items[size_t(item.value())].id, m_rowKeys[inserted]);
    return true;
}

void ListItems::makeRoomAt(RowNumber &position)
{
    if (count() < m_list.itemLimit || count() < 1)
        return;
    if (m_list.addAtBottom) {
        deleteItem(RowNumber(0));
        // -1 stands for the bottom and stays so.
        if (position != -1)
            position = position <= 0 ? RowNumber(0) : position - 1;
    } else {
        deleteItem(RowNumber(rowCount() - 1));
    }
}

size_t ListItems::insertCaptionRow(const QString &caption, RowNumber row, ItemNumber item)
{
    if (row == -1)
        row = RowNumber(rowCount());
    const size_t at = size_t(row.value());
    const qint64 key = newRowKey(at);
    beginInsertRows(QModelIndex(), row.value(), row.value());
    m_rows.insert(m_rows.begin() + row.value(), item);
    m_rowKeys.insert(m_rowKeys.begin() + row.value(), key);
    m_rowTexts.insert(m_rowTexts.begin() + row.value(), caption);
    endInsertRows();
    return at;
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
    for (size_t row = 0; row < m_rowKeys.size(); ++row) {
        m_rowKeys[row] = qint64(row) * RowKeyGap;
        m_journal.rowKeyChanged(m_items[size_t(m_rows[row].value())].id, m_rowKeys[row]);
    }
}

void ListItems::noteWritten(size_t row)
{
    m_journal.itemWritten(m_list.id(), m_items[size_t(m_rows[row].value())], m_rowKeys[row]);
}

void ListItems::restore(std::deque<ClipItem> items, const std::vector<qint64> &rowKeys, TextsToCome toCome)
{
    beginResetModel();
    settleTexts();
    // Moving a deque leaves its elements where they are, for the texts still to come.
    m_items = std::move(items);
    m_textsToCome = std::move(toCome);
    m_rows.resize(m_items.size());
    for (size_t item = 0; item < m_items.size(); ++item) {
        m_rows[item] = ItemNumber(qint16(item));
        m_ids.take(m_items[item].id);
    }
    std::stable_sort(m_rows.begin(), m_rows.end(),
                     [&](ItemNumber a, ItemNumber b) { return rowKeys[size_t(a.value())] < rowKeys[size_t(b.value())]; });
    m_rowKeys.resize(m_rows.size());
    for (size_t row = 0; row < m_rows.size(); ++row)
        m_rowKeys[row] = rowKeys[size_t(m_rows[row].value())];
    m_rowTexts.assign(m_rows.size(), QString());
    m_unreadSource.reset();
    m_restoredUnread = true;
    endResetModel();
}

void ListItems::captionRows(bool all, std::shared_ptr<const TextWidth> meter)
{
    // Rows still unread under an earlier source read as that source had them.
    if (!all && !m_restoredUnread)
        return;
    if (!meter)
        meter = std::shared_ptr<const TextWidth>(std::shared_ptr<const TextWidth>(), &m_meter);
    m_unreadSource = std::make_unique<const CaptionSource>(CaptionSource{m_list, std::move(meter)});
    m_restoredUnread = false;
    if (all)
        std::fill(m_rowTexts.begin(), m_rowTexts.end(), QString());
    if (rowCount() > 0)
        emit dataChanged(index(0), index(rowCount() - 1), {Qt::DisplayRole});
}

void ListItems::nameItem(RowNumber row, const QString &name)
{
    settleTexts();
    if (!rowInRange(row, "nameItem"))
        return;
    m_items[size_t(m_rows[size_t(row.value())].value())].name = name;
    replaceRow(name, row);
}

void ListItems::removeItemName(RowNumber row)
{
    settleTexts();
    if (!rowInRange(row, "removeItemName"))
        return;
    ClipItem &item = m_items[size_t(m_rows[size_t(row.value())].value())];
    item.name.clear();
    replaceRow(caption(item.text), row);
}

void ListItems::clearItems()
{
    settleTexts();
    beginResetModel();
    m_items.clear();
    m_rows.clear();
    m_rowKeys.clear();
    m_rowTexts.clear();
    m_unreadSource.reset();
    m_restoredUnread = false;
    endResetModel();
    m_journal.listEmptied(m_list.id());
}

void ListItems::deleteItem(RowNumber row)
{
    settleTexts();
    if (count() < 1)
        return;
    if (!rowInRange(row, "deleteItem"))
        return;
    const ItemNumber item = m_rows[size_t(row.value())];
    dropItem(item);
    renumberRowsAfter(item);
    removeRow(row);
}

void ListItems::refreshRow(RowNumber row, ItemNumber item)
{
    settleTexts();
    if (row < 0)
        return;
    if (!rowInRange(row, "refreshRow") || item < 0 || item >= count()) {
        qWarning("refreshRow: item %d is outside 0..%d; nothing changed", int(item.value()), int(count()) - 1);
        return;
    }
    replaceRow(rowText(m_items[size_t(item.value())]), row);
}

void ListItems::removeRow(RowNumber row)
{
    settleTexts();
    if (!rowInRange(row, "removeRow"))
        return;
    beginRemoveRows(QModelIndex(), row.value(), row.value());
    m_rows.erase(m_rows.begin() + row.value());
    m_rowKeys.erase(m_rowKeys.begin() + row.value());
    m_rowTexts.erase(m_rowTexts.begin() + row.value());
    endRemoveRows();
}

void ListItems::trimToLimit()
{
    settleTexts();
    const int excess = std::min<int>(count() - m_list.itemLimit, rowCount());
    if (excess <= 0)
        return;
    // Deleting the overflow row again and again takes a block of rows at that end.
    const int firstRow = m_list.addAtBottom ? 0 : rowCount() - excess;
    beginRemoveRows(QModelIndex(), firstRow, firstRow + excess - 1);
    const auto first = m_rows.begin() + firstRow;
    std::vector<bool> dropped(m_items.size(), false);
    for (auto row = first; row != first + excess; ++row) {
        dropped[size_t(row->value())] = true;
        m_journal.itemDropped(m_items[size_t(row->value())].id);
    }
    m_rowKeys.erase(m_rowKeys.begin() + firstRow, m_rowKeys.begin() + firstRow + excess);
    m_rowTexts.erase(m_rowTexts.begin() + firstRow, m_rowTexts.begin() + firstRow + excess);
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
    endRemoveRows();
}

void ListItems::dropItem(ItemNumber item)
{
    m_journal.itemDropped(m_items[size_t(item.value())].id);
    m_items.erase(m_items.begin() + item.value());
}

void ListItems::renumberRowsAfter(ItemNumber item)
{
    for (ItemNumber &shown : m_rows) {
        if (shown > item)
            --shown;
    }
}

void ListItems::replaceRow(const QString &text, RowNumber row)
{
    m_rowTexts[size_t(row.value())] = text;
    const QModelIndex changed = index(row.value());
    emit dataChanged(changed, changed);
    noteWritten(size_t(row.value()));
}
