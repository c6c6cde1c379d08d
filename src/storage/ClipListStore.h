// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/Numbers.h"

#include <QString>

class MessageBoxPort;
class ListCollection;
class ListDisplay;

// Opens clip-list files into lists and saves lists into files, telling the user when that fails.
// A file that cannot be read completely leaves the list, its options and its rows as they were;
// a save that fails leaves the previous file and the list's file name as they were.
class ClipListStore {
public:
    ClipListStore(ListCollection &lists, ListDisplay &display, MessageBoxPort &messages)
        : m_lists(lists), m_display(display), m_messages(messages)
    {
    }

    // Whether every failure message names the file. The damaged-items message does not by itself,
    // which leaves the user guessing when several files are opened at once.
    enum class Naming { AsUsual, EveryMessage };

    // Into the focused pane's list; true when loaded.
    bool openListFile(const QString &path, Naming naming = Naming::AsUsual);
    bool readListFile(const QString &path, PaneNumber pane, ListNumber list, Naming naming = Naming::AsUsual);
    // True when the file was written; the list then remembers the path.
    bool writeListFile(const QString &path, ListNumber list);

private:
    ListCollection &m_lists;
    ListDisplay &m_display;
    MessageBoxPort &m_messages;
};
