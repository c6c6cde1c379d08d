// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/ListCommands.h"

#include "mainwindow/ListDisplayMenu.h"
#include "model/ListItems.h"
#include "model/ListCollection.h"
#include "model/ListRecord.h"
#include "model/ListDisplay.h"
#include "model/NewListDefaults.h"
#include "model/GlobalSettings.h"
#include "storage/KeptHistory.h"

ListCommands::ListCommands(ListCollection &lists, ListDisplay &display, GlobalSettings &settings,
                           NewListDefaults &defaults, ListDisplayMenu &displayMenu)
    : m_lists(lists), m_display(display), m_settings(settings), m_defaults(defaults), m_displayMenu(displayMenu)
{
    connect(&displayMenu, &ListDisplayMenu::chosen, this, &ListCommands::toggleListShown);
}

bool ListCommands::makeNewList()
{
    const ListNumber list = m_lists.makeList();
    if (list == ListCollection::Refused)
        return false;
    m_display.showList(list);
    m_displayMenu.addListEntry();
    m_lists.numberSameNames(list);
    return true;
}

void ListCommands::makeFirstList()
{
    m_display.showList(m_lists.makeList());
    m_displayMenu.addListEntry();
}

QString ListCommands::restoreLists(KeptHistory &kept)
{
    quint64 newestId = 0;
    const ListItems *newest = nullptr;
    for (KeptHistory::List &keptList : kept.lists) {
        const ListNumber list = m_lists.makeList(keptList.id);
        ListItems &items = m_lists.at(list).items();
        // Items come in id order, and later items have larger ids.
        if (!keptList.items.empty() && keptList.items.back().id > newestId) {
            newestId = keptList.items.back().id;
            newest = &items;
        }
        m_lists.setOptions(list, keptList.options);
        items.restore(std::move(keptList.items), keptList.rowKeys, kept.textsToCome(keptList));
        m_displayMenu.addListEntry();
    }
    for (const KeptHistory::Pane &pane : kept.panes)
        m_display.showList(ListNumber(qint16(pane.list)));
    // Showing a list shares the height out anew; the panes get back the shares they had.
    for (size_t position = 0; position < kept.panes.size(); ++position)
        m_display.setHeightShare(m_display.paneAtPosition(qint16(position)), kept.panes[position].heightShare);
    m_display.focusPane(m_display.paneAtPosition(qint16(kept.focusedPane)));
    return newest ? newest->textOf(ItemNumber(qint16(newest->count() - 1))) : QString();
}

void ListCommands::deleteList()
{
    // The only shown list is never deleted: a window without a list has nothing to capture into.
    if (m_display.paneCount() <= 1)
        return;
    const PaneNumber pane = m_display.focusedPane();
    const ListNumber list = m_display.listOfPane(pane);
    m_display.closePane(pane);
    m_lists.deleteList(list);
    m_displayMenu.removeListEntry();
}

void ListCommands::clearList()
{
    const PaneNumber pane = m_display.focusedPane();
    m_display.recordOfPane(pane).items().clearItems();
}

void ListCommands::toggleListShown(int index)
{
    if (index < 0 || index >= m_displayMenu.entryCount())
        return;
    if (index < m_display.paneCount()) {
        // A shown list: hide it, unless it is the last one shown.
        if (m_display.paneCount() <= 1)
            return;
        const PaneNumber pane = m_display.paneAtPosition(qint16(index));
        m_display.closePane(pane);
        return;
    }
    const ListNumber list = m_displayMenu.listAt(index);
    if (list >= 0 && list < m_lists.count())
        m_display.showList(list);
}

ListRecord &ListCommands::focusedList()
{
    return m_display.focusedRecord();
}

template <typename T>
void ListCommands::setAddOption(T ListOptions::*option, T value)
{
    const auto set = [&](ListNumber list) {
        ListOptions changed = m_lists.at(list);
        changed.*option = value;
        m_lists.setOptions(list, changed);
    };
    if (m_settings.addOptionsToAllLists) {
        for (ListNumber list{0}; list < m_lists.count(); ++list)
            set(list);
    } else {
        set(m_display.focusedList());
    }
}

void ListCommands::setAddAtBottom(bool value)
{
    setAddOption(&ListRecord::addAtBottom, value);
    if (m_settings.addOptionsAsDefaults)
        m_defaults.addAtBottomDefault = value;
}

void ListCommands::setAddAtFocus(bool value)
{
    setAddOption(&ListRecord::addAtFocus, value);
    if (m_settings.addOptionsAsDefaults)
        m_defaults.addAtFocusDefault = value;
}

void ListCommands::setFocusMode(FocusMode value)
{
    setAddOption(&ListRecord::focusMode, value);
    if (m_settings.addOptionsAsDefaults)
        m_defaults.focusModeDefault = value;
    emit focusedFocusModeChanged(focusedList().focusMode);
}
