// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/ListDisplay.h"

#include "model/seams/ClipListBox.h"
#include "model/ChangeJournal.h"
#include "model/ListItems.h"
#include "model/ListCollection.h"
#include "model/ListRecord.h"
#include "model/seams/PaneHost.h"
#include "model/GlobalSettings.h"

#include <algorithm>
#include <stdexcept>

ListDisplay::ListDisplay(ListCollection &lists, PaneHost &host, ChangeJournal &journal, const GlobalSettings &settings)
    : m_lists(lists), m_host(host), m_journal(journal), m_settings(settings)
{
    connect(&lists, &ListCollection::listMade, this, &ListDisplay::shapeNewList);
    connect(&lists, &ListCollection::listDeleted, this, &ListDisplay::renumberPanesAfter);
    // A list box showing a renamed list takes the new name as its accessible one.
    connect(&lists, &ListCollection::listRenamed, this, [this] { m_host.layOutPanes(); });
}

void ListDisplay::shapeNewList(ListNumber list)
{
    if (paneCount() == 0 || !m_settings.addOptionsToAllLists)
        return;
    ListRecord &made = m_lists.at(list);
    const ListRecord &focused = focusedRecord();
    made.addAtBottom = focused.addAtBottom;
    made.addAtFocus = focused.addAtFocus;
    made.focusMode = focused.focusMode;
}

void ListDisplay::renumberPanesAfter(ListNumber deleted)
{
    for (PaneNumber pane : m_order) {
        PaneRecord &shown = paneRecord(pane);
        if (shown.list > deleted)
            --shown.list;
    }
}

ClipListBox &ListDisplay::box(PaneNumber pane) const
{
    return m_host.listBox(pane);
}

PaneRecord &ListDisplay::paneRecord(PaneNumber pane)
{
    if (pane < 0 || pane >= paneSlotCount() || !m_slots[size_t(pane.value())])
        throw std::out_of_range("pane is not shown");
    return *m_slots[size_t(pane.value())];
}

ListRecord &ListDisplay::recordOfPane(PaneNumber pane)
{
    return m_lists.at(listOfPane(pane));
}

PaneNumber ListDisplay::paneAtPosition(qint16 position) const
{
    if (position < 0 || position >= paneCount())
        throw std::out_of_range("display position out of range");
    return m_order[size_t(position)];
}

void ListDisplay::setPaneAtPosition(qint16 position, PaneNumber pane)
{
    if (position < 0 || position >= paneCount())
        throw std::out_of_range("display position out of range");
    m_order[size_t(position)] = pane;
    m_journal.layoutChanged();
}

void ListDisplay::showList(ListNumber list)
{
    ListRecord &shown = m_lists.at(list);
    PaneHost &host = m_host;

    float share = shown.heightShare;
    float rescale = shown.heightShare;
    if (shown.heightShare == -1.0f) {
        share = paneCount() > 0 ? 1.0f / float(paneCount()) : 1.0f;
        rescale = paneCount() > 0 ? share : 0.0f;
    }

    PaneNumber pane;
    if (!m_free.empty()) {
        pane = m_free.front();
        m_free.pop_front();
    } else {
        pane = PaneNumber(paneSlotCount());
        m_slots.emplace_back();
    }
    m_order.push_back(pane);

    host.loadBar(paneCount());
    if (paneCount() > 1)
        host.setBarPointer(qint16(paneCount() - 1), PaneHost::DraggablePointer);

    m_slots[size_t(pane.value())] = PaneRecord{list, 0};
    if (pane != 0)
        host.loadListBox(pane);
    box(pane).setListFont(shown.fontName, shown.fontSize);
    box(pane).setColours(shown.backColour, shown.textColour);
    fillPane(list, pane);
    m_slots[size_t(pane.value())]->heightShare = share;
    rescaleShares(rescale);
    focusPane(pane);
    host.layOutPanes();
}

void ListDisplay::fillPane(ListNumber list, PaneNumber pane, bool readAnew)
{
    // The rows read as capturing and naming left them, which the model keeps. Rows brought back
    // from the history read as of now: a name as it is, a text by its caption, measured in the main
    // window's font at the size of this pane, as they would have been when captured into it. The
    // model captions each when a view first asks for it, with the font as it is now.
    ListItems &items = m_lists.at(list).items();
    PaneHost &host = m_host;
    ClipListBox &rows = box(pane);
    host.setFontSize(rows.fontSize());
    items.captionRows(readAnew, host.measuringNow());
    rows.showRows(&items);
    if (m_focus != pane && isShown(m_focus))
        host.setFontSize(box(m_focus).fontSize());
}

