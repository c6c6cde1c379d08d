// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/seams/HotkeyPort.h"

#include <QList>
#include <QTimer>
#include <memory>
#include <optional>

class QSocketNotifier;
struct xcb_connection_t;

// The hotkey on X11: a passive grab of the key on the root window, on a connection of its own
// whose socket wakes the event loop only when the key is pressed. Grabbed with and without
// Caps Lock and Num Lock, which would otherwise make the key miss, and grabbed again when the
// keyboard's map changes (another layout puts the key on another code).
class X11Hotkey : public HotkeyPort {
    Q_OBJECT
public:
    X11Hotkey();
    ~X11Hotkey() override;

    // False without an X server.
    bool start();

    Grab grab(QKeyCombination key) override;
    void release() override;
    void returnFocus(bool paste) override;
    void takeFocus(quintptr window) override;

    // The keys that type the keysyms on this keyboard (their unshifted or shifted symbol), from one
    // look at the keyboard's map; 0 for none.
    static QList<quint8> keycodesOf(xcb_connection_t *connection, const QList<quint32> &keysyms);

private:
    void readEvents();
    // Events xcb took in while it waited for an answer wake no socket notifier.
    void readQueuedSoon();
    void ungrab();
    quint16 numLockMask(quint8 numLock) const;
    quint32 windowProperty(quint32 window, quint32 atom) const;
    quint32 activeWindow() const { return windowProperty(m_root, m_activeAtom); }
    bool windowManagerRuns() const;
    void focusProgramWindow();
    quint32 focusedWindow() const;
    void pasteWhenBack();
    void typePaste();

    xcb_connection_t *m_connection = nullptr;
    quint32 m_root = 0;
    quint32 m_activeAtom = 0;
    quint32 m_wmCheckAtom = 0;
    std::unique_ptr<QSocketNotifier> m_notifier;
    // The key asked for, and its code on the keyboard as it is now mapped (0: not grabbed).
    std::optional<QKeyCombination> m_key;
    quint8 m_keycode = 0;
    quint16 m_numLock = 0;
    // The window that had the focus at the last press, and whether a window manager keeps it.
    quint32 m_previous = 0;
    bool m_managed = false;
    bool m_windowManager = false;
    quint32 m_pressTime = 0;
    // The program's window to focus once it is mapped, where no window manager does it.
    quint32 m_focusTarget = 0;
    QTimer m_pasteWait;
    int m_pasteTries = 0;
};
