#pragma once

#include "app/ProgramSeams.h"

#include <QStringList>
#include <memory>

class ClipboardWatcher;
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
class spgComDLColor;
class spgComDLFont;
class QKPRGrobal;
class QKPRbase;
class QKPRldata;
class QKPRname;
class QKPRtext;
class WindowCommands;
class QKPRmin;

// Builds the program: the global state, the watcher, the commands and every window, each given
// only what it uses, and connects the events that go up between them. The program builds one
// over the system's seams; a test builds one over fakes.
class ProgramRoot {
public:
    explicit ProgramRoot(const ProgramSeams &seams);
    ~ProgramRoot();
    ProgramRoot(const ProgramRoot &) = delete;
    ProgramRoot &operator=(const ProgramRoot &) = delete;

    QKPRGrobal &grobal() const { return *m_grobal; }
    ClipboardWatcher &watcher() const { return *m_watcher; }
    ItemCommands &itemCommands() const { return *m_itemCommands; }
    ListDisplayMenu &listDisplayMenu() const { return *m_listDisplay; }
    ListCommands &listCommands() const { return *m_listCommands; }
    ListFileCommands &listFiles() const { return *m_listFiles; }
    QKPRbase &window() const { return *m_window; }
    PaneArea &panes() const { return *m_panes; }
    MainCommands &commands() const { return *m_commands; }
    MainMenus &menus() const { return *m_menus; }
    QKPRtext &textWindow() const { return *m_textWindow; }
    QKPRname &nameDialog() const { return *m_nameDialog; }
    QKPRldata &listDataDialog() const { return *m_listData; }
    QKPRmin &miniWindow() const { return *m_mini; }
    PopUpMenu &popUpMenu() const { return *m_popUp; }
    ToolStrip &toolStrip() const { return *m_toolStrip; }

    // A later start handed these files over: they open in new lists and the program comes to
    // the front.
    void openHandedFiles(const QStringList &files);

private:
    PaneArea *m_panes; // the main window's client area, owned by the window
    std::unique_ptr<QKPRGrobal> m_grobal;
    std::unique_ptr<ClipboardWatcher> m_watcher;
    std::unique_ptr<ItemCommands> m_itemCommands;
    std::unique_ptr<ListDisplayMenu> m_listDisplay;
    std::unique_ptr<ListCommands> m_listCommands;
    std::unique_ptr<ListFileCommands> m_listFiles;
    std::unique_ptr<QKPRbase> m_window;
    std::unique_ptr<QKPRtext> m_textWindow;
    std::unique_ptr<QKPRname> m_nameDialog;
    std::unique_ptr<QKPRldata> m_listData;
    std::unique_ptr<WindowCommands> m_windowCommands;
    std::unique_ptr<MainCommands> m_commands;
    MainMenus *m_menus; // owned by the menu bar
    std::unique_ptr<FontColourDialogPort> m_systemFontColourDialogs; // when the seams give none
    // Kept for the run: the custom colours defined in the colour dialog stay offered.
    std::unique_ptr<spgComDLFont> m_fontDialog;
    std::unique_ptr<spgComDLColor> m_colourDialog;
    std::unique_ptr<QKPRmin> m_mini;
    std::unique_ptr<ListMouse> m_listMouse;
    std::unique_ptr<PopUpMenu> m_popUp;
    ToolStrip *m_toolStrip; // owned by the pane area
};
