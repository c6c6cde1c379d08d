#pragma once

#include "capture/WatcherTimer.h"
#include "model/PaneHost.h"
#include "platform/FontTextWidth.h"
#include "storage/GrobalTarget.h"
#include "storage/WindowSettings.h"

#include <QMainWindow>
#include <QRect>
#include <functional>
#include <memory>
#include <vector>

class ClipList;
class ClipboardPort;
class ClipboardWatcher;
class ItemCommands;
class ListFileCommands;
class FileDialogPort;
class MessageBoxPort;
class MainMenus;
class QFrame;
class QKPRGrobal;
class QTimer;

// The main window: the shown clip lists stacked one above the other, each in its own list box,
// with 3-pixel bars between them, below an optional toolbar strip.
class QKPRbase : public QMainWindow, public PaneHost, public GrobalTarget, public WatcherTimer {
    Q_OBJECT
public:
    static constexpr int BarHeight = 3;
    static constexpr int ToolStripHeight = 19;
    static constexpr int FactoryWidth = 307;
    static constexpr int FactoryHeight = 215;

    // Watches the system clipboard, asks in message boxes and file dialogs, or uses the given
    // ones (tests).
    explicit QKPRbase(QKPRGrobal &grobal, ClipboardPort *clipboard = nullptr, MessageBoxPort *messages = nullptr,
                      FileDialogPort *fileDialogs = nullptr, QWidget *parent = nullptr);
    ~QKPRbase() override;

    // Where the settings are read at start-up and written at the end. Without a path (tests)
    // every setting takes its factory value and nothing is written.
    void setSettingsPath(const QString &path) { m_settingsPath = path; }
    // Every window's remembered values, as read at start-up.
    WindowSettings &windowSettings() { return m_windows; }

    // The start-up sequence; runs once before the window is first shown. The arguments are
    // clip-list files to open.
    void loadForm(const QStringList &files = {});

    // Window switches kept in the settings file. Assigning runs each switch's effect.
    bool MenuExpress() const { return m_menuExpress; }
    void setMenuExpress(bool shown);
    bool TopZOrder() const { return m_topZOrder; }
    void setTopZOrder(bool onTop);
    bool StopGo() const;
    void setStopGo(bool capturing);
    bool ToolControl() const { return m_toolControl; }
    void setToolControl(bool shown);

    // 0 normal, 1 minimised (no layout), 2 maximised.
    int windowStateNumber() const { return m_windowState; }
    void setWindowStateNumber(int state) { m_windowState = state; }

    // Outer frame position and size in pixels.
    int PixLeft() const;
    int PixTop() const;
    int PixWidth() const;
    int PixHeight() const;
    void setPixBounds(const QRect &outer);

    // Commands.
    void MakeNewList();
    void DeleteList();
    void ListWinChange(int index);
    // Handles a key the menus do not: Delete always, the Ctrl shortcuts while the menu bar is hidden.
    bool KeyCommand(int key, Qt::KeyboardModifiers modifiers);

    // Runs first in the end sequence, before the settings are written.
    void setEndedHook(std::function<void()> hook) { m_endedHook = std::move(hook); }

    // PaneHost
    ClipListBox &clipList(qint16 pane) override;
    void loadClipList(qint16 pane) override;
    void unloadClipList(qint16 pane) override;
    void loadBar(qint16 index) override;
    void unloadBar(qint16 index) override;
    void setBarPointer(qint16 index, int pointer) override;
    void whenResize() override;
    void setFontSize(float points) override;
    void setFontName(const QString &family) override;
    void ListClipActive(qint16 movAdd) override;
    double textWidth(QStringView text) const override { return m_meter.textWidth(text); }

    // WatcherTimer
    bool timerRunning() const override;
    void setTimerRunning(bool running) override;

    // GrobalTarget
    void setTimerInterval(int milliseconds) override;
    void setBarColour(qint16 bar, Colour colour) override;

    // The list box of a pane and a bar as whenResize placed them, for the menus and checks.
    ClipList *clipListWidget(qint16 pane) const;
    QFrame *barWidget(qint16 index) const;
    int barCount() const { return int(m_bars.size()); }
    QWidget *clientArea() const { return m_client; }
    MainMenus &menus() const { return *m_menus; }
    QTimer &looker() const { return *m_looker; }
    ClipboardWatcher &watcher() const { return *m_watcher; }
    ItemCommands &itemCommands() const { return *m_itemCommands; }
    ListFileCommands &listFiles() const { return *m_listFiles; }

protected:
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    ClipList *makeClipList();
    qint16 paneOf(const ClipList *list) const;
    void EndProgram();
    void Started();
    void Ended();
    QRect desktopRect() const;
    void applyBarColour(QFrame *bar);
    double pixelsPerPoint() const;

    QKPRGrobal &m_grobal;
    QWidget *m_client = nullptr;
    MainMenus *m_menus = nullptr;
    std::vector<ClipList *> m_clipLists; // by pane number; null where no pane is loaded
    std::vector<QFrame *> m_bars;        // bar 0 is the top edge
    Colour m_barColour = 0;
    bool m_barColourSet = false;
    FontTextWidth m_meter;
    QTimer *m_looker = nullptr;
    std::unique_ptr<ClipboardPort> m_ownClipboard;
    std::unique_ptr<ClipboardWatcher> m_watcher;
    std::unique_ptr<MessageBoxPort> m_ownMessages;
    std::unique_ptr<ItemCommands> m_itemCommands;
    std::unique_ptr<FileDialogPort> m_ownFileDialogs;
    std::unique_ptr<ListFileCommands> m_listFiles;
    std::function<void()> m_endedHook;
    QString m_settingsPath;
    WindowSettings m_windows;
    QRect m_normalBounds;
    MessageBoxPort *m_messages = nullptr;
    bool m_loading = false;
    bool m_inLayout = false;
    bool m_growthQueued = false;
    bool m_ending = false;
    bool m_menuExpress = true;
    bool m_topZOrder = false;
    bool m_toolControl = true;
    int m_windowState = 0;
};
