// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ProgramRoot.h"

#include "app/RemoteCommands.h"
#include "capture/ClipboardWatcher.h"
#include "capture/ItemCommands.h"
#include "mainwindow/DividerDrag.h"
#include "mainwindow/EdgeStepper.h"
#include "mainwindow/FileDropTarget.h"
#include "mainwindow/FindBar.h"
#include "mainwindow/ListCommands.h"
#include "mainwindow/ListDisplayMenu.h"
#include "mainwindow/ListFileCommands.h"
#include "mainwindow/ListMouse.h"
#include "mainwindow/MainCommands.h"
#include "mainwindow/MainMenus.h"
#include "mainwindow/PaneArea.h"
#include "mainwindow/PopUpMenu.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/ToolStrip.h"
#include "mainwindow/WindowMover.h"
#include "model/ListCollection.h"
#include "model/ListDisplay.h"
#include "model/ProgramState.h"
#include "model/GlobalSettings.h"
#include "model/ProgramTexts.h"
#include "model/seams/ClipboardPort.h"
#include "model/seams/MessageBoxPort.h"
#include "platform/QtFontColourDialogs.h"
#include "platform/StaysOnTop.h"
#include "platform/ColourDialog.h"
#include "platform/FontDialog.h"
#include "storage/AutostartEntry.h"
#include "storage/ExtraSettingsFile.h"
#include "windows/TrayIcon.h"
#include "storage/HistoryDatabase.h"
#include "storage/HistoryStore.h"
#include "windows/SettingsDialog.h"
#include "windows/HotkeyPick.h"
#include "windows/ListInfoDialog.h"
#include "windows/NamingDialog.h"
#include "windows/TextWindow.h"
#include "windows/WindowCommands.h"
#include "windows/MiniWindow.h"
#include "windows/VersionWindow.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>

