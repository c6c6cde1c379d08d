// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/x11/X11Hotkey.h"

#include "platform/x11/XcbCalls.h"

#include <QKeySequence>
#include <QSocketNotifier>
#include <array>
#include <cstdlib>
#include <xcb/xcb.h>
#include <xcb/xtest.h>

namespace {
constexpr quint32 NumLockKeysym = 0xff7f;
constexpr quint32 ControlKeysym = 0xffe3;
constexpr quint32 VKeysym = 0x76;

using XcbCalls::reply;

// The X keysym of a Qt key: Latin-1 keys share their code (letters in lower case), the others
// come from the table.
quint32 keysymOf(int key)
{
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return quint32(key - Qt::Key_A + 'a');
    if (key >= Qt::Key_Space && key <= Qt::Key_AsciiTilde)
        return quint32(key);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return 0xffbe + quint32(key - Qt::Key_F1);
    static constexpr std::pair<int, quint32> named[] = {
        {Qt::Key_Escape, 0xff1b}, {Qt::Key_Tab, 0xff09},    {Qt::Key_Backspace, 0xff08}, {Qt::Key_Return, 0xff0d},
        {Qt::Key_Insert, 0xff63}, {Qt::Key_Delete, 0xffff}, {Qt::Key_Pause, 0xff13},     {Qt::Key_Print, 0xff61},
        {Qt::Key_Home, 0xff50},   {Qt::Key_Left, 0xff51},   {Qt::Key_Up, 0xff52},        {Qt::Key_Right, 0xff53},
        {Qt::Key_Down, 0xff54},   {Qt::Key_PageUp, 0xff55}, {Qt::Key_PageDown, 0xff56},  {Qt::Key_End, 0xff57}};
    for (const auto &[qtKey, keysym] : named) {
        if (qtKey == key)
            return keysym;
    }
    return 0;
}

quint16 modifierMask(Qt::KeyboardModifiers modifiers)
{
    quint16 mask = 0;
    if (modifiers & Qt::ShiftModifier)
        mask |= XCB_MOD_MASK_SHIFT;
    if (modifiers & Qt::ControlModifier)
        mask |= XCB_MOD_MASK_CONTROL;
    if (modifiers & Qt::AltModifier)
        mask |= XCB_MOD_MASK_1;
    if (modifiers & Qt::MetaModifier)
        mask |= XCB_MOD_MASK_4;
    return mask;
}
} // namespace

X11Hotkey::X11Hotkey()
{
    m_pasteWait.setInterval(20);
    connect(&m_pasteWait, &QTimer::timeout, this, &X11Hotkey::pasteWhenBack);
}

X11Hotkey::~X11Hotkey()
{
    m_notifier.reset();
    if (m_connection)
        xcb_disconnect(m_connection);
}

bool X11Hotkey::start()
{
    int screenNumber = 0;
    m_connection = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(m_connection))
        return false;
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(m_connection));
    for (int i = 0; i < screenNumber && screens.rem; ++i)
        xcb_screen_next(&screens);
    m_root = screens.data->root;
    XcbCalls::intern(m_connection, {{&m_activeAtom, "_NET_ACTIVE_WINDOW"}, {&m_wmCheckAtom, "_NET_SUPPORTING_WM_CHECK"}});
    m_notifier = std::make_unique<QSocketNotifier>(xcb_get_file_descriptor(m_connection), QSocketNotifier::Read);
    connect(m_notifier.get(), &QSocketNotifier::activated, this, &X11Hotkey::readEvents);
    return true;
}

QList<quint8> X11Hotkey::keycodesOf(xcb_connection_t *connection, const QList<quint32> &keysyms)
{
    QList<quint8> keycodes(keysyms.size(), 0);
    const xcb_setup_t *setup = xcb_get_setup(connection);
    const quint8 first = setup->min_keycode;
    const int count = setup->max_keycode - first + 1;
    const auto mapping = reply(xcb_get_keyboard_mapping_reply(
        connection, xcb_get_keyboard_mapping(connection, first, quint8(count)), nullptr));
    if (!mapping)
        return keycodes;
    const xcb_keysym_t *symbols = xcb_get_keyboard_mapping_keysyms(mapping.get());
    const int perKeycode = mapping->keysyms_per_keycode;
    for (qsizetype k = 0; k < keysyms.size(); ++k) {
        // The unshifted and the shifted symbol of each key.
        for (int column = 0; column < std::min(perKeycode, 2) && !keycodes[k]; ++column) {
            for (int i = 0; i < count; ++i) {
                if (symbols[i * perKeycode + column] == keysyms[k]) {
                    keycodes[k] = quint8(first + i);
                    break;
                }
            }
        }
    }
    return keycodes;
}

