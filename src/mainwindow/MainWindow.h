// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/KeptHistory.h"
#include "storage/SettingsFile.h"
#include "storage/WindowSettings.h"

#include <QMainWindow>
#include <QMargins>
#include <QRect>
#include <optional>

class ClipboardWatcher;
class QDialog;
class ItemCommands;
class ListCommands;
class ListFileCommands;
class MessageBoxPort;
class PaneArea;
class QDialog;
class GlobalSettings;
class NewListDefaults;
struct RunFlags;

// The main window: the pane area below an optional menu bar, its switches, its placement kept in
// the settings file, and the end sequence. Its commands are MainCommands' actions.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int FactoryWidth = 307;
    static constexpr int FactoryHeight = 215;
    using SizeState = MainWindowSettings::SizeState;

    // Takes the pane area as its client area.
    MainWindow(GlobalSettings &settings, NewListDefaults &defaults, RunFlags &flags, PaneArea *panes,
               ClipboardWatcher &watcher, ItemCommands &items, ListCommands &lists, ListFileCommands &files,
               MessageBoxPort &messages);

    // Where the settings are read at start-up and written at the end. Without a path (tests)
    // every setting takes its factory value and nothing is written.
    void setSettingsPath(const QString &path) { m_settingsPath = path; }
    const QString &settingsPath() const { return m_settingsPath; }
    // Every window's remembered values, as read at start-up.
    WindowSettings &windowSettings() { return m_windows; }

    // The start-up sequence; runs once before the window is first shown. The arguments are
    // clip-list files to open.
    // The lists kept from the last run, if any, come back in place of the first list.
    void startUp(const QStringList &files = {}, std::optional<KeptHistory> kept = std::nullopt);

    // Window switches kept in the settings file. Assigning runs each switch's effect.
    bool menuBarShown() const { return m_menuBarShown; }
    void setMenuBarShown(bool shown);
    // The close button (not the end command) hides the window while the notification area shows
    // the program's icon.
    void setCloseHides(bool hides) { m_closeHides = hides; }
    bool alwaysOnTop() const { return m_alwaysOnTop; }
    void setAlwaysOnTop(bool onTop);
    bool capturing() const;
    void setCapturing(bool capturing);
    bool toolbarShown() const { return m_toolbarShown; }
    void setToolbarShown(bool shown);

    // 0 normal, 1 minimised (no layout), 2 maximised.
    SizeState sizeState() const { return m_sizeState; }
    void setSizeState(SizeState state);

    // Outer frame position and size in pixels.
    int outerLeft() const;
    int outerTop() const;
    int outerWidth() const;
    int outerHeight() const;
    void setOuterBounds(const QRect &outer);

    // Between normal and maximised, back to the same bounds; does nothing unless go.
    void toggleMaximised(bool go);
    // Ends the program through its end sequence when go.
    void unloadMain(bool go);
    // Hands the help page to the desktop; a missing page is not reported.
    void openHelp();
    // Where the mini-window button of the toolbar lies, from the outer frame's top-left corner.
    QPoint miniButtonOffset() const;

    void layOutPanes();
    // Shows a dialog modally; the always-on-top switch is as it was before once the dialog closes.
    int showModalKeepingTop(QDialog &form);
    // Handles a key no command carries: Delete deletes the highlighted items; F1 with Shift or Alt
    // opens the help while the menu bar is hidden.
    bool keyCommand(int key, Qt::KeyboardModifiers modifiers);

    PaneArea &panes() const { return *m_panes; }

signals:
    // The end sequence has begun; the settings are written next.
    void ending();
    // Always on top was switched; an open text window follows.
    void alwaysOnTopChanged(bool onTop);

protected:
    bool event(QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void endProgram();
    void readSettingsAtStart();
    void writeSettingsAtEnd();
    QRect desktopRect() const;
    void holdLayout();
    QMargins frameMargins() const;
    // The normal bounds from the client area and the frame it has now.
    void rememberNormalBounds(const QRect &client);
    void restoreNormalBounds();
    void awaitNormalFrame(const QMargins &maximised, int checks);

    GlobalSettings &m_settings;
    NewListDefaults &m_defaults;
    RunFlags &m_flags;
    PaneArea *m_panes;
    ClipboardWatcher &m_watcher;
    ItemCommands &m_items;
    ListCommands &m_lists;
    ListFileCommands &m_files;
    MessageBoxPort &m_messages;
    QString m_settingsPath;
    // What the start-up found in the settings file; a file it could not use is kept aside before
    // the end writes over it.
    SettingsFile::Found m_settingsFound = SettingsFile::Found::Nothing;
    WindowSettings m_windows;
    QRect m_normalBounds;
    // The frame around the normal bounds, when they were taken from the window.
    std::optional<QMargins> m_normalFrame;
    // The stored bounds wait to be applied again once a window manager has framed the window,
    // unless the window was resized before that.
    bool m_boundsAwaitFrame = false;
    QSize m_clientSizeSet;
    bool m_loading = false;
    bool m_ending = false;
    bool m_closeHides = false;
    bool m_menuBarShown = true;
    bool m_alwaysOnTop = false;
    bool m_toolbarShown = true;
    SizeState m_sizeState = SizeState::Normal;
};
