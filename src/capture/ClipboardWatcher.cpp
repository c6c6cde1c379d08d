#include "capture/ClipboardWatcher.h"

#include "capture/ClipboardPort.h"
#include "model/ItemControl.h"
#include "model/ListControl.h"
#include "model/ListExControl.h"
#include "model/ListOb.h"
#include "model/QKPRGrobal.h"
#include "model/UtilityGrobal.h"

ClipboardWatcher::ClipboardWatcher(QKPRGrobal &grobal, ClipboardPort &clipboard, QObject *parent)
    : QObject(parent), m_grobal(grobal), m_clipboard(clipboard), m_itemMaker(grobal)
{
    m_looker.setObjectName(QStringLiteral("Looker"));
    connect(&m_looker, &QTimer::timeout, this, &ClipboardWatcher::Looker_Timer);
    connect(&clipboard, &ClipboardPort::textOffered, this, &ClipboardWatcher::takeOffered);
    connect(&clipboard, &ClipboardPort::readFailed, this, [this] { m_retryDue = true; });
}

void ClipboardWatcher::Looker_Timer()
{
    ListExControl &panes = m_grobal.listExControl();
    if (panes.UBEx() < 1)
        return;
    const qint16 pane = panes.lecListFocus();
    const qint16 list = m_grobal.getOLx(pane);
    if (m_grobal.GoState) {
        if (m_clipboard.pushesChanges())
            lookAtOffers();
        else
            LookClipBoard(pane, list);
    }
    if (m_grobal.listControl().lcListOb(list).MovAdd == 0)
        emit edgeTick(pane, list);
}

void ClipboardWatcher::LookClipBoard(qint16 pane, qint16 list)
{
    if (m_clipboard.hasPlainText()) {
        const QString text = GetClipText();
        if (text.isEmpty())
            return;
        if (takeText(pane, list, text))
            return;
    }
    emit clipboardLooked(false);
}

bool ClipboardWatcher::takeText(qint16 pane, qint16 list, const QString &text)
{
    if (text == m_lastClipText)
        return false;
    // Seen first: a text that cannot be added is not offered again.
    m_lastClipText = text;
    m_itemMaker.MakeItems(pane, list, text);
    emit clipboardLooked(true);
    return true;
}

void ClipboardWatcher::takeOffered(const QString &text)
{
    // Every new content is captured as it arrives, so no copy is missed between ticks.
    ListExControl &panes = m_grobal.listExControl();
    if (!m_grobal.GoState || text.isEmpty() || panes.UBEx() < 1)
        return;
    const qint16 pane = panes.lecListFocus();
    if (takeText(pane, m_grobal.getOLx(pane), text))
        m_capturedSinceTick = true;
}

void ClipboardWatcher::lookAtOffers()
{
    const bool rich = m_grobal.utilityGrobal().HTMLReco;
    if (rich != m_watchingRich) {
        m_watchingRich = rich;
        m_clipboard.setWatching(true, rich);
        m_retryDue = true;
    }
    // An owner that did not answer is asked again, once a tick at most.
    if (m_retryDue) {
        m_retryDue = false;
        m_clipboard.retry();
    }
    // The lamp stays lit from a capture until a tick that saw nothing new.
    if (!m_capturedSinceTick)
        emit clipboardLooked(false);
    m_capturedSinceTick = false;
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
    // A running timer is left alone, so a tick is not put off by a switch that changes nothing.
    if (m_looker.isActive() == enabled)
        return;
    if (enabled)
        m_looker.start();
    else
        m_looker.stop();
}

void ClipboardWatcher::SetGo(bool capturing)
{
    m_grobal.GoState = capturing;
    // Capture stopped reads nothing at all.
    m_watchingRich = m_grobal.utilityGrobal().HTMLReco;
    m_clipboard.setWatching(capturing, m_watchingRich);
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
    emit captureSwitched(capturing);
}

void ClipboardWatcher::setStopGo(bool capturing)
{
    setStopGoRemote(capturing);
    StopGoBack();
}

void ClipboardWatcher::setStopGoRemote(bool capturing)
{
    m_stopGo = capturing;
    SetGo(capturing);
}

void ClipboardWatcher::StopGoBack()
{
    emit stopGoShown(m_stopGo);
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
            emit textWindowRepointed();
        }
    }
    MarkTextSave();
}

void ClipboardWatcher::MarkTextSave()
{
    if (!m_grobal.text.textSave)
        m_grobal.text.textSave = true;
}
