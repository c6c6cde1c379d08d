// Commands of the menus and keys, the window switches and the end sequence.
#include "mainwindow/QKPRbase.h"

#include "app/QKPRGrobal.h"
#include "capture/ClipboardWatcher.h"
#include "capture/ItemCommands.h"
#include "mainwindow/ListDisplayMenu.h"
#include "mainwindow/ListFileCommands.h"
#include "mainwindow/MainMenus.h"
#include "model/ListControl.h"
#include "model/ListExControl.h"
#include "platform/ClipList.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>

void QKPRbase::MakeNewList()
{
    ListControl &lists = m_grobal.listControl();
    const qint16 list = lists.lcMakeList();
    if (list == ListControl::Refused)
        return;
    lists.lcExList(list);
    m_menus->Windowsnu->AddListMenu();
    m_grobal.NumberSameName(list);
}

void QKPRbase::DeleteList()
{
    ListExControl &panes = m_grobal.listExControl();
    // The only shown list is never deleted: a window without a list has nothing to capture into.
    if (panes.UBEx() <= 1)
        return;
    const qint16 pane = panes.lecListFocus();
    const qint16 list = m_grobal.getOLx(pane);
    panes.lecUnExList(pane);
    m_grobal.listControl().lcDelList(list);
    m_menus->Windowsnu->DelListMenu();
    m_grobal.ClearTextSave(pane);
}

void QKPRbase::ListWinChange(int index)
{
    ListDisplayMenu &menu = *m_menus->Windowsnu;
    ListExControl &panes = m_grobal.listExControl();
    if (index < 0 || index >= menu.entryCount())
        return;
    if (index < panes.UBEx()) {
        // A shown list: hide it, unless it is the last one shown.
        if (panes.UBEx() <= 1)
            return;
        const qint16 pane = panes.lecEx(qint16(index));
        panes.lecUnExList(pane);
        TextHandOff &text = m_grobal.text;
        if (text.textSave && text.cLx == pane && panes.UBEx() > 1)
            text.textSave = false;
        return;
    }
    const qint16 list = menu.listAt(index);
    if (list >= 0 && list < m_grobal.listControl().UB())
        m_grobal.listControl().lcExList(list);
}

void QKPRbase::setMenuExpress(bool shown)
{
    m_menus->setMenusVisible(shown);
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

bool QKPRbase::StopGo() const
{
    return m_watcher->StopGo();
}

void QKPRbase::setStopGo(bool capturing)
{
    m_watcher->setStopGo(capturing);
}

void QKPRbase::setToolControl(bool shown)
{
    m_toolControl = shown;
    whenResize();
}

bool QKPRbase::KeyCommand(int key, Qt::KeyboardModifiers modifiers)
{
    if (key == Qt::Key_Delete) {
        m_itemCommands->DeleteItems();
        return true;
    }
    if (m_menuExpress)
        return false;
    if (modifiers == Qt::ControlModifier) {
        switch (key) {
        case Qt::Key_A: setStopGo(!StopGo()); return true;
        case Qt::Key_D: DeleteList(); return true;
        case Qt::Key_E: setTopZOrder(!m_topZOrder); return true;
        case Qt::Key_N: MakeNewList(); return true;
        case Qt::Key_O: m_listFiles->OpenListDialog(); return true;
        case Qt::Key_S: m_listFiles->OverSave(); return true;
        case Qt::Key_Q: close(); return true;
        default: return false;
        }
    }
    return false;
}

void QKPRbase::keyPressEvent(QKeyEvent *event)
{
    if (!KeyCommand(event->key(), event->modifiers()))
        QMainWindow::keyPressEvent(event);
}

bool QKPRbase::eventFilter(QObject *watched, QEvent *event)
{
    // The lists fill the client area, which also changes size when the menu bar comes or goes.
    if (watched == m_client && event->type() == QEvent::Resize)
        whenResize();
    // Keys pressed in a list box reach the window's key handler first.
    if (event->type() == QEvent::KeyPress && qobject_cast<ClipList *>(watched)) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (KeyCommand(key->key(), key->modifiers()))
            return true;
    }
    return QMainWindow::eventFilter(watched, event);
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
    if (m_endedHook)
        m_endedHook();
    Ended();
    m_grobal.ProgramEnding = true;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window != this)
            window->close();
    }
    QCoreApplication::quit();
}