quint16 X11Hotkey::numLockMask(quint8 numLock) const
{
    const auto mapping = reply(xcb_get_modifier_mapping_reply(m_connection, xcb_get_modifier_mapping(m_connection), nullptr));
    if (!mapping || !numLock)
        return XCB_MOD_MASK_2;
    const xcb_keycode_t *codes = xcb_get_modifier_mapping_keycodes(mapping.get());
    const int perModifier = mapping->keycodes_per_modifier;
    for (int modifier = 0; modifier < 8; ++modifier) {
        for (int i = 0; i < perModifier; ++i) {
            if (codes[modifier * perModifier + i] == numLock)
                return quint16(1 << modifier);
        }
    }
    return XCB_MOD_MASK_2;
}

HotkeyPort::Grab X11Hotkey::grab(QKeyCombination key)
{
    if (!m_connection)
        return Grab::Unknown;
    readQueuedSoon();
    const QList<quint8> keycodes = keycodesOf(m_connection, {keysymOf(key.key()), NumLockKeysym});
    const quint8 keycode = keycodes[0];
    const quint16 numLock = numLockMask(keycodes[1]);
    // A new map that left the key where it was: it stays grabbed, and no press meanwhile is lost.
    if (m_keycode && m_key == key && keycode == m_keycode && numLock == m_numLock)
        return Grab::Done;
    ungrab();
    m_key = key;
    if (!keycode)
        return Grab::Unknown;
    const quint16 modifiers = modifierMask(key.keyboardModifiers());
    // With and without Caps Lock and Num Lock; all asked before any answer is awaited.
    const std::array<quint16, 4> locks{0, XCB_MOD_MASK_LOCK, numLock, quint16(numLock | XCB_MOD_MASK_LOCK)};
    std::array<xcb_void_cookie_t, 4> grabs;
    for (size_t i = 0; i < locks.size(); ++i)
        grabs[i] = xcb_grab_key_checked(m_connection, 1, m_root, modifiers | locks[i], keycode, XCB_GRAB_MODE_ASYNC,
                                        XCB_GRAB_MODE_ASYNC);
    bool taken = false;
    for (const xcb_void_cookie_t &cookie : grabs) {
        if (xcb_generic_error_t *error = xcb_request_check(m_connection, cookie)) {
            taken = true;
            std::free(error);
        }
    }
    m_keycode = keycode;
    m_numLock = numLock;
    if (taken) {
        // Half a grab would work only with some lock keys on.
        ungrab();
        return Grab::Taken;
    }
    return Grab::Done;
}

void X11Hotkey::release()
{
    m_key.reset();
    ungrab();
}

void X11Hotkey::ungrab()
{
    if (!m_connection || !m_keycode)
        return;
    xcb_ungrab_key(m_connection, m_keycode, m_root, XCB_MOD_MASK_ANY);
    xcb_flush(m_connection);
    m_keycode = 0;
}

void X11Hotkey::readEvents()
{
    bool keyboardChanged = false;
    while (xcb_generic_event_t *event = xcb_poll_for_event(m_connection)) {
        switch (event->response_type & 0x7f) {
        case XCB_KEY_PRESS:
            if (const auto *press = reinterpret_cast<const xcb_key_press_event_t *>(event); press->detail == m_keycode) {
                // Asked before the program's window comes up and takes the focus. A window manager
                // that ended leaves its active window named on the root window.
                m_pressTime = press->time;
                m_windowManager = windowManagerRuns();
                const quint32 active = m_windowManager ? activeWindow() : 0;
                m_managed = active != 0;
                m_previous = m_managed ? active : focusedWindow();
                emit pressed();
            }
            break;
        case XCB_MAP_NOTIFY:
            if (reinterpret_cast<const xcb_map_notify_event_t *>(event)->window == m_focusTarget)
                focusProgramWindow();
            break;
        case XCB_MAPPING_NOTIFY:
            // Also what a new keyboard (an XKB notice) becomes for a connection that never asked for XKB.
            keyboardChanged |= reinterpret_cast<const xcb_mapping_notify_event_t *>(event)->request != XCB_MAPPING_POINTER;
            break;
        default:
            break;
        }
        std::free(event);
    }
    // Once for a burst of notices: a new layout sends several.
    if (keyboardChanged && m_key && grab(*m_key) != Grab::Done)
        qWarning("The hotkey %s has no free key on the new keyboard map",
                 qUtf8Printable(QKeySequence(*m_key).toString(QKeySequence::PortableText)));
}

