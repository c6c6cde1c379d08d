// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QStringList>
#include <cstdlib>
#include <initializer_list>
#include <memory>
#include <utility>

#include <xcb/xcb.h>

// The few X calls every part of the program's own X connections makes: replies freed on their own,
// atoms by name, the selection's owner, and the answer to a selection request.
namespace XcbCalls {

template<typename T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

template<typename T>
Reply<T> reply(T *answer)
{
    return Reply<T>(answer, &std::free);
}

// Each atom by its name (XCB_NONE where the server refused), in one round trip: every request goes
// out before the first answer is awaited.
void intern(xcb_connection_t *connection, std::initializer_list<std::pair<xcb_atom_t *, const char *>> atoms);
QList<xcb_atom_t> intern(xcb_connection_t *connection, const QStringList &names);
inline xcb_atom_t intern(xcb_connection_t *connection, const char *name)
{
    xcb_atom_t atom = XCB_NONE;
    intern(connection, {{&atom, name}});
    return atom;
}

xcb_window_t selectionOwner(xcb_connection_t *connection, xcb_atom_t selection);

// Where the answer to a request goes: requesters of old name no property, and the target stands for it.
inline xcb_atom_t answerProperty(const xcb_selection_request_event_t &request)
{
    return request.property == XCB_NONE ? request.target : request.property;
}

// Tells the requester the outcome: the property the answer is in, XCB_NONE when refused.
void notify(xcb_connection_t *connection, const xcb_selection_request_event_t &request, xcb_atom_t property);

} // namespace XcbCalls
