// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: its switches, the keys no command carries and the end sequence.
#include "mainwindow/MainWindow.h"

#include "capture/ClipboardWatcher.h"
#include "capture/ItemCommands.h"
#include "mainwindow/PaneArea.h"
#include "model/RunFlags.h"
#include "model/ProgramTexts.h"
#include "model/seams/MessageBoxPort.h"
#include "platform/ProgramFolders.h"
#include "platform/StaysOnTop.h"

#include <QApplication>
#include <QCloseEvent>
#include <QSystemTrayIcon>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QDialog>
#include <QUrl>
#include <QKeyEvent>
#include <QMenuBar>

MainWindow::MainWindow(GlobalSettings &settings, NewListDefaults &defaults, RunFlags &flags, PaneArea *panes,
                       ClipboardWatcher &watcher, ItemCommands &items, ListCommands &lists, ListFileCommands &files,
                       MessageBoxPort &messages)
    : m_settings(settings), m_defaults(defaults), m_flags(flags), m_panes(panes), m_watcher(watcher), m_items(items),
      m_lists(lists), m_files(files), m_messages(messages)
{
    setCentralWidget(panes);
}

void MainWindow::layOutPanes()
{
    m_panes->layOutPanes();
}

void MainWindow::setMenuBarShown(bool shown)
{
    // The commands stay on the window, so their keys work while the menu bar is hidden.
    for (QAction *menu : menuBar()->actions())
        menu->setVisible(shown);
    menuBar()->setVisible(shown);
    m_menuBarShown = shown;
}

void MainWindow::setAlwaysOnTop(bool onTop)
{
    setStaysOnTop(*this, onTop);
    m_alwaysOnTop = onTop;
    emit alwaysOnTopChanged(onTop);
}

int MainWindow::showModalKeepingTop(QDialog &form)
{
    const bool onTop = m_alwaysOnTop;
    const int result = form.exec();
    if (m_alwaysOnTop != onTop)
        setAlwaysOnTop(onTop);
    return result;
}

bool MainWindow::capturing() const
{
    return m_watcher.capturing();
}

void MainWindow::setCapturing(bool capturing)
{
    m_watcher.setCapturing(capturing);
}

void MainWindow::setToolbarShown(bool shown)
{
    m_toolbarShown = shown;
    m_panes->setToolStripShown(shown);
}

void MainWindow::toggleMaximised(bool go)
{
    if (!go)
        return;
    if (m_sizeState == SizeState::Normal) {
        rememberNormalBounds(geometry());
        m_sizeState = SizeState::Maximised;
        showMaximized();
    } else {
        m_sizeState = SizeState::Normal;
        showNormal();
        restoreNormalBounds();
    }
}

void MainWindow::unloadMain(bool go)
{
    if (go)
        close();
}

void MainWindow::openHelp()
{
    const QString page = ProgramFolders(QCoreApplication::applicationDirPath()).helpPage();
    // A page that is not there would only be reported by the browser, if at all.
    if (!QFileInfo::exists(page) || !QDesktopServices::openUrl(QUrl::fromLocalFile(page)))
        m_messages.show(ProgramTexts::title(),
                        QStringLiteral("ﾍﾙﾌﾟﾌｧｲﾙ：") + QDir::toNativeSeparators(page) + ProgramTexts::lineBreak()
                            + ProgramTexts::lineBreak() + QStringLiteral("ﾍﾙﾌﾟを開けませんでした。"),
                        MessageBoxPort::Icon::Warning, MessageBoxPort::Buttons::Ok);
}

QPoint MainWindow::miniButtonOffset() const
{
    // The toolbar's sixth button, at the top of the client area below the menu bar.
    static constexpr QPoint buttonInStrip(115, 1);
    return m_panes->mapTo(this, buttonInStrip) + (geometry().topLeft() - frameGeometry().topLeft());
}

void MainWindow::setSizeState(SizeState state)
{
    m_sizeState = state;
    holdLayout();
}

void MainWindow::holdLayout()
{
    m_panes->setLayoutHeld(m_loading || m_sizeState == SizeState::Minimised);
}

bool MainWindow::keyCommand(int key, Qt::KeyboardModifiers modifiers)
{
    if (key == Qt::Key_Delete) {
        m_items.deleteItems();
        return true;
    }
    // Plain F1 is the help command's own key; with the menu bar hidden F1 also opens the help
    // with Shift or Alt held (with Ctrl alone it does nothing).
    modifiers &= ~Qt::KeypadModifier;
    if (key == Qt::Key_F1 && !m_menuBarShown && modifiers != Qt::ControlModifier) {
        openHelp();
        return true;
    }
    return false;
}

void MainWindow::keyPressEvent(QKeyEvent *event)
{
    if (!keyCommand(event->key(), event->modifiers()))
        QMainWindow::keyPressEvent(event);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // Only the window manager's close is spontaneous; the end command closes the window itself.
    if (m_closeHides && event->spontaneous() && !m_ending && QSystemTrayIcon::isSystemTrayAvailable()) {
        hide();
        event->ignore();
        return;
    }
    endProgram();
    event->accept();
}

void MainWindow::endProgram()
{
    if (m_ending)
        return;
    m_ending = true;
    emit ending();
    writeSettingsAtEnd();
    m_flags.ending = true;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window != this)
            window->close();
    }
    QCoreApplication::quit();
}