void X11Hotkey::readQueuedSoon()
{
    QMetaObject::invokeMethod(this, &X11Hotkey::readEvents, Qt::QueuedConnection);
}

quint32 X11Hotkey::windowProperty(quint32 window, quint32 atom) const
{
    if (!atom)
        return 0;
    const auto property = reply(xcb_get_property_reply(
        m_connection, xcb_get_property(m_connection, 0, window, atom, XCB_ATOM_WINDOW, 0, 1), nullptr));
    if (!property || xcb_get_property_value_length(property.get()) < int(sizeof(quint32)))
        return 0;
    return *static_cast<const quint32 *>(xcb_get_property_value(property.get()));
}

// A running window manager names a window of its own that names itself; the window goes with it.
bool X11Hotkey::windowManagerRuns() const
{
    const quint32 check = windowProperty(m_root, m_wmCheckAtom);
    return check && windowProperty(check, m_wmCheckAtom) == check;
}

quint32 X11Hotkey::focusedWindow() const
{
    const auto focus = reply(xcb_get_input_focus_reply(m_connection, xcb_get_input_focus(m_connection), nullptr));
    return focus && focus->focus > XCB_INPUT_FOCUS_POINTER_ROOT ? focus->focus : 0;
}

void X11Hotkey::returnFocus(bool paste)
{
    if (!m_connection || !m_previous)
        return;
    if (m_managed) {
        // Through the window manager, which raises the window and keeps its own idea of the focus;
        // source 2: on the user's behalf, so it is not refused as focus stealing.
        xcb_client_message_event_t message{};
        message.response_type = XCB_CLIENT_MESSAGE;
        message.format = 32;
        message.window = m_previous;
        message.type = m_activeAtom;
        message.data.data32[0] = 2;
        message.data.data32[1] = XCB_CURRENT_TIME;
        xcb_send_event(m_connection, 0, m_root, XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                       reinterpret_cast<const char *>(&message));
    } else {
        xcb_set_input_focus(m_connection, XCB_INPUT_FOCUS_PARENT, m_previous, XCB_CURRENT_TIME);
    }
    xcb_flush(m_connection);
    if (paste) {
        m_pasteTries = 0;
        m_pasteWait.start();
    }
}

void X11Hotkey::takeFocus(quintptr window)
{
    // A window manager takes the program's own request; without one, Qt's request carries the
    // time of the last event it saw, older than the other program's focus, and is ignored.
    if (!m_connection || m_windowManager || !window)
        return;
    m_focusTarget = quint32(window);
    // The window may not be mapped yet: its map is told to this connection too.
    const quint32 structure = XCB_EVENT_MASK_STRUCTURE_NOTIFY;
    xcb_change_window_attributes(m_connection, m_focusTarget, XCB_CW_EVENT_MASK, &structure);
    const auto attributes = reply(xcb_get_window_attributes_reply(
        m_connection, xcb_get_window_attributes(m_connection, m_focusTarget), nullptr));
    if (attributes && attributes->map_state == XCB_MAP_STATE_VIEWABLE)
        focusProgramWindow();
    readQueuedSoon();
}

void X11Hotkey::focusProgramWindow()
{
    xcb_set_input_focus(m_connection, XCB_INPUT_FOCUS_PARENT, m_focusTarget, m_pressTime);
    const quint32 nothing = 0;
    xcb_change_window_attributes(m_connection, m_focusTarget, XCB_CW_EVENT_MASK, &nothing);
    xcb_flush(m_connection);
    m_focusTarget = 0;
}

// Ctrl+V goes only to the window the focus went back to; after half a second without it, nowhere.
void X11Hotkey::pasteWhenBack()
{
    const bool back = (m_managed ? activeWindow() : focusedWindow()) == m_previous;
    if (back)
        typePaste();
    if (back || ++m_pasteTries >= 25)
        m_pasteWait.stop();
    readQueuedSoon();
}

void X11Hotkey::typePaste()
{
    const xcb_query_extension_reply_t *xtest = xcb_get_extension_data(m_connection, &xcb_test_id);
    const QList<quint8> keycodes = keycodesOf(m_connection, {ControlKeysym, VKeysym});
    const quint8 control = keycodes[0];
    const quint8 v = keycodes[1];
    if (!xtest || !xtest->present || !control || !v)
        return;
    for (const auto &[type, code] : {std::pair{XCB_KEY_PRESS, control}, {XCB_KEY_PRESS, v}, {XCB_KEY_RELEASE, v},
                                     {XCB_KEY_RELEASE, control}})
        xcb_test_fake_input(m_connection, quint8(type), code, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
    xcb_flush(m_connection);
}
