// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QMenu>
#include <QObject>
#include <QSystemTrayIcon>

class ClipboardWatcher;
class ListDisplay;
class MainCommands;
class MainWindow;
class MiniWindow;

// The program's icon in the desktop's notification area: greyed with a pause mark while capture
// is stopped, lit like the mini window's lamp when a text is captured. A left click hides or shows
// the window, the mini window in its mode; its menu does the same, switches capture, copies one of
// the focused list's five newest items, opens the settings and ends the program. Nothing runs
// while nothing happens.
class TrayIcon : public QObject {
    Q_OBJECT
public:
    TrayIcon(MainWindow &window, MiniWindow &mini, MainCommands &commands, ListDisplay &display,
             ClipboardWatcher &watcher);

    // Shown while on, whenever the desktop has a notification area.
    void setEnabled(bool enabled);
    QSystemTrayIcon &icon() { return m_icon; }
    QMenu &menu() { return m_menu; }
    void toggleWindow();
    // The main window, or the mini window while it stands in for it, is up on the desktop.
    bool windowShown() const;

private:
    void fillMenu();
    void showState(bool capturing, bool lit);

    MainWindow &m_window;
    MiniWindow &m_mini;
    MainCommands &m_commands;
    ListDisplay &m_display;
    ClipboardWatcher &m_watcher;
    QSystemTrayIcon m_icon;
    QMenu m_menu;
    // Drawn once: a capture only switches between them.
    const QIcon m_capturingPicture;
    const QIcon m_litPicture;
    const QIcon m_stoppedPicture;
    bool m_capturing = true;
    bool m_lit = false;
};
