// SPDX-License-Identifier: GPL-3.0-or-later
// Asks a window to close as a task bar does: through the window manager's _NET_CLOSE_WINDOW when
// one runs, otherwise with WM_DELETE_WINDOW sent to the window itself.
// Usage: closewindow <window id>
#include "RawXcb.h"

#include <cstdlib>
#include <cstring>

namespace {
bool windowManagerRuns(xcb_connection_t *c, xcb_window_t root)
{
    xcb_get_property_reply_t *r = xcb_get_property_reply(
        c, xcb_get_property(c, 0, root, intern(c, "_NET_SUPPORTING_WM_CHECK"), XCB_ATOM_WINDOW, 0, 1), nullptr);
    const bool runs = r && xcb_get_property_value_length(r) > 0;
    std::free(r);
    return runs;
}
} // namespace

int main(int argc, char **argv)
{
    if (argc != 2)
        return 2;
    const xcb_window_t window = xcb_window_t(std::strtoul(argv[1], nullptr, 0));
    xcb_connection_t *c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c))
        return 1;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    if (windowManagerRuns(c, root)) {
        event.window = window;
        event.type = intern(c, "_NET_CLOSE_WINDOW");
        event.data.data32[0] = XCB_CURRENT_TIME;
        event.data.data32[1] = 2; // from a pager or task bar
        xcb_send_event(c, 0, root, XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                       reinterpret_cast<const char *>(&event));
    } else {
        event.window = window;
        event.type = intern(c, "WM_PROTOCOLS");
        event.data.data32[0] = intern(c, "WM_DELETE_WINDOW");
        event.data.data32[1] = XCB_CURRENT_TIME;
        xcb_send_event(c, 0, window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char *>(&event));
    }
    // A round trip before hanging up: on a loaded server a request still unread when the
    // connection closes can be lost, and the window would never hear of the close.
    std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
    xcb_disconnect(c);
    return 0;
}
