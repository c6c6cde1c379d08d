#include "model/ListExControl.h"

#include "model/ClipListBox.h"
#include "model/ItemControl.h"
#include "model/ListControl.h"
#include "model/ListOb.h"
#include "model/PaneHost.h"
#include "model/QKPRGrobal.h"

#include <algorithm>
#include <stdexcept>

ListExControl::ListExControl(QKPRGrobal &grobal, PaneHost &host) : m_grobal(grobal), m_host(host) {}

ClipListBox &ListExControl::box(qint16 pane) const
{
    return m_host.clipList(pane);
}

ListExOb &ListExControl::lecListOb(qint16 pane)
{
    if (pane < 0 || pane >= paneSlots() || !m_slots[size_t(pane)])
        throw std::out_of_range("pane is not shown");
    return *m_slots[size_t(pane)];
}

qint16 ListExControl::lecEx(qint16 position) const
{
    if (position < 0 || position >= UBEx())
        throw std::out_of_range("display position out of range");
    return m_order[size_t(position)];
}

void ListExControl::setLecEx(qint16 position, qint16 pane)
{
    if (position < 0 || position >= UBEx())
        throw std::out_of_range("display position out of range");
    m_order[size_t(position)] = pane;
}

void ListExControl::lecMakeList(qint16 list)
{
    ListOb &shown = m_grobal.listControl().lcListOb(list);
    PaneHost &host = m_host;

    float share = shown.Hper;
    float rescale = shown.Hper;
    if (shown.Hper == -1.0f) {
        share = UBEx() > 0 ? 1.0f / float(UBEx()) : 1.0f;
        rescale = UBEx() > 0 ? share : 0.0f;
    }

    qint16 pane;
    if (!m_free.empty()) {
        pane = m_free.front();
        m_free.pop_front();
    } else {
        pane = paneSlots();
        m_slots.emplace_back();
    }
    m_order.push_back(pane);

    host.loadBar(UBEx());
    if (UBEx() > 1)
        host.setBarPointer(qint16(UBEx() - 1), PaneHost::DraggablePointer);

    m_slots[size_t(pane)] = ListExOb{list, 0};
    if (pane != 0)
        host.loadClipList(pane);
    box(pane).setListFont(shown.FontName, shown.FontSize);
    box(pane).setColours(shown.BackClr, shown.ForeClr);
    lecMakeItem(list, pane);
    m_slots[size_t(pane)]->Hper = share;
    lecShareIn(rescale);
    lecChaFocus(pane);
    host.whenResize();
}

void ListExControl::lecMakeItem(qint16 list, qint16 pane)
{
    // The rows must read as capturing and naming left them: a name as it is, a text by its caption
    // (captioning a caption again would count it twice). Captions are measured in the main window's
    // font at the size of the pane they were captured into, the focused one at the time.
    ItemControl &items = m_grobal.listControl().lcListOb(list).loItemControl();
    PaneHost &host = m_host;
    ClipListBox &rows = box(pane);
    host.setFontSize(rows.fontSize());
    for (qint16 row = 0; row < items.UBic(); ++row)
        rows.addItem(items.rowText(items.icItemOb(items.prooIx(row))));
    if (m_focus != pane && lecIsShown(m_focus))
        host.setFontSize(box(m_focus).fontSize());
}

qint16 ListExControl::geteLx(qint16 pane) const
{
    const auto found = std::find(m_order.begin(), m_order.end(), pane);
    return found == m_order.end() ? qint16(-1) : qint16(found - m_order.begin());
}

bool ListExControl::lecIsShown(qint16 pane) const
{
    return geteLx(pane) != -1;
}

void ListExControl::lecUnExList(qint16 pane)
{
    if (m_slots.empty())
        return;
    const qint16 position = geteLx(pane);
    if (position == -1)
        return;
    if (UBEx() <= 1) {
        qWarning("lecUnExList: the last shown pane stays open");
        return;
    }
    PaneHost &host = m_host;
    const float share = m_slots[size_t(pane)]->Hper;
    const qint16 list = m_slots[size_t(pane)]->leoListOb;

    if (pane == paneSlots() - 1) {
        m_slots.pop_back();
    } else {
        m_slots[size_t(pane)].reset();
        m_free.push_back(pane);
    }
    lecDropPos(pane);

    host.unloadBar(qint16(UBEx() + 1));
    host.setBarPointer(UBEx(), PaneHost::DefaultPointer);
    if (pane != 0) {
        host.unloadClipList(pane);
    } else {
        box(0).clear();
        box(0).showBox(false);
    }
    lecShareOut(share);
    m_grobal.listControl().lcListOb(list).Hper = share;

    lecChaFocus(lecEx(std::min<qint16>(position, qint16(UBEx() - 1))));
    host.whenResize();
}

void ListExControl::lecDropPos(qint16 pane)
{
    m_order.erase(std::find(m_order.begin(), m_order.end(), pane));
}

void ListExControl::lecShareIn(float rescale)
{
    for (qint16 pane : m_order)
        m_slots[size_t(pane)]->Hper /= 1.0f + rescale;
}

void ListExControl::lecShareOut(float share)
{
    if (share + 0.001f >= 1.0f) {
        m_slots[size_t(m_order.front())]->Hper = 1.0f;
        return;
    }
    for (qint16 pane : m_order)
        m_slots[size_t(pane)]->Hper /= 1.0f - share;
}

void ListExControl::lecChaFocus(qint16 pane)
{
    ListControl &lists = m_grobal.listControl();
    if (m_focus != pane && lecIsShown(m_focus)) {
        const ListOb &previous = lists.lcListOb(m_slots[size_t(m_focus)]->leoListOb);
        box(m_focus).setColours(previous.BackClr, previous.ForeClr);
    }
    const ListOb &focused = lists.lcListOb(lecListOb(pane).leoListOb);
    box(pane).setColours(focused.BackClrFcs, focused.ForeClrFcs);
    m_host.setFontSize(box(pane).fontSize());
    m_focus = pane;
    emit focusedListMovAdd(focused.MovAdd);
}

void ListExControl::lecSetHper(qint16 pane, float share)
{
    lecListOb(pane).Hper = share;
}

bool ListExControl::lecClampRow(qint16 pane, qint16 &row)
{
    const qint16 items = m_grobal.listControl().lcListOb(lecListOb(pane).leoListOb).loItemControl().UB();
    if (items == 0)
        return false;
    row = std::clamp<qint16>(row, 0, qint16(items - 1));
    return true;
}

qint16 ListExControl::lecItemGetFocus(qint16 pane)
{
    return qint16(box(pane).listIndex());
}

void ListExControl::lecItemSetFocus(qint16 pane, qint16 row)
{
    if (lecClampRow(pane, row))
        box(pane).setListIndex(row);
}

void ListExControl::lecItemSetBlue(qint16 pane, qint16 row)
{
    if (!lecClampRow(pane, row))
        return;
    delBlue(pane, lecListOb(pane).leoListOb, row);
    ClipListBox &listBox = box(pane);
    listBox.setListIndex(row);
    listBox.setSelected(row, true);
}

void ListExControl::delBlue(qint16 pane, qint16 /*list*/, qint16 row)
{
    ClipListBox &listBox = box(pane);
    for (int highlighted : listBox.selectedRows()) {
        if (highlighted != row)
            listBox.setSelected(highlighted, false);
    }
}
