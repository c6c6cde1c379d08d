// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/ProgramSeams.h"

#include "storage/KeptHistory.h"

#include <QStringList>
#include <memory>
#include <optional>

class ClipboardWatcher;
class HistoryStore;
class HotkeyPick;
struct ExtraSettings;
class FindBar;
class ItemCommands;
class ListCommands;
class ListDisplayMenu;
class ListFileCommands;
class ListMouse;
class MainCommands;
class MainMenus;
class PaneArea;
class PopUpMenu;
class ToolStrip;
class FontColourDialogPort;
class MessageBoxPort;
class ColourDialog;
class FontDialog;
class ProgramState;
class MainWindow;
class ListInfoDialog;
class NamingDialog;
class TextWindow;
class WindowCommands;
class MiniWindow;
class TrayIcon;
class RemoteCommands;

// Builds the program: the global state, the watcher, the commands and every window, each given
// only what it uses, and connects the events that go up between them. The program builds one
// over the system's seams; a test builds one over fakes.
class ProgramRoot {
public:
    explicit ProgramRoot(const ProgramSeams &seams);
    ~ProgramRoot();
    ProgramRoot(const ProgramRoot &) = delete;
    ProgramRoot &operator=(const ProgramRoot &) = delete;

    ProgramState &state() const { return *m_state; }
    ClipboardWatcher &watcher() const { return *m_watcher; }
    ItemCommands &itemCommands() const { return *m_itemCommands; }
    ListDisplayMenu &listDisplayMenu() const { return *m_listDisplayMenu; }
    ListCommands &listCommands() const { return *m_listCommands; }
    ListFileCommands &listFiles() const { return *m_listFiles; }
    MainWindow &window() const { return *m_window; }
    PaneArea &panes() const { return *m_panes; }
    MainCommands &commands() const { return *m_commands; }
    MainMenus &menus() const { return *m_menus; }
    TextWindow &textWindow() const { return *m_textWindow; }
    NamingDialog &nameDialog() const { return *m_nameDialog; }
    ListInfoDialog &listDataDialog() const { return *m_listData; }
    MiniWindow &miniWindow() const { return *m_mini; }
    TrayIcon &trayIcon() const { return *m_tray; }
    PopUpMenu &popUpMenu() const { return *m_popUp; }
    ToolStrip &toolStrip() const { return *m_toolStrip; }
    HistoryStore &history() const { return *m_history; }
    // Answers the commands later starts send (quillkeeper --add, ...).
    RemoteCommands &remoteCommands() const { return *m_remote; }

    // Reads the settings kept outside the settings file and, when the lists are kept between runs,
    // opens the history; what it kept is for MainWindow::startUp.
    std::optional<KeptHistory> openHistory(const QString &extraSettingsPath, const QString &historyPath);
    FindBar &findBar() const { return *m_findBar; }

    // A later start handed these files over: they open in new lists and the program comes to
    // the front.
    void openHandedFiles(const QStringList &files);
    // Takes the hotkey the settings name, once they are read.
    void grabHotkey();

private:
    void applyExtraSettings(const ExtraSettings &before, MessageBoxPort &messages);
    void applyTraySettings();

    PaneArea *m_panes; // the main window's client area, owned by the window
    std::unique_ptr<ProgramState> m_state;
    std::unique_ptr<HistoryStore> m_history; // finishes its writes before the lists go
    QString m_extraSettingsPath;
    QString m_historyPath;
    ClipboardPort &m_clipboard;
    std::unique_ptr<ClipboardWatcher> m_watcher;
    std::unique_ptr<ItemCommands> m_itemCommands;
    std::unique_ptr<ListDisplayMenu> m_listDisplayMenu;
    std::unique_ptr<ListCommands> m_listCommands;
    std::unique_ptr<ListFileCommands> m_listFiles;
    std::unique_ptr<MainWindow> m_window;
    std::unique_ptr<TextWindow> m_textWindow;
    std::unique_ptr<NamingDialog> m_nameDialog;
    std::unique_ptr<ListInfoDialog> m_listData;
    std::unique_ptr<WindowCommands> m_windowCommands;
    std::unique_ptr<MainCommands> m_commands;
    MainMenus *m_menus; // owned by the menu bar
    std::unique_ptr<FontColourDialogPort> m_systemFontColourDialogs; // when the seams give none
    // Kept for the run: the custom colours defined in the colour dialog stay offered.
    std::unique_ptr<FontDialog> m_fontDialog;
    std::unique_ptr<ColourDialog> m_colourDialog;
    std::unique_ptr<MiniWindow> m_mini;
    std::unique_ptr<ListMouse> m_listMouse;
    std::unique_ptr<PopUpMenu> m_popUp;
    ToolStrip *m_toolStrip; // owned by the pane area
    FindBar *m_findBar;     // owned by the main window
    std::unique_ptr<HotkeyPick> m_hotkeyPick; // none without a hotkey seam
    std::unique_ptr<TrayIcon> m_tray;
    std::unique_ptr<RemoteCommands> m_remote;
};
