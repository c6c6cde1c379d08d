// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>

#include <xcb/xcb.h>

class XcbSelectionServer;

// The desktop's clipboard manager, after the freedesktop convention: owns CLIPBOARD_MANAGER while
// nobody else does, so that a program that hands its clipboard over when it exits (SAVE_TARGETS)
// leaves its text with us; and when we end, hands our own text over to another manager.
// Lives in the clipboard thread, on its connection and window.
class XcbClipboardManager {
public:
    // Where the clipboard's current content stands.
    enum class Content { BeingRead, Kept, NotKept };

    XcbClipboardManager(xcb_connection_t *connection, xcb_window_t window, XcbSelectionServer &server);

    // On while the program keeps the clipboard's text: takes CLIPBOARD_MANAGER if it is free.
    // Off: lets it go.
    void setActive(bool active);
    // A SAVE_TARGETS request: answered at once unless the content is being read, else kept until
    // answerWaiting(). True when the event was about CLIPBOARD_MANAGER.
    bool handleRequest(const xcb_generic_event_t *event, Content content, bool canKeep);
    // The content has been read (or could not be): the programs waiting to exit may go.
    void answerWaiting(bool kept);
    // Before the connection closes: when we own the clipboard and another manager runs, it takes
    // our text; serves its requests for up to timeoutMs.
    void handOver(int timeoutMs);

private:
    void reply(const xcb_selection_request_event_t &request, bool kept);

    xcb_connection_t *m_connection;
    xcb_window_t m_window;
    XcbSelectionServer &m_server;
    xcb_atom_t m_manager, m_saveTargets, m_targets, m_null, m_managerMessage, m_handOverProperty;
    bool m_owned = false;
    QList<xcb_selection_request_event_t> m_waiting;
};
