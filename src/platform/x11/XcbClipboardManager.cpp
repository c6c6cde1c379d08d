// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/x11/XcbClipboardManager.h"

#include "platform/x11/XcbCalls.h"
#include "platform/x11/XcbSelectionServer.h"

#include <QElapsedTimer>
#include <algorithm>
#include <cstdlib>
#include <poll.h>
#include <utility>

using XcbCalls::selectionOwner;

XcbClipboardManager::XcbClipboardManager(xcb_connection_t *connection, xcb_window_t window, XcbSelectionServer &server)
    : m_connection(connection), m_window(window), m_server(server)
{
    XcbCalls::intern(connection, {{&m_manager, "CLIPBOARD_MANAGER"},
                                  {&m_saveTargets, "SAVE_TARGETS"},
                                  {&m_targets, "TARGETS"},
                                  {&m_null, "NULL"},
                                  {&m_managerMessage, "MANAGER"},
                                  {&m_handOverProperty, "QK_SAVE_TARGETS"}});
}

void XcbClipboardManager::setActive(bool active)
{
    if (active == m_owned)
        return;
    if (!active) {
        if (selectionOwner(m_connection, m_manager) == m_window)
            xcb_set_selection_owner(m_connection, XCB_NONE, m_manager, XCB_CURRENT_TIME);
        m_owned = false;
        answerWaiting(false);
        xcb_flush(m_connection);
        return;
    }
    // Another manager was there first: it keeps the desktop's clipboard.
    if (selectionOwner(m_connection, m_manager) != XCB_NONE)
        return;
    xcb_set_selection_owner(m_connection, m_window, m_manager, XCB_CURRENT_TIME);
    m_owned = selectionOwner(m_connection, m_manager) == m_window;
    if (!m_owned)
        return;
    // Announced on the root window, as managers of a selection do.
    const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data;
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = screen->root;
    message.type = m_managerMessage;
    message.data.data32[0] = XCB_CURRENT_TIME;
    message.data.data32[1] = m_manager;
    message.data.data32[2] = m_window;
    xcb_send_event(m_connection, 0, screen->root, XCB_EVENT_MASK_STRUCTURE_NOTIFY,
                   reinterpret_cast<const char *>(&message));
    xcb_flush(m_connection);
}

bool XcbClipboardManager::handleRequest(const xcb_generic_event_t *event, Content content, bool canKeep)
{
    const quint8 type = event->response_type & 0x7f;
    if (type == XCB_SELECTION_CLEAR) {
        const auto *clear = reinterpret_cast<const xcb_selection_clear_event_t *>(event);
        if (clear->selection != m_manager)
            return false;
        // Another manager took over.
        m_owned = false;
        answerWaiting(false);
        return true;
    }
    if (type != XCB_SELECTION_REQUEST)
        return false;
    const auto &request = *reinterpret_cast<const xcb_selection_request_event_t *>(event);
    if (request.selection != m_manager)
        return false;
    if (request.target == m_targets && request.property != XCB_NONE) {
        const xcb_atom_t offered[] = {m_targets, m_saveTargets};
        xcb_change_property(m_connection, XCB_PROP_MODE_REPLACE, request.requestor, request.property, XCB_ATOM_ATOM,
                            32, 2, offered);
        reply(request, true);
    } else if (request.target != m_saveTargets || !m_owned || !canKeep) {
        reply(request, false);
    } else if (content != Content::BeingRead) {
        // The content was read when it was copied: it stays when its owner goes, unless the read
        // failed, found it too large or secret.
        reply(request, content == Content::Kept);
    } else {
        m_waiting.append(request);
    }
    return true;
}

void XcbClipboardManager::answerWaiting(bool kept)
{
    for (const xcb_selection_request_event_t &request : std::exchange(m_waiting, {}))
        reply(request, kept);
}

void XcbClipboardManager::reply(const xcb_selection_request_event_t &request, bool kept)
{
    const xcb_atom_t property = XcbCalls::answerProperty(request);
    if (kept && request.target == m_saveTargets)
        xcb_change_property(m_connection, XCB_PROP_MODE_REPLACE, request.requestor, property, m_null, 32, 0, nullptr);
    XcbCalls::notify(m_connection, request, kept ? property : XCB_NONE);
}

void XcbClipboardManager::handOver(int timeoutMs)
{
    const xcb_window_t manager = selectionOwner(m_connection, m_manager);
    if (!m_server.owns() || manager == XCB_NONE || manager == m_window)
        return;
    const QList<xcb_atom_t> targets = m_server.offeredTargets();
    xcb_change_property(m_connection, XCB_PROP_MODE_REPLACE, m_window, m_handOverProperty, XCB_ATOM_ATOM, 32,
                        quint32(targets.size()), targets.constData());
    xcb_convert_selection(m_connection, m_window, m_manager, m_saveTargets, m_handOverProperty, XCB_CURRENT_TIME);
    xcb_flush(m_connection);
    // The manager reads our text now, while we wait for its word that it has it.
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < timeoutMs && !xcb_connection_has_error(m_connection)) {
        while (xcb_generic_event_t *event = xcb_poll_for_event(m_connection)) {
            const bool done = (event->response_type & 0x7f) == XCB_SELECTION_NOTIFY &&
                              reinterpret_cast<xcb_selection_notify_event_t *>(event)->selection == m_manager;
            if (!done)
                m_server.handleEvent(event);
            std::free(event);
            if (done)
                return;
        }
        pollfd socket{xcb_get_file_descriptor(m_connection), POLLIN, 0};
        poll(&socket, 1, int(std::max<qint64>(1, timeoutMs - clock.elapsed())));
    }
}
