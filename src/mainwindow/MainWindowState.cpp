// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up, the settings read and written around the run, and the window's placement.
#include "mainwindow/MainWindow.h"

#include "capture/ClipboardWatcher.h"
#include "mainwindow/ListCommands.h"
#include "mainwindow/ListFileCommands.h"
#include "mainwindow/PaneArea.h"
#include "model/seams/MessageBoxPort.h"
#include "model/ProgramTexts.h"
#include "model/ListItems.h"
#include "model/ListRecord.h"
#include "model/ListDisplay.h"
#include "model/NewListDefaults.h"
#include "model/GlobalSettings.h"
#include "platform/DesktopArea.h"
#include "storage/KeptHistory.h"
#include "storage/SettingsFile.h"

#include <QGuiApplication>
#include <QTimer>

void MainWindow::startUp(const QStringList &files, std::optional<KeptHistory> kept)
{
    m_loading = true;
    holdLayout();
    setWindowTitle(ProgramTexts::title());

    readSettingsAtStart();
    // The newest item kept is most likely still on the clipboard: it is not captured again.
    if (kept)
        m_watcher.setLastSeenText(m_lists.restoreLists(*kept));
    else
        m_lists.makeFirstList();

    setMenuBarShown(m_menuBarShown);
    setAlwaysOnTop(m_alwaysOnTop);
    setCapturing(capturing());
    setToolbarShown(m_toolbarShown);

    m_loading = false;
    holdLayout();
    layOutPanes();
    // Items brought back are never replaced by a file: it opens in a new list.
    m_files.openCommandLineFiles(files, m_lists.focusedList().items().count() > 0);
}

QRect MainWindow::desktopRect() const
{
    return DesktopArea::rect();
}

void MainWindow::readSettingsAtStart()
{
    const QRect desktop = desktopRect();
    if (m_settingsPath.isEmpty()) {
        m_settings.setFactoryValues();
        m_settings.applyToWindows();
        m_defaults.setFactoryValues();
        m_windows = WindowSettings();
        m_windows.main.setFactory(desktop);
    } else {
        SettingsFile file(m_settings, m_defaults, m_windows);
        m_settingsFound = file.readSettingsAtStart(m_settingsPath, desktop);
        const QString problem = SettingsFile::startProblemText(m_settingsFound, m_settingsPath, file.errorString(), ProgramTexts::lineBreak());
        const auto icon = m_settingsFound == SettingsFile::Found::Unreadable ? MessageBoxPort::Icon::Critical
                                                                              : MessageBoxPort::Icon::Warning;
        // Told once the window is up, and not waited for: nobody may be there to answer at a login.
        if (!problem.isEmpty())
            QTimer::singleShot(0, this, [this, problem, icon] { m_messages.notify(SettingsFile::startProblemTitle(), problem, icon); });
    }
    const MainWindowSettings &main = m_windows.main;
    // The switches are stored now and take effect when the start-up assigns them their values.
    m_menuBarShown = main.menuBarShown;
    m_alwaysOnTop = main.alwaysOnTop;
    m_watcher.restoreCapturing(main.capturing);
    m_toolbarShown = main.toolbarShown;
    m_normalBounds = QRect(main.Left, main.Top, main.Width, main.Height);
    setOuterBounds(m_normalBounds);
    // On X11 the window manager frames the window only once it is shown: until then the size set
    // is the client's, and the frame would make the window grow at every restart.
    m_boundsAwaitFrame = QGuiApplication::platformName() == QLatin1String("xcb");
    m_clientSizeSet = geometry().size();
    m_sizeState = main.sizeState;
    if (m_sizeState == SizeState::Maximised)
        setWindowState(windowState() | Qt::WindowMaximized);
}

