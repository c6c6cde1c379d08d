#include "model/ItemControl.h"

#include "model/CaptionBuilder.h"
#include "model/ClipListBox.h"
#include "model/ListControl.h"
#include "model/ListExControl.h"
#include "model/ListOb.h"
#include "model/ModelTypes.h"
#include "model/PaneHost.h"
#include "model/QKPRGrobal.h"

#include <QDebug>
#include <algorithm>
#include <stdexcept>

ItemControl::ItemControl(QKPRGrobal &grobal, ListOb &list) : m_grobal(grobal), m_list(list) {}

ItemOb &ItemControl::icItemOb(qint16 item)
{
    if (item < 0 || item >= UB())
        throw std::out_of_range("item number out of range");
    return m_items[size_t(item)];
}

qint16 ItemControl::prooIx(qint16 row) const
{
    if (row < 0 || row >= UBic())
        throw std::out_of_range("row out of range");
    return m_rows[size_t(row)];
}

ClipListBox &ItemControl::box(qint16 pane) const
{
    return m_grobal.listExControl().box(pane);
}

bool ItemControl::rowInRange(qint16 row, const char *operation) const
{
    if (row >= 0 && row < UBic())
        return true;
    qWarning("%s: row %d is outside 0..%d; nothing changed", operation, int(row), int(UBic()) - 1);
    return false;
}

QString ItemControl::icCaption(const QString &text) const
{
    return CaptionBuilder(m_grobal.CrLf, m_grobal.listExControl().host()).caption(m_list, text);
}

QString ItemControl::captionFor(qint16 list, const QString &text) const
{
    const ListOb &options = m_grobal.listControl().lcListOb(list);
    return CaptionBuilder(m_grobal.CrLf, m_grobal.listExControl().host()).caption(options, text);
}

QString ItemControl::rowText(const ItemOb &item) const
{
    return item.ioName.isEmpty() ? icCaption(item.ioWords) : item.ioName;
}

qint16 ItemControl::icMakeItem(qint16 pane, const QString &text)
{
    qint16 row = m_list.WayAdd ? -1 : 0;
    if (!icAddPinItem(pane, text, row, UB(), true))
        return -1;
    m_items.push_back(ItemOb{text, QString()});
    return qint16(box(pane).newIndex());
}

void ItemControl::icAddItemNonItemCpInc(qint16 pane, qint16 list, const QString &text)
{
    box(pane).addItem(captionFor(list, text));
}

void ItemControl::icMakePinItem(qint16 pane, const QString &text, qint16 &row)
{
    if (icAddPinItem(pane, text, row, UB(), true))
        m_items.push_back(ItemOb{text, QString()});
}

bool ItemControl::icAddPinItem(qint16 pane, const QString &text, qint16 &row, qint16 item, bool makeRoom)
{
    if (row < -1 || row > UBic()) {
        qWarning("icAddPinItem: row %d is outside -1..%d; nothing changed", int(row), int(UBic()));
        return false;
    }
    // The number of an item about to be appended is only known once room has been made.
    const bool appending = item == UB();
    if (makeRoom)
        icMakeRoom(pane, row);
    if (appending) {
        if (UB() >= MaxCount) {
            qWarning("icAddPinItem: the list holds 32767 items; nothing added");
            return false;
        }
        item = UB();
    } else if (item < 0 || item >= UB()) {
        qWarning("icAddPinItem: item %d is outside 0..%d; nothing changed", int(item), int(UB()) - 1);
        return false;
    }
    // Room made above the row may have moved the bottom above it.
    row = std::min(row, UBic());
    icInsertRow(pane, icCaption(text), row, item);
    return true;
}

void ItemControl::icMakeRoom(qint16 pane, qint16 &position)
{
    if (UB() < m_list.UpperCount || UB() < 1)
        return;
    if (m_list.WayAdd) {
        icDelItem(pane, 0);
        // -1 stands for the bottom and stays so.
        if (position != -1)
            position = position <= 0 ? 0 : qint16(position - 1);
    } else {
        icDelItem(pane, qint16(UBic() - 1));
    }
}