ProgramRoot::ProgramRoot(const ProgramSeams &seams)
    : m_panes(new PaneArea),
      m_state(std::make_unique<ProgramState>(*m_panes)),
      m_history(std::make_unique<HistoryStore>(m_state->lists(), m_state->display(), m_state->journal(),
                                               seams.messages)),
      m_clipboard(seams.clipboard),
      m_watcher(std::make_unique<ClipboardWatcher>(m_state->lists(), m_state->display(), m_state->settings(),
                                                   seams.clipboard)),
      m_itemCommands(std::make_unique<ItemCommands>(m_state->lists(), m_state->display(), m_state->settings(),
                                                    seams.messages)),
      m_listDisplayMenu(std::make_unique<ListDisplayMenu>(m_state->lists(), m_state->display(),
                                                      QStringLiteral("ﾘｽﾄ表示(&W)"))),
      m_listCommands(std::make_unique<ListCommands>(m_state->lists(), m_state->display(), m_state->settings(),
                                                    m_state->newListDefaults(), *m_listDisplayMenu)),
      m_listFiles(std::make_unique<ListFileCommands>(m_state->lists(), m_state->display(), *m_listCommands,
                                                     seams.messages, seams.fileDialogs)),
      m_window(std::make_unique<MainWindow>(m_state->settings(), m_state->newListDefaults(), m_state->flags, m_panes,
                                          *m_watcher, *m_itemCommands, *m_listCommands, *m_listFiles,
                                          seams.messages)),
      m_textWindow(std::make_unique<TextWindow>(m_state->lists(), m_state->settings(), m_state->flags,
                                                *m_itemCommands, *m_watcher, seams.messages, *m_window,
                                                m_window->windowSettings().text)),
      m_nameDialog(std::make_unique<NamingDialog>(m_state->lists(), *m_window, m_window->windowSettings().name)),
      m_listData(std::make_unique<ListInfoDialog>(m_state->lists(), m_state->display(), *m_window,
                                                  m_window->windowSettings().listData)),
      m_windowCommands(std::make_unique<WindowCommands>(m_state->lists(), m_state->display(), *m_textWindow,
                                                        *m_nameDialog, *m_listData)),
      m_commands(std::make_unique<MainCommands>(m_state->display(), *m_window, *m_listCommands, *m_listFiles,
                                                *m_watcher, *m_itemCommands)),
      m_menus(new MainMenus(*m_window->menuBar(), *m_commands, *m_listDisplayMenu)),
      m_mini(std::make_unique<MiniWindow>(*m_window, *m_watcher, m_window->windowSettings().mini)),
      m_listMouse(std::make_unique<ListMouse>(m_state->display(), *m_panes, *m_itemCommands)),
      m_popUp(std::make_unique<PopUpMenu>(m_state->display(), *m_commands, *m_listCommands, *m_listDisplayMenu)),
      m_toolStrip(new ToolStrip(m_state->display(), m_state->settings(), *m_commands, *m_listCommands, *m_window,
                                *m_panes)),
      m_findBar(new FindBar(m_state->lists(), m_state->display(), *m_panes, *m_watcher, m_window.get()))
{
    m_panes->setPanes(m_state->display());
    m_panes->setToolStrip(m_toolStrip);
    // The area's background, its outer bars and the toolbar's buttons move the window; the
    // divider's filter, installed later, sees a bar's events first and keeps the inner bars'
    // drags to itself.
    auto *mover = new WindowMover(*m_window);
    mover->follow(m_panes);
    for (QWidget *button : m_toolStrip->buttons())
        mover->follow(button);
    new DividerDrag(*m_panes, m_state->display());

    FontColourDialogPort *fontColour = seams.fontColourDialogs;
    if (!fontColour) {
        m_systemFontColourDialogs = std::make_unique<QtFontColourDialogs>();
        fontColour = m_systemFontColourDialogs.get();
    }
    m_fontDialog = std::make_unique<FontDialog>(*fontColour);
    m_colourDialog = std::make_unique<ColourDialog>(*fontColour);
    MessageBoxPort *messages = &seams.messages;
    QObject::connect(m_commands.get(), &MainCommands::settingsRequested, m_window.get(), [this, messages] {
        // Built anew each time: the dialog works on copies taken when it opens.
        const ExtraSettings before = m_state->extraSettings;
        {
            SettingsDialog dialog(*m_state, *m_window, *messages, *m_fontDialog, *m_colourDialog);
            m_window->showModalKeepingTop(dialog);
        }
        applyExtraSettings(before, *messages);
    });

    GlobalSettings &settings = m_state->settings();
    QObject::connect(&settings, &GlobalSettings::timerIntervalChanged, m_watcher.get(), &ClipboardWatcher::setInterval);
    QObject::connect(&settings, &GlobalSettings::barColourChanged, m_panes, &PaneArea::setBarColour);

    ListDisplay &panes = m_state->display();
    QObject::connect(&panes, &ListDisplay::focusedListFocusMode, m_watcher.get(), &ClipboardWatcher::followFocusedList);
    QObject::connect(m_panes, &PaneArea::rowReleased, m_watcher.get(), [this](PaneNumber pane) {
        if (m_state->display().positionOf(pane) >= 0)
            m_watcher->clickItem(pane);
    });
    QObject::connect(m_panes, &PaneArea::layoutRequested, m_commands.get(), &MainCommands::updateDeleteListEnabled);

    WindowCommands *windows = m_windowCommands.get();
    QObject::connect(m_commands.get(), &MainCommands::nameListRequested, m_window.get(), [windows] { windows->nameList(); });
    QObject::connect(m_commands.get(), &MainCommands::nameItemRequested, m_window.get(), [windows] { windows->nameItem(); });
    QObject::connect(m_commands.get(), &MainCommands::listInfoRequested, m_window.get(), [windows] { windows->showListData(); });
    QObject::connect(m_commands.get(), &MainCommands::showTextRequested, m_window.get(), [windows] { windows->showItemText(); });
    QObject::connect(m_panes, &PaneArea::rowDoubleClicked, m_textWindow.get(), [this](PaneNumber pane) {
        if (m_state->display().focusedPane() != pane)
            m_state->display().focusPane(pane);
        m_windowCommands->showItemText();
    });
    // The text window learns of clicks and of closed panes (its list's rows it watches itself); the
    // watcher and the mouse, of its edits.
    QObject::connect(m_watcher.get(), &ClipboardWatcher::itemClicked, m_textWindow.get(), &TextWindow::followClick);
    QObject::connect(&panes, &ListDisplay::paneClosed, m_textWindow.get(), &TextWindow::paneClosed);
    QObject::connect(m_textWindow.get(), &TextWindow::editingChanged, m_watcher.get(),
                     &ClipboardWatcher::setTextWindowEditing);
    QObject::connect(m_textWindow.get(), &TextWindow::editingChanged, m_listMouse.get(), &ListMouse::setTextWindowEditing);
    // A shown text window stays on top with the main window.
    QObject::connect(m_window.get(), &MainWindow::alwaysOnTopChanged, m_textWindow.get(), [this](bool onTop) {
        if (m_textWindow->showsItem())
            setStaysOnTop(*m_textWindow, onTop);
    });
    QObject::connect(m_watcher.get(), &ClipboardWatcher::captureSwitched, m_textWindow.get(),
                     &TextWindow::setCapturingCaption);
    // The end writes the settings before it closes the windows: their placement goes in first.
    QObject::connect(m_window.get(), &MainWindow::ending, m_textWindow.get(), &TextWindow::storePlacement);
    QObject::connect(m_window.get(), &MainWindow::ending, m_listData.get(), &ListInfoDialog::storePlacement);
    QObject::connect(m_window.get(), &MainWindow::ending, m_history.get(), &HistoryStore::finish);
    QObject::connect(m_commands.get(), &MainCommands::minimiseRequested, m_mini.get(),
                     [this](bool, bool byMouse) { m_mini->showInPlaceOfMain(byMouse); });
    QObject::connect(m_watcher.get(), &ClipboardWatcher::clipboardLooked, m_mini.get(), &MiniWindow::clipboardLooked);
    QObject::connect(m_commands.get(), &MainCommands::versionRequested, m_window.get(), [this] {
        VersionWindow box(m_window.get(), m_window->alwaysOnTop());
        m_window->showModalKeepingTop(box);
    });

    // The pop-up menu, the toolbar and the add options.
    QObject::connect(m_panes, &PaneArea::popUpRequested, m_popUp.get(), &PopUpMenu::showPopUpMenu);
    QObject::connect(m_menus, &MainMenus::menuOpened, m_toolStrip, &ToolStrip::closeField);
    QObject::connect(m_window.get(), &MainWindow::alwaysOnTopChanged, m_toolStrip, &ToolStrip::setAlwaysOnTopShown);
    QObject::connect(m_watcher.get(), &ClipboardWatcher::capturingShown, m_toolStrip, &ToolStrip::setCapturingShown);
    QObject::connect(&settings, &GlobalSettings::toolbarOpensOnHoverChanged, m_toolStrip, &ToolStrip::setToolbarOpensOnHover);
    QObject::connect(m_toolStrip, &ToolStrip::listDisplayRequested, m_popUp.get(),
                     [this](const QPoint &at) { m_popUp->listDisplayMenu->popup(at); });
    QObject::connect(m_listCommands.get(), &ListCommands::focusedFocusModeChanged, m_watcher.get(),
                     &ClipboardWatcher::followFocusedList);

    // The find bar under the lists.
    m_window->addToolBar(Qt::BottomToolBarArea, m_findBar);
    QObject::connect(m_commands.get(), &MainCommands::findRequested, m_findBar, [this] { m_findBar->open(); });
    QObject::connect(m_panes, &PaneArea::listTyped, m_findBar, &FindBar::typedInList);
    QObject::connect(&m_state->lists(), &ListCollection::rowsRearranged, m_findBar, &FindBar::rowsChanged);
    QObject::connect(&panes, &ListDisplay::paneClosed, m_findBar, &FindBar::rowsChanged);

    // Both live as long as what they watch: the stepper with the watcher, the drop target with the lists.
    new EdgeStepper(m_state->lists(), m_state->display(), m_state->settings(), *m_watcher);
    new FileDropTarget(*m_panes, *m_window, *m_listFiles);

    if (seams.hotkey) {
        m_hotkeyPick = std::make_unique<HotkeyPick>(*seams.hotkey, m_state->extraSettings, m_state->display(), *m_panes,
                                                    *m_mini, seams.messages);
        QObject::connect(m_findBar, &FindBar::picked, m_hotkeyPick.get(), &HotkeyPick::pickedElsewhere);
    }
    // Shown once the stored settings are read (openHistory): an icon switched off never flashes up.
    m_tray = std::make_unique<TrayIcon>(*m_window, *m_mini, *m_commands, m_state->display(), *m_watcher);
    m_remote = std::make_unique<RemoteCommands>(m_state->lists(), m_state->display(), *m_watcher, *m_tray,
                                                m_hotkeyPick.get());
}

