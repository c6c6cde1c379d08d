#include "model/ListControl.h"

#include "model/ListExControl.h"
#include "model/ListOb.h"
#include "model/ListOptionFieldList.h"
#include "model/QKPRGrobal.h"
#include "model/UtilityFirstList.h"
#include "model/UtilityGrobal.h"

#include <QDebug>
#include <stdexcept>

ListControl::ListControl(QKPRGrobal &grobal) : m_grobal(grobal) {}

ListControl::~ListControl() = default;

ListOb &ListControl::lcListOb(qint16 list)
{
    if (list < 0 || list >= UB())
        throw std::out_of_range("list number out of range");
    return *m_lists[size_t(list)];
}

qint16 ListControl::lcMakeList()
{
    if (m_lists.size() >= size_t(MaxCount)) {
        qWarning("lcMakeList: 32767 lists exist already; no list made");
        return Refused;
    }
    auto made = std::make_unique<ListOb>(m_grobal);
    ListOb &list = *made;
    const UtilityFirstList &defaults = m_grobal.utilityFirstList();

    list.Hper = -1;
    ListOptionFieldList{}([&](auto option, auto def, auto) { list.*option = defaults.*def; });
    // With AddMode a new list adds the way the focused one does.
    ListExControl &panes = m_grobal.listExControl();
    if (panes.UBEx() > 0 && m_grobal.utilityGrobal().AddMode) {
        const ListOb &focused = lcListOb(m_grobal.getOLx(panes.lecListFocus()));
        list.WayAdd = focused.WayAdd;
        list.PosAdd = focused.PosAdd;
        list.MovAdd = focused.MovAdd;
    }

    m_lists.push_back(std::move(made));
    return qint16(m_lists.size() - 1);
}

void ListControl::lcExList(qint16 list)
{
    m_grobal.listExControl().lecMakeList(list);
}

void ListControl::lcNameList(qint16 list, const QString &name)
{
    lcListOb(list).loName = name;
}

void ListControl::lcDelList(qint16 list)
{
    if (m_lists.empty())
        return;
    if (list < 0 || list >= UB())
        throw std::out_of_range("list number out of range");
    m_lists.erase(m_lists.begin() + list);

    ListExControl &panes = m_grobal.listExControl();
    for (qint16 pos = 0; pos < panes.UBEx(); ++pos) {
        ListExOb &pane = panes.lecListOb(panes.lecEx(pos));
        if (pane.leoListOb > list)
            --pane.leoListOb;
    }
}
