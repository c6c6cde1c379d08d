// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/PopUpMenu.h"

#include "mainwindow/ListCommands.h"
#include "mainwindow/ListDisplayMenu.h"
#include "mainwindow/MainCommands.h"
#include "model/seams/ClipListBox.h"
#include "model/ListItems.h"
#include "model/ListDisplay.h"
#include "model/ListRecord.h"

#include <QAction>
#include <QMenu>

PopUpMenu::PopUpMenu(ListDisplay &display, MainCommands &commands, ListCommands &lists, ListDisplayMenu &listDisplay)
    : m_display(display), m_commands(commands), m_lists(lists), m_listDisplayMenu(listDisplay),
      m_menu(std::make_unique<QMenu>(QStringLiteral("popUpMenu")))
{
    m_menu->setObjectName(QStringLiteral("popUpMenu"));
    using enum Command;
    itemMenu = m_menu->addMenu(QStringLiteral("項目編集(&I)"));
    fill(itemMenu, {JoinItems, NameItem, ShowText, DeleteItems, Separator, FindItems});
    listMenu = m_menu->addMenu(QStringLiteral("ﾘｽﾄ編集(&L)"));
    fill(listMenu, {NewList, NameList, DeleteList, ClearList, ListInfo, Separator, OpenList, SaveOver, SaveAs,
                     Separator, AddAtTop, AddAtBottom, Separator, AddAtFocus, Separator, MoveFocus, KeepFocus});
    listDisplayMenu = listDisplay.addTwinMenu(QStringLiteral("ﾘｽﾄ表示(&W)"));
    m_menu->addMenu(listDisplayMenu);
    fill(m_menu.get(), {Separator, ShowMenuBar, ShowToolbar, AlwaysOnTop, StopCapture, Minimise});
}

PopUpMenu::~PopUpMenu() = default;

void PopUpMenu::fill(QMenu *menu, MenuEntries entries)
{
    for (const std::optional<Command> &entry : entries) {
        if (!entry) {
            menu->addSeparator();
            continue;
        }
        const CommandRow &row = commandRow(*entry);
        Q_ASSERT(row.popUpCaption);
        QAction *command = m_commands.action(*entry);
        auto *twin = new QAction(QString::fromUtf8(row.popUpCaption), this);
        twin->setCheckable(row.checkable);
        connect(twin, &QAction::triggered, command, &QAction::trigger);
        menu->addAction(twin);
        m_twins[size_t(*entry)] = twin;
    }
}

void PopUpMenu::updatePopUpMenu()
{
    m_listDisplayMenu.updateListCaptions();
    listDisplayMenu->menuAction()->setVisible(true);
    m_commands.updateListMenu();
    m_commands.updateOptionMenu();
    for (int i = 0; i < CommandCount; ++i) {
        if (QAction *twin = m_twins[size_t(i)]) {
            const QAction *command = m_commands.action(Command(i));
            twin->setChecked(command->isChecked());
            twin->setEnabled(command->isEnabled());
        }
    }

    const bool shown = m_display.paneCount() > 0;
    const int highlighted = shown ? m_display.box(m_display.focusedPane()).selectedCount() : 0;
    const bool hasItems = shown && m_lists.focusedList().items().count() > 0;
    action(Command::JoinItems)->setEnabled(highlighted > 1);
    for (Command command : {Command::NameItem, Command::ShowText, Command::DeleteItems})
        action(command)->setEnabled(hasItems);
}

void PopUpMenu::showPopUpMenu(const QPoint &globalPos)
{
    updatePopUpMenu();
    m_menu->popup(globalPos);
}