void ProgramRoot::grabHotkey()
{
    if (m_hotkeyPick)
        m_hotkeyPick->applySettings();
}

ProgramRoot::~ProgramRoot() = default;

std::optional<KeptHistory> ProgramRoot::openHistory(const QString &extraSettingsPath, const QString &historyPath)
{
    m_extraSettingsPath = extraSettingsPath;
    m_historyPath = historyPath;
    m_state->extraSettings = ExtraSettingsFile(extraSettingsPath).read();
    // An entry written by a copy of the program elsewhere (an older build, a folder since moved
    // or removed) starts this one from now on. One removed from outside stays removed.
    if (m_state->extraSettings.startAtLogin && QFileInfo::exists(AutostartEntry::path()))
        AutostartEntry::write(QCoreApplication::applicationFilePath());
    m_clipboard.setKeeping(m_state->extraSettings.keepClipboard);
    m_clipboard.setLargestText(qint64(m_state->extraSettings.largestTextMiB) << 20);
    m_watcher->itemMaker().setMovingDuplicates(m_state->extraSettings.moveDuplicates);
    m_clipboard.setWatchingSelection(m_state->extraSettings.captureSelection);
    m_clipboard.setIgnoredPrograms(m_state->extraSettings.ignoredPrograms);
    applyTraySettings();
    if (!m_state->extraSettings.keepHistory) {
        // Switched off in another run, or by hand: nothing stays behind.
        HistoryDatabase::remove(historyPath);
        return std::nullopt;
    }
    return m_history->open(historyPath);
}

