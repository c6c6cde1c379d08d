// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/FileDialog.h"
#include "storage/ClipListStore.h"

#include <QStringList>

class ListCommands;
class ListCollection;
class ListDisplay;

// Opening and saving clip-list files from the menus, the keys and the command line.
class ListFileCommands {
public:
    ListFileCommands(ListCollection &clipLists, ListDisplay &display, ListCommands &lists, MessageBoxPort &messages,
                     FileDialogPort &dialogs);

    void openListWithDialog();
    void saveListWithDialog();
    // Saves into the list's own file when it still exists, else asks where.
    void saveOver();
    // Opens the existing files among the arguments: the first into the focused list (unless it
    // must keep what it holds), each further one into a new list.
    void openCommandLineFiles(const QStringList &arguments, bool keepFocusedList = false);
    // Files handed over by a later start: the lists already hold the user's items, so each
    // existing file gets a new list of its own.
    void openHandedFiles(const QStringList &paths);

    ClipListStore &store() { return m_store; }
    FileDialog &dialogs() { return m_dialogs; }

    // The argument with its name as the file system spells it. A name that does not exist stays
    // as typed: reading it fails with the message of any unreadable file.
    static QString spelledPath(const QString &argument);

private:
    ListDisplay &m_display;
    ListCommands &m_lists;
    ClipListStore m_store;
    FileDialog m_dialogs;
};
