#include "mainwindow/ListCommands.h"

#include "mainwindow/ListDisplayMenu.h"
#include "model/ItemControl.h"
#include "model/ListControl.h"
#include "model/ListOb.h"
#include "model/ListExControl.h"
#include "model/QKPRGrobal.h"
#include "model/UtilityFirstList.h"
#include "model/UtilityGrobal.h"

ListCommands::ListCommands(QKPRGrobal &grobal, ListDisplayMenu &displayMenu)
    : m_grobal(grobal), m_displayMenu(displayMenu)
{
    connect(&displayMenu, &ListDisplayMenu::chosen, this, &ListCommands::ListWinChange);
}

void ListCommands::MakeNewList()
{
    ListControl &lists = m_grobal.listControl();
    const qint16 list = lists.lcMakeList();
    if (list == ListControl::Refused)
        return;
    lists.lcExList(list);
    m_displayMenu.AddListMenu();
    m_grobal.NumberSameName(list);
}

void ListCommands::MakeFirstList()
{
    ListControl &lists = m_grobal.listControl();
    lists.lcExList(lists.lcMakeList());
    m_displayMenu.AddListMenu();
}

void ListCommands::DeleteList()
{
    ListExControl &panes = m_grobal.listExControl();
    // The only shown list is never deleted: a window without a list has nothing to capture into.
    if (panes.UBEx() <= 1)
        return;
    const qint16 pane = panes.lecListFocus();
    const qint16 list = m_grobal.getOLx(pane);
    panes.lecUnExList(pane);
    m_grobal.listControl().lcDelList(list);
    m_displayMenu.DelListMenu();
    m_grobal.ClearTextSave(pane);
}

void ListCommands::ClearList()
{
    const qint16 pane = m_grobal.listExControl().lecListFocus();
    m_grobal.listControl().lcListOb(m_grobal.getOLx(pane)).loItemControl().icClearItem(pane);
    m_grobal.ClearTextSave(pane);
}

void ListCommands::ListWinChange(int index)
{
    ListExControl &panes = m_grobal.listExControl();
    if (index < 0 || index >= m_displayMenu.entryCount())
        return;
    if (index < panes.UBEx()) {
        // A shown list: hide it, unless it is the last one shown.
        if (panes.UBEx() <= 1)
            return;
        const qint16 pane = panes.lecEx(qint16(index));
        panes.lecUnExList(pane);
        TextHandOff &text = m_grobal.text;
        if (text.textSave && text.cLx == pane && panes.UBEx() > 1)
            text.textSave = false;
        return;
    }
    const qint16 list = m_displayMenu.listAt(index);
    if (list >= 0 && list < m_grobal.listControl().UB())
        m_grobal.listControl().lcExList(list);
}

ListOb &ListCommands::focusedList()
{
    return m_grobal.listControl().lcListOb(m_grobal.getOLx(m_grobal.listExControl().lecListFocus()));
}

template <typename T>
void ListCommands::setAddOption(T ListOptions::*option, T value)
{
    ListControl &lists = m_grobal.listControl();
    if (m_grobal.utilityGrobal().AddMode) {
        for (qint16 list = 0; list < lists.UB(); ++list)
            lists.lcListOb(list).*option = value;
    } else {
        focusedList().*option = value;
    }
}

void ListCommands::SetWayAdd(bool value)
{
    setAddOption(&ListOb::WayAdd, value);
    if (m_grobal.utilityGrobal().AddSave)
        m_grobal.utilityFirstList().WayAddDef = value;
}

void ListCommands::SetPosAdd(bool value)
{
    setAddOption(&ListOb::PosAdd, value);
    if (m_grobal.utilityGrobal().AddSave)
        m_grobal.utilityFirstList().PosAddDef = value;
}

void ListCommands::SetMovAdd(qint16 value)
{
    setAddOption(&ListOb::MovAdd, value);
    if (m_grobal.utilityGrobal().AddSave)
        m_grobal.utilityFirstList().MovAddDef = value;
    emit focusedMovAddChanged(focusedList().MovAdd);
}

void ListCommands::ChangeMovAdd(qint16 value)
{
    if (value == 2) {
        const qint16 now = focusedList().MovAdd;
        value = now == 0 ? 1 : now == 1 ? 0 : 2;
    }
    if (value == 0 || value == 1)
        SetMovAdd(value);
}
