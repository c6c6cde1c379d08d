// SPDX-License-Identifier: GPL-3.0-or-later
// What the raw-xcb helper programs share: atoms by name, the answer to a selection request,
// and report lines a test reads.
#pragma once

#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

inline xcb_atom_t intern(xcb_connection_t *c, const char *name)
{
    xcb_intern_atom_reply_t *reply =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, uint16_t(std::strlen(name)), name), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return atom;
}

// One line on standard output, at once: the test waits for it.
inline void report(const std::string &line)
{
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

// Tells a requestor the outcome of its selection request: the property it named when done,
// none when refused.
inline void notify(xcb_connection_t *c, const xcb_selection_request_event_t &request, xcb_atom_t property)
{
    xcb_selection_notify_event_t event{};
    event.response_type = XCB_SELECTION_NOTIFY;
    event.time = request.time;
    event.requestor = request.requestor;
    event.selection = request.selection;
    event.target = request.target;
    event.property = property;
    xcb_send_event(c, 0, request.requestor, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char *>(&event));
    xcb_flush(c);
}
