// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "mainwindow/CommandTable.h"

#include <QList>
#include <QObject>
#include <functional>

class ClipboardWatcher;
class ItemCommands;
class ListCommands;
class ListFileCommands;
class QAction;
class ListDisplay;
class MainWindow;
class QWidget;

// Every command of the main window as one QAction, made from its row of the command table.
// The menu bar, the pop-up menu, the toolbar and the keys all trigger these actions. Each is
// also added to the window, so its shortcut works while the menu bar is hidden.
class MainCommands : public QObject {
    Q_OBJECT
public:
    MainCommands(ListDisplay &display, MainWindow &window, ListCommands &lists, ListFileCommands &files,
                 ClipboardWatcher &watcher, ItemCommands &items);

    // The actions in the order of the command table.
    const QList<QAction *> &actions() const { return m_actions; }
    QAction *action(Command command) const { return m_actions.at(qsizetype(command)); }

    // Check marks and enabled states, worked out when a menu is about to show.
    void updateListMenu();
    // Delete list is offered only while more than one list is shown.
    void updateDeleteListEnabled();
    void updateOptionMenu();

    // The toolbar's mini-window button: the mini window opens in the button's place.
    void minimiseFromToolbar();

signals:
    // The settings command: the composition root shows the settings dialog.
    void settingsRequested();
    // Commands that open the windows above the main window (the root connects them).
    void nameListRequested();
    void nameItemRequested();
    void listInfoRequested();
    void showTextRequested();
    // The mini window is to replace the main window; fromToolbar when the toolbar's button asked,
    // byMouse false when the key asked.
    void minimiseRequested(bool fromToolbar, bool byMouse);
    // The version box is to be shown.
    void versionRequested();
    // The find bar is to open.
    void findRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // What a command does.
    std::function<void()> work(Command command);

    ListDisplay &m_display;
    MainWindow &m_window;
    ListCommands &m_lists;
    ListFileCommands &m_files;
    ClipboardWatcher &m_watcher;
    ItemCommands &m_items;
    QList<QAction *> m_actions;
    bool m_minimiseByKey = false;
    bool m_minimiseFromToolbar = false;
};
