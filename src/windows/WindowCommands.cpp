// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/WindowCommands.h"

#include "model/seams/ClipListBox.h"
#include "model/ListItems.h"
#include "model/ListCollection.h"
#include "model/ListDisplay.h"
#include "model/ListRecord.h"
#include "windows/ListInfoDialog.h"
#include "windows/NamingDialog.h"
#include "windows/TextWindow.h"

WindowCommands::WindowCommands(ListCollection &lists, ListDisplay &display, TextWindow &text, NamingDialog &name,
                               ListInfoDialog &listData)
    : m_lists(lists), m_display(display), m_text(text), m_name(name), m_listData(listData)
{
}

void WindowCommands::nameList()
{
    const ListNumber list = m_display.focusedList();
    m_name.list = list;
    m_name.name = m_lists.at(list).name;
    m_name.title = QStringLiteral("ﾘｽﾄに名前をつける-") + m_name.name;
    m_name.target = NamingDialog::ForList;
    m_name.showName();
}

void WindowCommands::nameItem()
{
    const PaneNumber pane = m_display.focusedPane();
    const ListNumber list = m_display.listOfPane(pane);
    ListItems &items = m_lists.at(list).items();
    const RowNumber row = m_display.focusedRow(pane);
    if (items.count() == 0 || row < 0 || row >= items.rowCount())
        return;
    const ClipItem &item = items.at(items.itemOfRow(row));
    m_name.pane = pane;
    m_name.list = list;
    m_name.row = row;
    m_name.name = item.name;
    m_name.title = QStringLiteral("項目に名前をつける-") + (item.name.isEmpty() ? item.text.left(32) : item.name);
    m_name.target = NamingDialog::ForItem;
    m_name.showName();
}

void WindowCommands::showItemText()
{
    const PaneNumber pane = m_display.focusedPane();
    if (m_display.box(pane).rowCount() == 0)
        return;
    if (m_text.showsItem()) {
        m_text.activateWindow();
        return;
    }
    const RowNumber row = m_display.focusedRow(pane);
    if (row < 0)
        return;
    const ListNumber list = m_display.listOfPane(pane);
    m_text.showItem(pane, list, row, m_lists.at(list).items().itemOfRow(row));
}

void WindowCommands::showListData()
{
    m_listData.pane = m_display.focusedPane();
    m_listData.showListData();
}
