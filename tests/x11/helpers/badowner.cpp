// SPDX-License-Identifier: GPL-3.0-or-later
// Owns the X clipboard and misbehaves in one of several ways, as broken or slow programs do.
// Raw xcb, so nothing answers for it behind its back. Reports on standard output: "owning" each
// time it has taken the clipboard, "asked <target>" for every request, "served <target>" for
// every answer it sends.
//
//   badowner never              answers nothing
//   badowner targets-only       answers TARGETS, never the text
//   badowner incr-stall         answers the text with INCR, then sends no chunk
//   badowner late MS            frozen for MS ms after taking the clipboard: answers what was asked
//                               meanwhile when it thaws, in order, and later requests at once
//   badowner atom               answers the text typed ATOM
//   badowner marker NAME [VALUE] offers a text beside the target NAME, whose value is VALUE
//                               (refused without one)
//   badowner sequence COUNT MS  takes the clipboard COUNT times, MS apart, with "text 1", "text 2", ...
//   badowner save-never         as never, and asks the clipboard manager to keep it: "saved" or "refused"
//
// The text is "badowner text" unless said otherwise. Exits after 120 s or when killed.
#include "RawXcb.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <poll.h>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

xcb_connection_t *c = nullptr;
xcb_window_t window = 0;
xcb_atom_t clipboardAtom, targetsAtom, utf8Atom, incrAtom, markerAtom = XCB_NONE;
std::string mode;
const char *markerValue = nullptr;
std::string text = "badowner text";

std::string atomName(xcb_atom_t atom)
{
    xcb_get_atom_name_reply_t *reply = xcb_get_atom_name_reply(c, xcb_get_atom_name(c, atom), nullptr);
    std::string name = reply ? std::string(xcb_get_atom_name_name(reply), size_t(xcb_get_atom_name_name_length(reply)))
                             : std::string("?");
    std::free(reply);
    return name;
}

void take()
{
    xcb_set_selection_owner(c, window, clipboardAtom, XCB_CURRENT_TIME);
    xcb_get_selection_owner_reply_t *owner =
        xcb_get_selection_owner_reply(c, xcb_get_selection_owner(c, clipboardAtom), nullptr);
    const bool owning = owner && owner->owner == window;
    std::free(owner);
    if (!owning) {
        std::fprintf(stderr, "badowner: could not take the clipboard\n");
        std::exit(2);
    }
    report("owning");
}

// Answers a request: writes the property (unless refusing) and notifies the requestor.
void answer(const xcb_selection_request_event_t &request)
{
    xcb_atom_t property = request.property == XCB_NONE ? request.target : request.property;
    if (request.target == targetsAtom) {
        std::vector<xcb_atom_t> offered{targetsAtom, utf8Atom};
        if (markerAtom != XCB_NONE)
            offered.push_back(markerAtom);
        xcb_change_property(c, XCB_PROP_MODE_REPLACE, request.requestor, property, XCB_ATOM_ATOM, 32,
                            uint32_t(offered.size()), offered.data());
    } else if (request.target == utf8Atom && mode == "atom") {
        const xcb_atom_t atoms[] = {targetsAtom, utf8Atom};
        xcb_change_property(c, XCB_PROP_MODE_REPLACE, request.requestor, property, XCB_ATOM_ATOM, 32, 2, atoms);
    } else if (request.target == utf8Atom && mode == "incr-stall") {
        const uint32_t size = 1000000;
        xcb_change_property(c, XCB_PROP_MODE_REPLACE, request.requestor, property, incrAtom, 32, 1, &size);
    } else if (request.target == utf8Atom) {
        xcb_change_property(c, XCB_PROP_MODE_REPLACE, request.requestor, property, utf8Atom, 8,
                            uint32_t(text.size()), text.data());
    } else if (request.target == markerAtom && markerAtom != XCB_NONE && markerValue) {
        xcb_change_property(c, XCB_PROP_MODE_REPLACE, request.requestor, property, XCB_ATOM_STRING, 8,
                            uint32_t(std::strlen(markerValue)), markerValue);
    } else {
        property = XCB_NONE;
    }
    notify(c, request, property);
    report("served " + atomName(request.target));
}

int fail()
{
    std::fprintf(stderr, "usage: badowner never|targets-only|incr-stall|late MS|atom|marker NAME [VALUE]|sequence COUNT MS\n");
    return 2;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 2)
        return fail();
    mode = argv[1];
    const bool twoNumbers = mode == "sequence";
    if ((mode == "late" && argc != 3) || (twoNumbers && argc != 4) || (mode == "marker" && argc != 3 && argc != 4))
        return fail();
    const int lateMs = mode == "late" ? std::atoi(argv[2]) : 0;
    const int count = twoNumbers ? std::atoi(argv[2]) : 1;
    const int gapMs = twoNumbers ? std::atoi(argv[3]) : 0;

    c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c))
        return 2;
    const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    window = xcb_generate_id(c);
    xcb_create_window(c, XCB_COPY_FROM_PARENT, window, screen->root, -1, -1, 1, 1, 0, XCB_WINDOW_CLASS_INPUT_ONLY,
                      XCB_COPY_FROM_PARENT, 0, nullptr);
    clipboardAtom = intern(c, "CLIPBOARD");
    targetsAtom = intern(c, "TARGETS");
    utf8Atom = intern(c, "UTF8_STRING");
    incrAtom = intern(c, "INCR");
    if (mode == "marker") {
        markerAtom = intern(c, argv[2]);
        markerValue = argc == 4 ? argv[3] : nullptr;
    }

    int taken = 1;
    if (twoNumbers)
        text = "text 1";
    take();
    if (mode == "save-never")
        xcb_convert_selection(c, window, intern(c, "CLIPBOARD_MANAGER"), intern(c, "SAVE_TARGETS"), XCB_NONE,
                              XCB_CURRENT_TIME);
    xcb_flush(c);

    const Clock::time_point end = Clock::now() + std::chrono::seconds(120);
    Clock::time_point nextTake = Clock::now() + std::chrono::milliseconds(gapMs);
    const Clock::time_point thaw = Clock::now() + std::chrono::milliseconds(lateMs);
    std::vector<xcb_selection_request_event_t> delayed;
    pollfd fd{xcb_get_file_descriptor(c), POLLIN, 0};
    while (Clock::now() < end && !xcb_connection_has_error(c)) {
        while (xcb_generic_event_t *event = xcb_poll_for_event(c)) {
            if ((event->response_type & 0x7f) == XCB_SELECTION_REQUEST) {
                const auto request = *reinterpret_cast<xcb_selection_request_event_t *>(event);
                report("asked " + atomName(request.target));
                if (mode.ends_with("never") || (mode == "targets-only" && request.target != targetsAtom)) {
                    // no answer
                } else if (mode == "late" && Clock::now() < thaw) {
                    delayed.push_back(request);
                } else {
                    answer(request);
                }
            } else if ((event->response_type & 0x7f) == XCB_SELECTION_NOTIFY) {
                report(reinterpret_cast<xcb_selection_notify_event_t *>(event)->property ? "saved" : "refused");
            }
            std::free(event);
        }
        const Clock::time_point now = Clock::now();
        if (now >= thaw) {
            for (const xcb_selection_request_event_t &request : delayed)
                answer(request);
            delayed.clear();
        }
        if (taken < count && now >= nextTake) {
            text = "text " + std::to_string(++taken);
            take();
            nextTake = now + std::chrono::milliseconds(gapMs);
        }
        poll(&fd, 1, 5);
    }
    xcb_disconnect(c);
    return 0;
}
