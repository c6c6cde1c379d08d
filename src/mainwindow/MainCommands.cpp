// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/MainCommands.h"

#include "capture/ClipboardWatcher.h"
#include "capture/ItemCommands.h"
#include "mainwindow/ListCommands.h"
#include "mainwindow/ListFileCommands.h"
#include "mainwindow/MainWindow.h"
#include "model/ListDisplay.h"
#include "model/ListRecord.h"

#include <QAction>
#include <QEvent>
#include <utility>
#include <QWidget>

MainCommands::MainCommands(ListDisplay &display, MainWindow &window, ListCommands &lists, ListFileCommands &files,
                           ClipboardWatcher &watcher, ItemCommands &items)
    : m_display(display), m_window(window), m_lists(lists), m_files(files), m_watcher(watcher), m_items(items)
{
    for (const CommandRow &row : commandRows()) {
        auto *action = new QAction(QString::fromUtf8(row.caption), this);
        action->setShortcut(row.shortcut);
        action->setCheckable(row.checkable);
        connect(action, &QAction::triggered, this, work(row.command));
        m_window.addAction(action);
        m_actions.append(action);
    }
    action(Command::Minimise)->installEventFilter(this);
}

std::function<void()> MainCommands::work(Command command)
{
    switch (command) {
    case Command::NewList: return [this] { m_lists.makeNewList(); };
    case Command::DeleteList: return [this] { m_lists.deleteList(); };
    case Command::OpenList: return [this] { m_files.openListWithDialog(); };
    case Command::SaveOver: return [this] { m_files.saveOver(); };
    case Command::SaveAs: return [this] { m_files.saveListWithDialog(); };
    case Command::AddAtTop: return [this] { m_lists.setAddAtBottom(false); };
    case Command::AddAtBottom: return [this] { m_lists.setAddAtBottom(true); };
    case Command::AddAtFocus: return [this] { m_lists.setAddAtFocus(!m_lists.focusedList().addAtFocus); };
    case Command::MoveFocus: return [this] { m_lists.setFocusMode(FocusMode::MovesAtScreenEdges); };
    case Command::KeepFocus: return [this] { m_lists.setFocusMode(FocusMode::Stays); };
    case Command::EndProgram: return [this] { m_window.close(); };
    case Command::StopCapture: return [this] { m_watcher.setCapturing(!m_watcher.capturing()); };
    case Command::Settings: return [this] { emit settingsRequested(); };
    case Command::NameList: return [this] { emit nameListRequested(); };
    case Command::ClearList: return [this] { m_lists.clearList(); };
    case Command::ListInfo: return [this] { emit listInfoRequested(); };
    case Command::ShowText: return [this] { emit showTextRequested(); };
    // The item commands decide themselves what they can do.
    case Command::NameItem: return [this] { emit nameItemRequested(); };
    case Command::JoinItems: return [this] { m_items.joinItems(); };
    case Command::DeleteItems: return [this] { m_items.deleteItems(); };
    case Command::FindItems: return [this] { emit findRequested(); };
    case Command::Maximise: return [this] { m_window.toggleMaximised(true); };
    case Command::ShowMenuBar: return [this] { m_window.setMenuBarShown(!m_window.menuBarShown()); };
    case Command::ShowToolbar: return [this] { m_window.setToolbarShown(!m_window.toolbarShown()); };
    case Command::AlwaysOnTop: return [this] { m_window.setAlwaysOnTop(!m_window.alwaysOnTop()); };
    // From the menu the mini window opens under the mouse, from the key centred on the window.
    case Command::Minimise:
        return [this] {
            const bool fromToolbar = std::exchange(m_minimiseFromToolbar, false);
            emit minimiseRequested(fromToolbar, !std::exchange(m_minimiseByKey, false));
        };
    case Command::Help: return [this] { m_window.openHelp(); };
    case Command::Version: return [this] { emit versionRequested(); };
    }
    return {};
}

bool MainCommands::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Shortcut)
        m_minimiseByKey = true;
    return QObject::eventFilter(watched, event);
}

void MainCommands::minimiseFromToolbar()
{
    m_minimiseFromToolbar = true;
    action(Command::Minimise)->trigger();
    m_minimiseFromToolbar = false;
}

void MainCommands::updateDeleteListEnabled()
{
    action(Command::DeleteList)->setEnabled(m_display.paneCount() > 1);
}

void MainCommands::updateListMenu()
{
    updateDeleteListEnabled();
    if (m_display.paneCount() < 1)
        return;
    const ListRecord &focused = m_lists.focusedList();
    action(Command::AddAtTop)->setChecked(!focused.addAtBottom);
    action(Command::AddAtBottom)->setChecked(focused.addAtBottom);
    action(Command::AddAtFocus)->setChecked(focused.addAtFocus);
    // A value from a damaged file leaves both marks as they were.
    if (isKnownFocusMode(focused.focusMode)) {
        action(Command::MoveFocus)->setChecked(focused.focusMode == FocusMode::MovesAtScreenEdges);
        action(Command::KeepFocus)->setChecked(focused.focusMode == FocusMode::Stays);
    }
}

void MainCommands::updateOptionMenu()
{
    action(Command::StopCapture)->setChecked(!m_watcher.capturing());
    action(Command::ShowMenuBar)->setChecked(m_window.menuBarShown());
    action(Command::ShowToolbar)->setChecked(m_window.toolbarShown());
    action(Command::AlwaysOnTop)->setChecked(m_window.alwaysOnTop());
}
