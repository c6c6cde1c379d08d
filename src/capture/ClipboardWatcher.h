// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/FocusMode.h"
#include "model/Numbers.h"

#include "capture/ItemMaker.h"

#include <QObject>
#include <QString>
#include <QTimer>

class ClipboardPort;
struct CopySource;
class ListCollection;
class ListDisplay;
class GlobalSettings;

// Watches the clipboard on its timer: every new text becomes items of the focused list.
// Remembers the last text seen, so nothing is captured twice and the program's own copies back to
// the clipboard are never captured. Also holds the capture switch and the timer rule.
class ClipboardWatcher : public QObject {
    Q_OBJECT
public:
    ClipboardWatcher(ListCollection &lists, ListDisplay &display, GlobalSettings &settings, ClipboardPort &clipboard,
                     QObject *parent = nullptr);

    // One tick of the timer.
    void tick();
    void lookAtClipboard(PaneNumber pane, ListNumber list);
    // The clipboard's text, as rich text when the settings ask for it; "" on any failure.
    QString readClipboardText();
    // html: the same content as HTML, served beside a plain text.
    void writeClipboardText(const QString &text, const QString &html = {});
    // Marks what is on the clipboard now as seen (where the clipboard reads in the background and
    // capture is stopped, as capture resumes).
    void markClipboardSeen();
    const QString &lastClipboardText() const { return m_lastText; }
    void setLastSeenText(const QString &text) { m_lastText = text; }

    // The capture switch. setCapturing also has the toolbar show it; setCapturingFromElsewhere (from the
    // mini window, while the toolbar is out of sight) does not, until restoreCapture.
    bool capturing() const { return m_capturing; }
    void setCapturing(bool capturing);
    // Sets the switch alone, as the settings file does before start-up applies it (no capture is
    // looked for until then).
    void restoreCapturing(bool capturing) { m_capturing = capturing; }
    void setCapturingFromElsewhere(bool capturing);
    void restoreCapture();
    // Runs the timer exactly while capture is on or the focused list steps at screen edges.
    void followFocusedList(FocusMode focusMode);
    void setInterval(int milliseconds) { m_timer.setInterval(milliseconds); }

    // Copy-back: the text goes to the clipboard, seen before it is written, so it is never captured again.
    void copyBack(const QString &text, const QString &html = {});
    // The focused row's text is copied back.
    void copyFocusedItem(PaneNumber pane, ListNumber list);
    // A mouse button was released on a pane's list box.
    void clickItem(PaneNumber pane);
    // While the text window holds unsaved edits, clicks neither copy nor point it elsewhere.
    void setTextWindowEditing(bool editing) { m_textWindowEditing = editing; }

    ItemMaker &itemMaker() { return m_itemMaker; }
    const QTimer &timer() const { return m_timer; }

signals:
    // The capture switch was set (the text window's menu shows it).
    void captureSwitched(bool capturing);
    // The toolbar's button is to show the switch.
    void capturingShown(bool capturing);
    // A tick looked at the clipboard; captured tells whether it held a new text (the mini
    // window's lamp).
    void clipboardLooked(bool captured);
    // A tick while the focused list steps at the screen edges.
    void edgeTick(PaneNumber pane, ListNumber list);
    // A click copied the item in the row of the pane (the text window turns to it).
    void itemClicked(PaneNumber pane, ListNumber list, RowNumber row, ItemNumber item);

private:
    void applyCapturing(bool capturing);
    // Captures the text when it is new; true when it was.
    bool takeText(PaneNumber pane, ListNumber list, const QString &text, const QString &program = {},
                  const QString &html = {});
    void takeOffered(const QString &text, const CopySource &source, const QString &html);
    // A mouse selection that only grew from the one captured last takes that item's place.
    bool extendSelectionItem(ListNumber list, const QString &text, const QString &html);
    // A tick of a clipboard that offers its changes itself.
    void lookAtOffers();
    void setTimer(bool enabled);

    ListCollection &m_lists;
    ListDisplay &m_display;
    GlobalSettings &m_settings;
    ClipboardPort &m_clipboard;
    ItemMaker m_itemMaker;
    QTimer m_timer;
    // The last text seen, so that it is never captured twice (the clipboard's keeper holds its own).
    QString m_lastText;
    // The item the last capture made from the mouse selection (0: the last capture was not one).
    quint64 m_selectionItem = 0;
    bool m_capturing = true;
    bool m_watchingRich = false;
    bool m_retryDue = false;
    bool m_capturedSinceTick = false;
    bool m_textWindowEditing = false;
};
