#include "model/QKPRGrobal.h"

#include "model/ItemControl.h"
#include "model/ListControl.h"
#include "model/ListExControl.h"
#include "model/ListOb.h"
#include "model/UtilityFirstList.h"
#include "model/UtilityGrobal.h"

#include <set>

QKPRGrobal::QKPRGrobal(PaneHost &host)
    : m_utilityGrobal(std::make_unique<UtilityGrobal>()),
      m_utilityFirstList(std::make_unique<UtilityFirstList>()),
      m_listControl(std::make_unique<ListControl>(*this)),
      m_listExControl(std::make_unique<ListExControl>(*this, host))
{
}

QKPRGrobal::~QKPRGrobal() = default;

qint16 QKPRGrobal::getOLx(qint16 pane)
{
    return listExControl().lecListOb(pane).leoListOb;
}

qint16 QKPRGrobal::getOIx(qint16 pane, qint16 row)
{
    return listControl().lcListOb(getOLx(pane)).loItemControl().prooIx(row);
}

void QKPRGrobal::NumberSameName(qint16 list)
{
    ListControl &lists = listControl();
    if (lists.UB() <= 1)
        return;
    ListOb &named = lists.lcListOb(list);
    std::set<qint16> taken;
    bool first = true;
    for (qint16 other = 0; other < lists.UB(); ++other) {
        if (other == list)
            continue;
        ListOb &namesake = lists.lcListOb(other);
        if (namesake.loName != named.loName)
            continue;
        if (first && namesake.loNameEx == 0)
            namesake.loNameEx = 1;
        first = false;
        taken.insert(namesake.loNameEx);
    }
    if (taken.empty()) {
        named.loNameEx = 0;
        return;
    }
    qint16 number = 1;
    while (taken.count(number))
        ++number;
    named.loNameEx = number;
}

void QKPRGrobal::ClearTextSave(qint16 pane)
{
    if (text.textSave && text.cLx == pane)
        text.textSave = false;
}