qint16 ListDisplay::positionOf(PaneNumber pane) const
{
    const auto found = std::find(m_order.begin(), m_order.end(), pane);
    return found == m_order.end() ? qint16(-1) : qint16(found - m_order.begin());
}

bool ListDisplay::isShown(PaneNumber pane) const
{
    return positionOf(pane) != -1;
}

void ListDisplay::closePane(PaneNumber pane)
{
    if (m_slots.empty())
        return;
    const qint16 position = positionOf(pane);
    if (position == -1)
        return;
    if (paneCount() <= 1) {
        qWarning("closePane: the last shown pane stays open");
        return;
    }
    PaneHost &host = m_host;
    const float share = m_slots[size_t(pane.value())]->heightShare;
    const ListNumber list = m_slots[size_t(pane.value())]->list;

    if (pane == paneSlotCount() - 1) {
        m_slots.pop_back();
    } else {
        m_slots[size_t(pane.value())].reset();
        m_free.push_back(pane);
    }
    removeFromOrder(pane);

    host.unloadBar(qint16(paneCount() + 1));
    host.setBarPointer(paneCount(), PaneHost::DefaultPointer);
    if (pane != 0) {
        host.unloadListBox(pane);
    } else {
        box(PaneNumber(0)).showRows(nullptr);
        box(PaneNumber(0)).showBox(false);
    }
    spreadShare(share);
    m_lists.at(list).heightShare = share;

    focusPane(paneAtPosition(std::min<qint16>(position, qint16(paneCount() - 1))));
    host.layOutPanes();
    emit paneClosed(pane);
}

void ListDisplay::removeFromOrder(PaneNumber pane)
{
    m_order.erase(std::find(m_order.begin(), m_order.end(), pane));
}

void ListDisplay::rescaleShares(float rescale)
{
    for (PaneNumber pane : m_order)
        m_slots[size_t(pane.value())]->heightShare /= 1.0f + rescale;
}

void ListDisplay::spreadShare(float share)
{
    if (share + 0.001f >= 1.0f) {
        m_slots[size_t(m_order.front().value())]->heightShare = 1.0f;
        return;
    }
    for (PaneNumber pane : m_order)
        m_slots[size_t(pane.value())]->heightShare /= 1.0f - share;
}

void ListDisplay::focusPane(PaneNumber pane)
{
    if (m_focus != pane && isShown(m_focus)) {
        const ListRecord &previous = m_lists.at(m_slots[size_t(m_focus.value())]->list);
        box(m_focus).setColours(previous.backColour, previous.textColour);
    }
    const ListRecord &focused = m_lists.at(listOfPane(pane));
    box(pane).setColours(focused.focusedBackColour, focused.focusedTextColour);
    m_host.setFontSize(box(pane).fontSize());
    m_focus = pane;
    m_journal.layoutChanged();
    emit focusedListFocusMode(focused.focusMode);
}

void ListDisplay::setHeightShare(PaneNumber pane, float share)
{
    paneRecord(pane).heightShare = share;
    m_journal.layoutChanged();
}

bool ListDisplay::clampRow(PaneNumber pane, RowNumber &row)
{
    const qint16 items = recordOfPane(pane).items().count();
    if (items == 0)
        return false;
    row = std::clamp(row, RowNumber(0), RowNumber(items - 1));
    return true;
}

RowNumber ListDisplay::focusedRow(PaneNumber pane)
{
    return RowNumber(box(pane).focusedRow());
}

void ListDisplay::setFocusedRow(PaneNumber pane, RowNumber row)
{
    if (clampRow(pane, row))
        box(pane).setFocusedRow(row.value());
}

void ListDisplay::highlightRow(PaneNumber pane, RowNumber row)
{
    if (!clampRow(pane, row))
        return;
    unhighlightRow(pane, listOfPane(pane), row);
    ClipListBox &listBox = box(pane);
    listBox.setFocusedRow(row.value());
    listBox.setSelected(row.value(), true);
}

void ListDisplay::unhighlightRow(PaneNumber pane, ListNumber /*list*/, RowNumber row)
{
    ClipListBox &listBox = box(pane);
    for (int highlighted : listBox.selectedRows()) {
        if (highlighted != row.value())
            listBox.setSelected(highlighted, false);
    }
}
