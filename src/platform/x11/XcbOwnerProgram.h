// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <xcb/xcb.h>

// The program behind a window, as far as the X server and the system tell: its process's name and
// its window class. Asked of each new clipboard owner, so that chosen programs' copies are left
// alone and each item can say where it came from.
class XcbOwnerProgram {
public:
    struct Program {
        QString process;     // the process's name, as `ps` shows it; "" when not known
        QStringList classes; // WM_CLASS: instance and class names, when the window has them
        // The name shown to the user: the process's, else the window class.
        QString shownName() const;
        // Whether any of names (one program each, case ignored) is this program's.
        bool matches(const QStringList &names) const;
    };

    // Works on the caller's connection, from the caller's thread.
    explicit XcbOwnerProgram(xcb_connection_t *connection);

    // The owner window's own _NET_WM_PID, else the process of the X client that made it (the
    // X-Resource extension, local clients only), and its WM_CLASS; the active window's when the
    // owner tells neither.
    Program of(xcb_window_t owner) const;

private:
    Program ofWindow(xcb_window_t window) const;
    quint32 pidOf(xcb_window_t window) const;
    quint32 clientPidOf(xcb_window_t window) const;
    QStringList classesOf(xcb_window_t window) const;
    xcb_window_t activeWindow() const;
    static QString processName(quint32 pid);

    xcb_connection_t *m_connection;
    xcb_window_t m_root = XCB_NONE;
    xcb_atom_t m_wmPid = XCB_NONE;
    xcb_atom_t m_activeWindow = XCB_NONE;
    bool m_hasResources = false;
};
