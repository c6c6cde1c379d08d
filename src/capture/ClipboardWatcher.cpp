// SPDX-License-Identifier: GPL-3.0-or-later
#include "capture/ClipboardWatcher.h"

#include "model/seams/ClipboardPort.h"
#include "model/ListItems.h"
#include "model/ListCollection.h"
#include "model/ListDisplay.h"
#include "model/ListRecord.h"
#include "model/GlobalSettings.h"

ClipboardWatcher::ClipboardWatcher(ListCollection &lists, ListDisplay &display, GlobalSettings &settings,
                                   ClipboardPort &clipboard, QObject *parent)
    : QObject(parent), m_lists(lists), m_display(display), m_settings(settings), m_clipboard(clipboard),
      m_itemMaker(lists, display, settings)
{
    m_timer.setObjectName(QStringLiteral("captureTimer"));
    connect(&m_timer, &QTimer::timeout, this, &ClipboardWatcher::tick);
    connect(&clipboard, &ClipboardPort::textOffered, this, &ClipboardWatcher::takeOffered);
    connect(&clipboard, &ClipboardPort::textSeen, this, [this](const QString &text) { m_lastText = text; });
    connect(&clipboard, &ClipboardPort::readFailed, this, [this] { m_retryDue = true; });
}

void ClipboardWatcher::tick()
{
    if (m_display.paneCount() < 1)
        return;
    const PaneNumber pane = m_display.focusedPane();
    const ListNumber list = m_display.listOfPane(pane);
    if (m_capturing) {
        if (m_clipboard.pushesChanges())
            lookAtOffers();
        else
            lookAtClipboard(pane, list);
    }
    if (m_lists.at(list).focusMode == FocusMode::MovesAtScreenEdges)
        emit edgeTick(pane, list);
}

void ClipboardWatcher::lookAtClipboard(PaneNumber pane, ListNumber list)
{
    if (m_clipboard.hasPlainText()) {
        const QString text = readClipboardText();
        if (text.isEmpty())
            return;
        if (takeText(pane, list, text, {}, m_settings.richText ? QString() : m_clipboard.readHtml()))
            return;
    }
    emit clipboardLooked(false);
}

bool ClipboardWatcher::takeText(PaneNumber pane, ListNumber list, const QString &text, const QString &program,
                                const QString &html)
{
    if (text == m_lastText)
        return false;
    // Seen first: a text that cannot be added is not offered again.
    m_lastText = text;
    m_selectionItem = 0;
    m_itemMaker.makeItems(pane, list, text, program, html);
    emit clipboardLooked(true);
    return true;
}

void ClipboardWatcher::takeOffered(const QString &text, const CopySource &source, const QString &html)
{
    // Every new content is captured as it arrives, so no copy is missed between ticks.
    if (!m_capturing || text.isEmpty() || m_display.paneCount() < 1)
        return;
    const PaneNumber pane = m_display.focusedPane();
    const ListNumber list = m_display.listOfPane(pane);
    if (source.mouseSelection && extendSelectionItem(list, text, html)) {
        m_lastText = text;
        m_capturedSinceTick = true;
        emit clipboardLooked(true);
        return;
    }
    if (!takeText(pane, list, text, source.program, html))
        return;
    m_capturedSinceTick = true;
    // The newest item is the one this text made (the last piece, when split).
    ListItems &items = m_lists.at(list).items();
    if (source.mouseSelection && items.count() > 0)
        m_selectionItem = items.at(ItemNumber(items.count() - 1)).id;
}

bool ClipboardWatcher::extendSelectionItem(ListNumber list, const QString &text, const QString &html)
{
    // Only while nothing else was captured or copied since, and only a selection that grew at
    // one end: one made anew elsewhere is an item of its own.
    if (m_selectionItem == 0 || text.size() <= m_lastText.size()
        || !(text.startsWith(m_lastText) || text.endsWith(m_lastText)))
        return false;
    return m_itemMaker.replaceText(list, m_selectionItem, text, html);
}

void ClipboardWatcher::lookAtOffers()
{
    const bool rich = m_settings.richText;
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

QString ClipboardWatcher::readClipboardText()
{
    return m_clipboard.readText(m_settings.richText);
}

void ClipboardWatcher::writeClipboardText(const QString &text, const QString &html)
{
    if (html.isEmpty() || m_settings.richText)
        m_clipboard.writeText(text, m_settings.richText);
    else
        m_clipboard.writeTextAndHtml(text, html);
}

void ClipboardWatcher::markClipboardSeen()
{
    // A clipboard that reads in the background reads nothing while capture is stopped: what is
    // there now is read as capture resumes, and taken as seen then.
    if (m_clipboard.pushesChanges()) {
        if (!m_capturing)
            m_clipboard.passOverCurrentContent();
        return;
    }
    const QString text = readClipboardText();
    if (text != m_lastText)
        m_lastText = text;
}

void ClipboardWatcher::setTimer(bool enabled)
{
    // A running timer is left alone, so a tick is not put off by a switch that changes nothing.
    if (m_timer.isActive() == enabled)
        return;
    if (enabled)
        m_timer.start();
    else
        m_timer.stop();
}

void ClipboardWatcher::applyCapturing(bool capturing)
{
    m_capturing = capturing;
    // Capture stopped reads nothing at all.
    m_watchingRich = m_settings.richText;
    m_clipboard.setWatching(capturing, m_watchingRich);
    if (capturing) {
        setTimer(true);
    } else {
        if (m_display.paneCount() > 0) {
            const ListRecord &focused = m_display.focusedRecord();
            // The screen-edge stepping of the focused list still needs the timer.
            setTimer(focused.focusMode == FocusMode::MovesAtScreenEdges);
        } else {
            setTimer(false);
        }
    }
    emit captureSwitched(capturing);
}

void ClipboardWatcher::setCapturing(bool capturing)
{
    setCapturingFromElsewhere(capturing);
    restoreCapture();
}

void ClipboardWatcher::setCapturingFromElsewhere(bool capturing)
{
    applyCapturing(capturing);
}

void ClipboardWatcher::restoreCapture()
{
    emit capturingShown(m_capturing);
}

void ClipboardWatcher::followFocusedList(FocusMode focusMode)
{
    setTimer(focusMode == FocusMode::MovesAtScreenEdges || m_capturing);
}

void ClipboardWatcher::copyFocusedItem(PaneNumber pane, ListNumber list)
{
    const RowNumber row = m_display.focusedRow(pane);
    if (row < 0)
        return;
    ListItems &items = m_lists.at(list).items();
    if (row >= items.rowCount())
        return;
    const ClipItem &item = items.at(items.itemOfRow(row));
    copyBack(item.text, item.html);
}

void ClipboardWatcher::copyBack(const QString &text, const QString &html)
{
    m_lastText = text;
    m_selectionItem = 0;
    writeClipboardText(text, html);
}

void ClipboardWatcher::clickItem(PaneNumber pane)
{
    if (m_textWindowEditing)
        return;
    const ListNumber list = m_display.listOfPane(pane);
    ListItems &items = m_lists.at(list).items();
    if (items.count() < 1)
        return;
    copyFocusedItem(pane, list);
    const RowNumber row = m_display.focusedRow(pane);
    if (row >= 0 && row < items.rowCount())
        emit itemClicked(pane, list, row, items.itemOfRow(row));
}
