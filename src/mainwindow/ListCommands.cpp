#include "mainwindow/ListCommands.h"

#include "mainwindow/ListDisplayMenu.h"
#include "model/ChangeJournal.h"
#include "model/ListItems.h"
#include "model/ListCollection.h"
#include "model/ListRecord.h"
#include "model/ListDisplay.h"
#include "model/ProgramState.h"
#include "model/NewListDefaults.h"
#include "model/GlobalSettings.h"
#include "storage/KeptHistory.h"

ListCommands::ListCommands(ProgramState &state, ListDisplayMenu &displayMenu)
    : m_state(state), m_displayMenu(displayMenu)
{
    connect(&displayMenu, &ListDisplayMenu::chosen, this, &ListCommands::toggleListShown);
}

void ListCommands::makeNewList()
{
    ListCollection &lists = m_state.lists();
    const ListNumber list = lists.makeList();
    if (list == ListCollection::Refused)
        return;
    lists.showList(list);
    m_displayMenu.addListEntry();
    m_state.numberSameNames(list);
}

void ListCommands::makeFirstList()
{
    ListCollection &lists = m_state.lists();
    lists.showList(lists.makeList());
    m_displayMenu.addListEntry();
}

QString ListCommands::restoreLists(KeptHistory &kept)
{
    ListCollection &lists = m_state.lists();
    ClipItem newest;
    for (KeptHistory::List &keptList : kept.lists) {
        // Items come in id order, and later items have larger ids.
        if (!keptList.items.empty() && keptList.items.back().id > newest.id)
            newest = keptList.items.back();
        ListRecord &list = lists.at(lists.makeList(keptList.id));
        static_cast<ListOptions &>(list) = keptList.options;
        list.items().restore(std::move(keptList.items), keptList.rowKeys);
        m_displayMenu.addListEntry();
    }
    for (const KeptHistory::Pane &pane : kept.panes)
        lists.showList(ListNumber(qint16(pane.list)));
    // Showing a list shares the height out anew; the panes get back the shares they had.
    ListDisplay &display = m_state.display();
    for (size_t position = 0; position < kept.panes.size(); ++position)
        display.setHeightShare(display.paneAtPosition(qint16(position)), kept.panes[position].heightShare);
    display.focusPane(display.paneAtPosition(qint16(kept.focusedPane)));
    return newest.text;
}

void ListCommands::deleteList()
{
    ListDisplay &panes = m_state.display();
    // The only shown list is never deleted: a window without a list has nothing to capture into.
    if (panes.paneCount() <= 1)
        return;
    const PaneNumber pane = panes.focusedPane();
    const ListNumber list = m_state.listOfPane(pane);
    panes.closePane(pane);
    m_state.lists().deleteList(list);
    m_displayMenu.removeListEntry();
    emit m_state.display().rowsChanged(pane);
}

void ListCommands::clearList()
{
    const PaneNumber pane = m_state.display().focusedPane();
    m_state.lists().at(m_state.listOfPane(pane)).items().clearItems(pane);
    emit m_state.display().rowsChanged(pane);
}

void ListCommands::toggleListShown(int index)
{
    ListDisplay &panes = m_state.display();
    if (index < 0 || index >= m_displayMenu.entryCount())
        return;
    if (index < panes.paneCount()) {
        // A shown list: hide it, unless it is the last one shown.
        if (panes.paneCount() <= 1)
            return;
        const PaneNumber pane = panes.paneAtPosition(qint16(index));
        panes.closePane(pane);
        if (panes.paneCount() > 1)
            emit panes.rowsChanged(pane);
        return;
    }
    const ListNumber list = m_displayMenu.listAt(index);
    if (list >= 0 && list < m_state.lists().count())
        m_state.lists().showList(list);
}

ListRecord &ListCommands::focusedList()
{
    return m_state.lists().at(m_state.listOfPane(m_state.display().focusedPane()));
}

template <typename T>
void ListCommands::setAddOption(T ListOptions::*option, T value)
{
    ListCollection &lists = m_state.lists();
    if (m_state.settings().addOptionsToAllLists) {
        for (ListNumber list{0}; list < lists.count(); ++list)
            lists.at(list).*option = value;
    } else {
        focusedList().*option = value;
    }
    m_state.journal().layoutChanged();
}

void ListCommands::setAddAtBottom(bool value)
{
    setAddOption(&ListRecord::addAtBottom, value);
    if (m_state.settings().addOptionsAsDefaults)
        m_state.newListDefaults().addAtBottomDefault = value;
}

void ListCommands::setAddAtFocus(bool value)
{
    setAddOption(&ListRecord::addAtFocus, value);
    if (m_state.settings().addOptionsAsDefaults)
        m_state.newListDefaults().addAtFocusDefault = value;
}

void ListCommands::setFocusMode(qint16 value)
{
    setAddOption(&ListRecord::focusMode, value);
    if (m_state.settings().addOptionsAsDefaults)
        m_state.newListDefaults().focusModeDefault = value;
    emit focusedFocusModeChanged(focusedList().focusMode);
}

void ListCommands::changeFocusMode(qint16 value)
{
    if (value == 2) {
        const qint16 now = focusedList().focusMode;
        value = now == 0 ? 1 : now == 1 ? 0 : 2;
    }
    if (value == 0 || value == 1)
        setFocusMode(value);
}
