// SPDX-License-Identifier: GPL-3.0-or-later
// A clipboard manager after the freedesktop convention, as a desktop may run one beside the
// program: owns CLIPBOARD_MANAGER; when the clipboard's owner asks it to SAVE_TARGETS, reads the
// owner's UTF8_STRING and answers; once that owner has left the clipboard, owns it with the text.
// Raw xcb, so nothing answers for it behind its back. Reports on standard output: "managing" once
// it owns CLIPBOARD_MANAGER, "saved <text>" once it has the text, "owning" once it serves it.
// Exits after 60 s or when killed.
#include "RawXcb.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <poll.h>
#include <string>

namespace {

xcb_connection_t *c = nullptr;
xcb_window_t window = 0;
xcb_atom_t clipboardAtom, managerAtom, saveTargetsAtom, targetsAtom, utf8Atom, nullAtom, savedAtom;

xcb_window_t ownerOf(xcb_atom_t selection)
{
    xcb_get_selection_owner_reply_t *reply =
        xcb_get_selection_owner_reply(c, xcb_get_selection_owner(c, selection), nullptr);
    const xcb_window_t owner = reply ? reply->owner : XCB_NONE;
    std::free(reply);
    return owner;
}

void serveClipboard(const xcb_selection_request_event_t &request, const std::string &text)
{
    const xcb_atom_t property = request.property == XCB_NONE ? request.target : request.property;
    if (request.target == targetsAtom) {
        const xcb_atom_t offered[] = {targetsAtom, utf8Atom};
        xcb_change_property(c, XCB_PROP_MODE_REPLACE, request.requestor, property, XCB_ATOM_ATOM, 32, 2, offered);
    } else if (request.target == utf8Atom) {
        xcb_change_property(c, XCB_PROP_MODE_REPLACE, request.requestor, property, utf8Atom, 8,
                            uint32_t(text.size()), text.data());
    } else {
        notify(c, request, XCB_NONE);
        return;
    }
    notify(c, request, property);
}

} // namespace

int main()
{
    c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c))
        return 2;
    const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    window = xcb_generate_id(c);
    const uint32_t mask = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_create_window(c, XCB_COPY_FROM_PARENT, window, screen->root, 0, 0, 1, 1, 0, XCB_WINDOW_CLASS_INPUT_ONLY,
                      XCB_COPY_FROM_PARENT, XCB_CW_EVENT_MASK, &mask);
    clipboardAtom = intern(c, "CLIPBOARD");
    managerAtom = intern(c, "CLIPBOARD_MANAGER");
    saveTargetsAtom = intern(c, "SAVE_TARGETS");
    targetsAtom = intern(c, "TARGETS");
    utf8Atom = intern(c, "UTF8_STRING");
    nullAtom = intern(c, "NULL");
    savedAtom = intern(c, "SAVEMANAGER_TEXT");
    xcb_set_selection_owner(c, window, managerAtom, XCB_CURRENT_TIME);
    if (ownerOf(managerAtom) != window) {
        std::fprintf(stderr, "savemanager: another clipboard manager runs\n");
        return 2;
    }
    report("managing");

    std::optional<xcb_selection_request_event_t> saving;
    std::optional<std::string> saved;
    bool owning = false;
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (std::chrono::steady_clock::now() < end && !xcb_connection_has_error(c)) {
        // The saved text's owner has left: the clipboard is ours to keep full.
        if (saved && !owning && ownerOf(clipboardAtom) == XCB_NONE) {
            xcb_set_selection_owner(c, window, clipboardAtom, XCB_CURRENT_TIME);
            owning = ownerOf(clipboardAtom) == window;
            if (owning)
                report("owning");
        }
        pollfd socket{xcb_get_file_descriptor(c), POLLIN, 0};
        poll(&socket, 1, saved && !owning ? 20 : 200);
        while (xcb_generic_event_t *event = xcb_poll_for_event(c)) {
            const uint8_t type = event->response_type & 0x7f;
            if (type == XCB_SELECTION_REQUEST) {
                const auto &request = *reinterpret_cast<xcb_selection_request_event_t *>(event);
                if (request.selection == clipboardAtom && owning) {
                    serveClipboard(request, *saved);
                } else if (request.selection == managerAtom && request.target == saveTargetsAtom && !saving) {
                    saving = request;
                    xcb_convert_selection(c, window, clipboardAtom, utf8Atom, savedAtom, request.time);
                    xcb_flush(c);
                } else {
                    notify(c, request, XCB_NONE);
                }
            } else if (type == XCB_SELECTION_NOTIFY && saving) {
                const auto &answer = *reinterpret_cast<xcb_selection_notify_event_t *>(event);
                const xcb_atom_t property = saving->property == XCB_NONE ? saving->target : saving->property;
                if (answer.property != XCB_NONE) {
                    xcb_get_property_reply_t *reply = xcb_get_property_reply(
                        c, xcb_get_property(c, 1, window, savedAtom, XCB_GET_PROPERTY_TYPE_ANY, 0, 1 << 24), nullptr);
                    if (reply && reply->type == utf8Atom) {
                        saved = std::string(static_cast<const char *>(xcb_get_property_value(reply)),
                                            size_t(xcb_get_property_value_length(reply)));
                        report("saved " + *saved);
                    }
                    std::free(reply);
                }
                // The convention's word for "saved": an empty NULL property where the owner asked.
                if (saved)
                    xcb_change_property(c, XCB_PROP_MODE_REPLACE, saving->requestor, property, nullAtom, 32, 0,
                                        nullptr);
                notify(c, *saving, saved ? property : XCB_NONE);
                saving.reset();
            }
            std::free(event);
        }
    }
    xcb_disconnect(c);
    return 0;
}
