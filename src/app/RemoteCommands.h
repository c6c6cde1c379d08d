// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/RemoteMessage.h"

class ClipboardWatcher;
class HotkeyPick;
class ListCollection;
class ListDisplay;
class ListItems;
class TrayIcon;

// What the running program does for a command a later start sent (quillkeeper --add, --list, ...):
// each acts on the focused list, or does what the hotkey, the tray icon or the capture switch does.
// The arguments were checked by the start that sent them, and are checked again: anything may
// connect to the socket.
class RemoteCommands {
public:
    RemoteCommands(ListCollection &lists, ListDisplay &display, ClipboardWatcher &watcher, TrayIcon &tray,
                   HotkeyPick *pick);

    RemoteReply answer(const RemoteRequest &request);

private:
    RemoteReply add(const QString &text);
    RemoteReply list(const QStringList &arguments);
    RemoteReply read(const QString &row);
    RemoteReply count();
    RemoteReply pick();
    RemoteReply showWindow(bool shown);
    RemoteReply capture(const QString &how);
    ListItems *focusedItems();

    ListCollection &m_lists;
    ListDisplay &m_display;
    ClipboardWatcher &m_watcher;
    TrayIcon &m_tray;
    HotkeyPick *m_pick;
};
