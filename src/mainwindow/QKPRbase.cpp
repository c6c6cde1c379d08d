// The main window: its switches, the keys no command carries and the end sequence.
#include "mainwindow/QKPRbase.h"

#include "capture/ClipboardWatcher.h"
#include "capture/ItemCommands.h"
#include "mainwindow/PaneArea.h"
#include "model/QKPRGrobal.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QKeyEvent>
#include <QMenuBar>

QKPRbase::QKPRbase(QKPRGrobal &grobal, PaneArea *panes, ClipboardWatcher &watcher, ItemCommands &items,
                   ListCommands &lists, ListFileCommands &files, MessageBoxPort &messages)
    : m_grobal(grobal), m_panes(panes), m_watcher(watcher), m_items(items), m_lists(lists), m_files(files),
      m_messages(messages)
{
    setCentralWidget(panes);
}

void QKPRbase::whenResize()
{
    m_panes->whenResize();
}

void QKPRbase::setMenuExpress(bool shown)
{
    // The commands stay on the window, so their keys work while the menu bar is hidden.
    for (QAction *menu : menuBar()->actions())
        menu->setVisible(shown);
    menuBar()->setVisible(shown);
    m_menuExpress = shown;
}

void QKPRbase::setTopZOrder(bool onTop)
{
    const bool visible = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    // Changing a window flag hides the window; show it again where it was.
    if (visible)
        show();
    m_topZOrder = onTop;
}

int QKPRbase::ShowModalKeepTop(QDialog &form)
{
    const bool onTop = m_topZOrder;
    const int result = form.exec();
    if (m_topZOrder != onTop)
        setTopZOrder(onTop);
    return result;
}

bool QKPRbase::StopGo() const
{
    return m_watcher.StopGo();
}

void QKPRbase::setStopGo(bool capturing)
{
    m_watcher.setStopGo(capturing);
}

void QKPRbase::setToolControl(bool shown)
{
    m_toolControl = shown;
    m_panes->setToolStripShown(shown);
}

void QKPRbase::setWindowStateNumber(int state)
{
    m_windowState = state;
    holdLayout();
}

void QKPRbase::holdLayout()
{
    m_panes->setLayoutHeld(m_loading || m_windowState == 1);
}

bool QKPRbase::KeyCommand(int key, Qt::KeyboardModifiers /*modifiers*/)
{
    if (key == Qt::Key_Delete) {
        m_items.DeleteItems();
        return true;
    }
    return false;
}

void QKPRbase::keyPressEvent(QKeyEvent *event)
{
    if (!KeyCommand(event->key(), event->modifiers()))
        QMainWindow::keyPressEvent(event);
}

void QKPRbase::closeEvent(QCloseEvent *event)
{
    EndProgram();
    event->accept();
}

void QKPRbase::EndProgram()
{
    if (m_ending)
        return;
    m_ending = true;
    emit ending();
    Ended();
    m_grobal.ProgramEnding = true;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window != this)
            window->close();
    }
    QCoreApplication::quit();
}
