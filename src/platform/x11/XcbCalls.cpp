// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/x11/XcbCalls.h"

#include <cstring>

namespace XcbCalls {

void intern(xcb_connection_t *connection, std::initializer_list<std::pair<xcb_atom_t *, const char *>> atoms)
{
    QList<xcb_intern_atom_cookie_t> cookies;
    for (const auto &[atom, name] : atoms)
        cookies.append(xcb_intern_atom(connection, 0, uint16_t(std::strlen(name)), name));
    qsizetype i = 0;
    for (const auto &[atom, name] : atoms) {
        const auto answer = reply(xcb_intern_atom_reply(connection, cookies[i++], nullptr));
        *atom = answer ? answer->atom : xcb_atom_t(XCB_NONE);
    }
}

QList<xcb_atom_t> intern(xcb_connection_t *connection, const QStringList &names)
{
    QList<QByteArray> bytes;
    QList<xcb_intern_atom_cookie_t> cookies;
    for (const QString &name : names) {
        bytes.append(name.toUtf8());
        cookies.append(xcb_intern_atom(connection, 0, uint16_t(bytes.last().size()), bytes.last().constData()));
    }
    QList<xcb_atom_t> atoms;
    for (const xcb_intern_atom_cookie_t &cookie : cookies) {
        const auto answer = reply(xcb_intern_atom_reply(connection, cookie, nullptr));
        atoms.append(answer ? answer->atom : xcb_atom_t(XCB_NONE));
    }
    return atoms;
}

xcb_window_t selectionOwner(xcb_connection_t *connection, xcb_atom_t selection)
{
    const auto owner = reply(xcb_get_selection_owner_reply(connection, xcb_get_selection_owner(connection, selection),
                                                           nullptr));
    return owner ? owner->owner : xcb_window_t(XCB_NONE);
}

void notify(xcb_connection_t *connection, const xcb_selection_request_event_t &request, xcb_atom_t property)
{
    xcb_selection_notify_event_t event{};
    event.response_type = XCB_SELECTION_NOTIFY;
    event.time = request.time;
    event.requestor = request.requestor;
    event.selection = request.selection;
    event.target = request.target;
    event.property = property;
    xcb_send_event(connection, 0, request.requestor, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char *>(&event));
    xcb_flush(connection);
}

} // namespace XcbCalls
