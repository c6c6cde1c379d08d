// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/seams/HotkeyPort.h"

#include <QList>
#include <QTimer>
#include <memory>

class QSocketNotifier;
struct xcb_connection_t;

// The hotkey on X11: a passive grab of the key on the root window, on a connection of its own
// whose socket wakes the event loop only when the key is pressed. Grabbed with and without
// Caps Lock and Num Lock, which would otherwise make the key miss.
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

    // The keys that type the keysyms on this keyboard (their unshifted or shifted symbol), from one
    // look at the keyboard's map; 0 for none.
    static QList<quint8> keycodesOf(xcb_connection_t *connection, const QList<quint32> &keysyms);

private:
    void readEvents();
    quint16 numLockMask(quint8 numLock) const;
    quint32 activeWindow() const;
    quint32 focusedWindow() const;
    void pasteWhenBack();
    void typePaste();

    xcb_connection_t *m_connection = nullptr;
    quint32 m_root = 0;
    quint32 m_activeAtom = 0;
    std::unique_ptr<QSocketNotifier> m_notifier;
    quint8 m_keycode = 0;
    // The window that had the focus at the last press, and whether a window manager keeps it.
    quint32 m_previous = 0;
    bool m_managed = false;
    QTimer m_pasteWait;
    int m_pasteTries = 0;
};
