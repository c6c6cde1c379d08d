// SPDX-License-Identifier: GPL-3.0-or-later
// Turns the X server's key autorepeat off: on a loaded machine a key sent by xdotool can stay
// down long enough to repeat, and a repeated toggle key undoes itself.
#include <xcb/xcb.h>

int main()
{
    xcb_connection_t *c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c))
        return 1;
    const uint32_t off = XCB_AUTO_REPEAT_MODE_OFF;
    xcb_request_check(c, xcb_change_keyboard_control_checked(c, XCB_KB_AUTO_REPEAT_MODE, &off));
    xcb_disconnect(c);
    return 0;
}
