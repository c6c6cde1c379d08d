#include "capture/ClipboardWatcher.h"

#include "app/QKPRGrobal.h"
#include "capture/CaptureLamp.h"
#include "capture/ClipboardPort.h"
#include "capture/WatcherTimer.h"
#include "model/ItemControl.h"
#include "model/ListControl.h"
#include "model/ListExControl.h"
#include "model/ListOb.h"
#include "storage/UtilityGrobal.h"

ClipboardWatcher::ClipboardWatcher(QKPRGrobal &grobal, ClipboardPort &clipboard, WatcherTimer &timer)
    : m_grobal(grobal), m_clipboard(clipboard), m_timer(timer), m_itemMaker(grobal)
{
}

void ClipboardWatcher::Looker_Timer()
{
    ListExControl &panes = m_grobal.listExControl();
    if (panes.UBEx() < 1)
        return;
    const qint16 pane = panes.lecListFocus();
    const qint16 list = m_grobal.getOLx(pane);
    if (m_grobal.GoState)
        LookClipBoard(pane, list);
    if (m_grobal.listControl().lcListOb(list).MovAdd == 0 && m_edgeHook)
        m_edgeHook(pane, list);
}

void ClipboardWatcher::LookClipBoard(qint16 pane, qint16 list)
{
    if (m_clipboard.hasPlainText()) {
        const QString text = GetClipText();
        if (text.isEmpty())
            return;
        if (text != m_lastClipText) {
            // Seen first: a text that cannot be added is not offered again on every tick.
            m_lastClipText = text;
            m_itemMaker.MakeItems(pane, list, text);
            if (m_lamp && m_lamp->MinVis())
                m_lamp->AccClChangeOn();
            return;
        }
    }
    if (m_lamp && m_lamp->MinVis() && m_lamp->AccClLump())
        m_lamp->AccClChangeOff();
}

QString ClipboardWatcher::GetClipText()
{
    return m_clipboard.readText(m_grobal.utilityGrobal().HTMLReco);
}

void ClipboardWatcher::SetClipText(const QString &text)
{
    m_clipboard.writeText(text, m_grobal.utilityGrobal().HTMLReco);
}

void ClipboardWatcher::SynchronizeClipBoardSaved()
{
    const QString text = GetClipText();
    if (text != m_lastClipText)
        m_lastClipText = text;
}

void ClipboardWatcher::setTimer(bool enabled)
{
    if (m_timer.timerRunning() != enabled)
        m_timer.setTimerRunning(enabled);
}

void ClipboardWatcher::SetGo(bool capturing)
{
    m_grobal.GoState = capturing;
    if (capturing) {
        setTimer(true);
    } else {
        ListExControl &panes = m_grobal.listExControl();
        if (panes.UBEx() > 0) {
            const ListOb &focused = m_grobal.listControl().lcListOb(m_grobal.getOLx(panes.lecListFocus()));
            // The screen-edge stepping of the focused list still needs the timer.
            setTimer(focused.MovAdd == 0);
        } else {
            setTimer(false);
        }
    }
    if (m_grobal.text.textVis && m_textCaptionHook)
        m_textCaptionHook(capturing);
}

void ClipboardWatcher::setStopGo(bool capturing)
{
    SetGo(capturing);
    m_stopGo = capturing;
    StopGoBack();
}

void ClipboardWatcher::setStopGoRemote(bool capturing)
{
    SetGo(capturing);
    m_stopGo = capturing;
}

void ClipboardWatcher::StopGoBack()
{
    if (m_toolbarHook)
        m_toolbarHook(m_stopGo);
}

void ClipboardWatcher::ListClipActive(qint16 movAdd)
{
    setTimer(movAdd == 0 || m_stopGo);
}

void ClipboardWatcher::CopyFocusItem(qint16 pane, qint16 list)
{
    const qint16 row = m_grobal.listExControl().lecItemGetFocus(pane);
    if (row < 0)
        return;
    ItemControl &items = m_grobal.listControl().lcListOb(list).loItemControl();
    if (row >= items.UBic())
        return;
    const QString text = items.icItemOb(items.prooIx(row)).ioWords;
    m_lastClipText = text;
    SetClipText(text);
}

void ClipboardWatcher::ClickItem(qint16 pane)
{
    TextHandOff &textWindow = m_grobal.text;
    if (textWindow.textDel)
        return;
    const qint16 list = m_grobal.getOLx(pane);
    ItemControl &items = m_grobal.listControl().lcListOb(list).loItemControl();
    if (items.UB() < 1)
        return;
    CopyFocusItem(pane, list);
    if (textWindow.textVis) {
        const qint16 row = m_grobal.listExControl().lecItemGetFocus(pane);
        if (row >= 0 && row < items.UBic()) {
            const ItemOb &item = items.icItemOb(items.prooIx(row));
            textWindow.cLx = pane;
            textWindow.oLx = list;
            textWindow.cIx = row;
            textWindow.oIx = items.prooIx(row);
            textWindow.Texts = item.ioWords;
            textWindow.HeadTitle = item.ioName;
            if (m_textReNewHook)
                m_textReNewHook();
        }
    }
    MarkTextSave();
}

void ClipboardWatcher::MarkTextSave()
{
    if (!m_grobal.text.textSave)
        m_grobal.text.textSave = true;
}
