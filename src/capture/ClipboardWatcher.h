#pragma once

#include "capture/ItemMaker.h"

#include <QString>
#include <functional>

class CaptureLamp;
class ClipboardPort;
class QKPRGrobal;
class WatcherTimer;

// Watches the clipboard on the main window's timer: every new text becomes items of the focused
// list. Remembers the last text seen, so nothing is captured twice and the program's own copies
// back to the clipboard are never captured. Also holds the capture switch and the timer rule.
class ClipboardWatcher {
public:
    ClipboardWatcher(QKPRGrobal &grobal, ClipboardPort &clipboard, WatcherTimer &timer);

    // One tick of the timer.
    void Looker_Timer();
    void LookClipBoard(qint16 pane, qint16 list);
    // The clipboard's text, as rich text when the settings ask for it; "" on any failure.
    QString GetClipText();
    void SetClipText(const QString &text);
    // Marks what is on the clipboard now as seen.
    void SynchronizeClipBoardSaved();
    const QString &LastClipText() const { return m_lastClipText; }

    // The capture switch: StopGo also shows the state on the toolbar; StopGoRemote does not.
    bool StopGo() const { return m_stopGo; }
    void setStopGo(bool capturing);
    // Sets the stored switch alone, as the settings file does before start-up applies it.
    void restoreStopGo(bool capturing) { m_stopGo = capturing; }
    void setStopGoRemote(bool capturing);
    void StopGoBack();
    // Runs the timer exactly while capture is on or the focused list steps at screen edges.
    void ListClipActive(qint16 movAdd);

    // Copy-back: the focused row's text goes to the clipboard, seen before it is written.
    void CopyFocusItem(qint16 pane, qint16 list);
    // A mouse button was released on a pane's list box.
    void ClickItem(qint16 pane);
    void MarkTextSave();

    ItemMaker &itemMaker() { return m_itemMaker; }

    // Windows that show the switch or take part in a tick, once they exist.
    void setLamp(CaptureLamp *lamp) { m_lamp = lamp; }
    void setToolbarHook(std::function<void(bool capturing)> hook) { m_toolbarHook = std::move(hook); }
    void setTextWindowCaptionHook(std::function<void(bool capturing)> hook) { m_textCaptionHook = std::move(hook); }
    void setTextWindowReNewHook(std::function<void()> hook) { m_textReNewHook = std::move(hook); }
    void setEdgeActionHook(std::function<void(qint16 pane, qint16 list)> hook) { m_edgeHook = std::move(hook); }

private:
    void SetGo(bool capturing);
    void setTimer(bool enabled);

    QKPRGrobal &m_grobal;
    ClipboardPort &m_clipboard;
    WatcherTimer &m_timer;
    ItemMaker m_itemMaker;
    CaptureLamp *m_lamp = nullptr;
    QString m_lastClipText;
    bool m_stopGo = true;
    std::function<void(bool)> m_toolbarHook;
    std::function<void(bool)> m_textCaptionHook;
    std::function<void()> m_textReNewHook;
    std::function<void(qint16, qint16)> m_edgeHook;
};