void ProgramRoot::applyExtraSettings(const ExtraSettings &before, MessageBoxPort &messages)
{
    ExtraSettings &now = m_state->extraSettings;
    if (now.startAtLogin != before.startAtLogin) {
        const bool done = now.startAtLogin ? AutostartEntry::write(QCoreApplication::applicationFilePath())
                                           : AutostartEntry::remove();
        if (!done) {
            // The setting stays as the session has it.
            now.startAtLogin = before.startAtLogin;
            messages.show(ProgramTexts::title(),
                          QStringLiteral("自動起動ﾌｧｲﾙ：") + QDir::toNativeSeparators(AutostartEntry::path())
                              + ProgramTexts::lineBreak() + ProgramTexts::lineBreak()
                              + QStringLiteral("ﾛｸﾞｲﾝ時の起動を設定できませんでした。"),
                          MessageBoxPort::Icon::Critical, MessageBoxPort::Buttons::Ok);
        }
    }
    if (m_hotkeyPick && (now.hotkeyOn != before.hotkeyOn || now.hotkey != before.hotkey))
        m_hotkeyPick->applySettings();
    m_clipboard.setKeeping(now.keepClipboard);
    m_clipboard.setLargestText(qint64(now.largestTextMiB) << 20);
    m_watcher->itemMaker().setMovingDuplicates(now.moveDuplicates);
    m_clipboard.setWatchingSelection(now.captureSelection);
    m_clipboard.setIgnoredPrograms(now.ignoredPrograms);
    applyTraySettings();
    if (now == before || m_extraSettingsPath.isEmpty())
        return;
    if (!ExtraSettingsFile(m_extraSettingsPath).write(now)) {
        messages.show(ProgramTexts::title(),
                      QStringLiteral("設定ﾌｧｲﾙ：") + QDir::toNativeSeparators(m_extraSettingsPath) + ProgramTexts::lineBreak()
                          + ProgramTexts::lineBreak() + QStringLiteral("設定を保存できませんでした。"),
                      MessageBoxPort::Icon::Critical, MessageBoxPort::Buttons::Ok);
    }
    if (now.keepHistory != before.keepHistory) {
        if (now.keepHistory)
            m_history->switchOn(m_historyPath);
        else
            m_history->switchOff();
    }
}

void ProgramRoot::applyTraySettings()
{
    const ExtraSettings &extra = m_state->extraSettings;
    m_tray->setEnabled(extra.trayIcon);
    m_window->setCloseHides(extra.trayIcon && extra.closeToTray);
}

void ProgramRoot::openHandedFiles(const QStringList &files)
{
    // The strip stands in for the main window while it is shown.
    QWidget &front = m_mini->miniShown() ? static_cast<QWidget &>(*m_mini) : *m_window;
    front.show();
    front.raise();
    front.activateWindow();
    m_listFiles->openHandedFiles(files);
}