void MainWindow::writeSettingsAtEnd()
{
    MainWindowSettings &main = m_windows.main;
    main.menuBarShown = m_menuBarShown;
    main.alwaysOnTop = m_alwaysOnTop;
    main.capturing = capturing();
    main.toolbarShown = m_toolbarShown;
    main.sizeState = m_sizeState == SizeState::Maximised ? m_sizeState : SizeState::Normal;
    const QRect bounds = m_sizeState == SizeState::Normal ? QRect(outerLeft(), outerTop(), outerWidth(), outerHeight())
                                                                     : m_normalBounds;
    main.Left = bounds.left();
    main.Top = bounds.top();
    main.Width = bounds.width();
    main.Height = bounds.height();
    if (m_settingsPath.isEmpty())
        return;
    SettingsFile file(m_settings, m_defaults, m_windows);
    if (!file.writeSettingsAtEnd(m_settingsPath, m_settingsFound, desktopRect())) {
        m_messages.show(ProgramTexts::title(),
                        QStringLiteral("設定ﾌｧｲﾙ：") + m_settingsPath + ProgramTexts::lineBreak() + ProgramTexts::lineBreak() +
                            QStringLiteral("設定を保存できませんでした。") + ProgramTexts::lineBreak() + file.errorString(),
                        MessageBoxPort::Icon::Critical, MessageBoxPort::Buttons::Ok);
    }
}

int MainWindow::outerLeft() const { return frameGeometry().left(); }
int MainWindow::outerTop() const { return frameGeometry().top(); }
int MainWindow::outerWidth() const { return frameGeometry().width(); }
int MainWindow::outerHeight() const { return frameGeometry().height(); }

void MainWindow::setOuterBounds(const QRect &outer)
{
    // Qt sizes the client area and places the frame; the frame's extra size is known once shown.
    const QRect frame = frameGeometry();
    const QRect client = geometry();
    const int extraWidth = frame.width() - client.width();
    const int extraHeight = frame.height() - client.height();
    resize(qMax(1, outer.width() - extraWidth), qMax(1, outer.height() - extraHeight));
    move(outer.topLeft());
}

QMargins MainWindow::frameMargins() const
{
    const QRect frame = frameGeometry();
    const QRect client = geometry();
    return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
            frame.bottom() - client.bottom()};
}

void MainWindow::rememberNormalBounds(const QRect &client)
{
    m_normalFrame = frameMargins();
    m_normalBounds = client.marginsAdded(*m_normalFrame);
}

void MainWindow::restoreNormalBounds()
{
    // The frame a window manager gives a maximised window is not its normal one, and stays until
    // the manager has restored the window: the client area is placed with the frame it had when
    // the bounds were taken. Bounds read from the settings file came without a frame: they are
    // placed again once the manager has given the window its normal frame.
    const QMargins frame = m_normalFrame.value_or(frameMargins());
    if (!m_normalFrame)
        awaitNormalFrame(frame, 60);
    setGeometry(m_normalBounds.marginsRemoved(frame));
}

void MainWindow::awaitNormalFrame(const QMargins &maximised, int checks)
{
    // The window system tells of a new frame without an event of its own: it is looked for a
    // few times a second, for a while.
    QTimer::singleShot(50, this, [this, maximised, checks] {
        if (m_normalFrame || isMaximized())
            return;
        if (frameMargins() != maximised) {
            m_normalFrame = frameMargins();
            setGeometry(m_normalBounds.marginsRemoved(*m_normalFrame));
        } else if (checks > 1) {
            awaitNormalFrame(maximised, checks - 1);
        }
    });
}

bool MainWindow::event(QEvent *event)
{
    const bool handled = QMainWindow::event(event);
    switch (event->type()) {
    case QEvent::Show:
        // Without a window manager no frame ever comes.
        if (m_boundsAwaitFrame)
            QTimer::singleShot(3000, this, [this] { m_boundsAwaitFrame = false; });
        break;
    case QEvent::Move:
    case QEvent::Resize:
        if (m_boundsAwaitFrame && isVisible() && frameGeometry() != geometry()) {
            m_boundsAwaitFrame = false;
            if (m_sizeState == SizeState::Normal && geometry().size() == m_clientSizeSet)
                setOuterBounds(m_normalBounds);
        }
        break;
    default: break;
    }
    return handled;
}

void MainWindow::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) {
        // Maximised from the window frame: remember the normal bounds as the toggle command does.
        if (isMaximized() && m_sizeState == SizeState::Normal) {
            rememberNormalBounds(normalGeometry());
            m_sizeState = SizeState::Maximised;
        } else if (!isMaximized() && !isMinimized() && m_sizeState == SizeState::Maximised) {
            m_sizeState = SizeState::Normal;
            restoreNormalBounds();
        }
        layOutPanes();
    }
}
