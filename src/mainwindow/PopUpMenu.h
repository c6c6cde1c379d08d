// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "mainwindow/CommandTable.h"

#include <QObject>
#include <array>
#include <memory>

class ListCommands;
class ListDisplayMenu;
class MainCommands;
class QAction;
class ListDisplay;
class QMenu;
class QPoint;

// The menu a right press over the lists or bars opens. Its entries are twins with the command
// table's shorter pop-up captions that trigger the commands' actions; their marks and enabled
// states are worked out just before the menu shows.
class PopUpMenu : public QObject {
    Q_OBJECT
public:
    PopUpMenu(ListDisplay &display, MainCommands &commands, ListCommands &lists, ListDisplayMenu &listDisplay);
    ~PopUpMenu() override;

    QMenu *menu() const { return m_menu.get(); }
    QMenu *itemMenu = nullptr;
    QMenu *listMenu = nullptr;
    // The list display entries, shared with the menu bar's list display menu.
    QMenu *listDisplayMenu = nullptr;

    // The pop-up entry of a command; null for a command the pop-up does not offer.
    QAction *action(Command command) const { return m_twins[size_t(command)]; }

    void updatePopUpMenu();
    // Works out the states and shows the menu at the point.
    void showPopUpMenu(const QPoint &globalPos);

private:
    void fill(QMenu *menu, MenuEntries entries);

    ListDisplay &m_display;
    MainCommands &m_commands;
    ListCommands &m_lists;
    ListDisplayMenu &m_listDisplayMenu;
    std::unique_ptr<QMenu> m_menu;
    std::array<QAction *, CommandCount> m_twins{};
};