void ItemControl::icInsertRow(qint16 pane, const QString &caption, qint16 row, qint16 item)
{
    // The row map first, so that it and the list box never disagree on the number of rows.
    const bool atEnd = row == -1;
    if (atEnd)
        row = UBic();
    m_rows.insert(m_rows.begin() + row, item);
    if (atEnd)
        box(pane).addItem(caption);
    else
        box(pane).addItem(caption, row);
}

void ItemControl::icNameItem(qint16 pane, qint16 row, const QString &name)
{
    if (!rowInRange(row, "icNameItem"))
        return;
    m_items[size_t(m_rows[size_t(row)])].ioName = name;
    icReplaceRow(pane, name, row);
}

void ItemControl::icDelNameItem(qint16 pane, qint16 row)
{
    if (!rowInRange(row, "icDelNameItem"))
        return;
    ItemOb &item = m_items[size_t(m_rows[size_t(row)])];
    item.ioName.clear();
    icReplaceRow(pane, icCaption(item.ioWords), row);
}

void ItemControl::icClearItem(qint16 pane)
{
    box(pane).clear();
    m_items.clear();
    m_rows.clear();
}

void ItemControl::icDelItem(qint16 pane, qint16 row)
{
    if (UB() < 1)
        return;
    if (!rowInRange(row, "icDelItem"))
        return;
    const qint16 item = m_rows[size_t(row)];
    icDropItemOb(item);
    icShiftIx(item);
    icRemoveItemEx(pane, row);
}

void ItemControl::icReNewItem(qint16 pane, qint16 list, qint16 row, qint16 item)
{
    if (row < 0)
        return;
    if (!rowInRange(row, "icReNewItem") || item < 0 || item >= UB()) {
        qWarning("icReNewItem: item %d is outside 0..%d; nothing changed", int(item), int(UB()) - 1);
        return;
    }
    const ItemOb &shown = m_items[size_t(item)];
    icReplaceRow(pane, shown.ioName.isEmpty() ? captionFor(list, shown.ioWords) : shown.ioName, row);
}

void ItemControl::icRemoveItemEx(qint16 pane, qint16 row)
{
    if (!rowInRange(row, "icRemoveItemEx"))
        return;
    box(pane).removeItem(row);
    m_rows.erase(m_rows.begin() + row);
}

void ItemControl::icTrimTo(qint16 pane)
{
    const int count = std::min<int>(UB() - m_list.UpperCount, UBic());
    if (count <= 0)
        return;
    // Deleting the overflow row again and again takes a block of rows at that end.
    const auto first = m_list.WayAdd ? m_rows.begin() : m_rows.end() - count;
    std::vector<bool> dropped(m_items.size(), false);
    for (auto row = first; row != first + count; ++row)
        dropped[size_t(*row)] = true;
    m_rows.erase(first, first + count);

    // Each item number moves down by the number of dropped items below it.
    std::vector<qint16> renumbered(m_items.size(), -1);
    std::deque<ItemOb> kept;
    for (size_t item = 0; item < m_items.size(); ++item) {
        if (dropped[item])
            continue;
        renumbered[item] = qint16(kept.size());
        kept.push_back(std::move(m_items[item]));
    }
    m_items = std::move(kept);
    for (qint16 &shown : m_rows)
        shown = renumbered[size_t(shown)];

    if (pane < 0)
        return;
    ClipListBox &listBox = box(pane);
    for (int left = count; left > 0; --left)
        listBox.removeItem(m_list.WayAdd ? 0 : listBox.listCount() - 1);
}

void ItemControl::icDropItemOb(qint16 item)
{
    m_items.erase(m_items.begin() + item);
}

void ItemControl::icShiftIx(qint16 item)
{
    for (qint16 &shown : m_rows) {
        if (shown > item)
            --shown;
    }
}

void ItemControl::icReplaceRow(qint16 pane, const QString &text, qint16 row)
{
    ClipListBox &listBox = box(pane);
    listBox.removeItem(row);
    listBox.addItem(text, row);
}
