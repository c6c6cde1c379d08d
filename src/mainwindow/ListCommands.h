// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/FocusMode.h"

#include <QObject>

class ListDisplayMenu;
class ListRecord;
struct ListOptions;
class ListCollection;
class ListDisplay;
class GlobalSettings;
class NewListDefaults;
struct KeptHistory;

// Commands on whole lists: make one, delete the focused one, show or hide one from the list
// display menu. The menu keeps one entry per list.
class ListCommands : public QObject {
    Q_OBJECT
public:
    ListCommands(ListCollection &lists, ListDisplay &display, GlobalSettings &settings, NewListDefaults &defaults,
                 ListDisplayMenu &displayMenu);

    // False when no list could be made (the most lists there can be exist).
    bool makeNewList();
    // The first list, shown in the first pane at start-up.
    void makeFirstList();
    // At start-up in place of the first list: the lists and panes as the history kept them.
    // Returns the text of the newest item kept.
    QString restoreLists(KeptHistory &kept);
    void deleteList();
    // Empties the focused list.
    void clearList();
    void toggleListShown(int index);

    // The add options of the focused list, or of every list with addOptionsToAllLists; with addOptionsAsDefaults also the
    // default of new lists.
    void setAddAtBottom(bool value);
    void setAddAtFocus(bool value);
    void setFocusMode(FocusMode value);
    // The list shown in the focused pane.
    ListRecord &focusedList();

signals:
    // The focused list's focusMode may have changed (the watcher's timer depends on it).
    void focusedFocusModeChanged(FocusMode focusMode);

private:
    template <typename T>
    void setAddOption(T ListOptions::*option, T value);

    ListCollection &m_lists;
    ListDisplay &m_display;
    GlobalSettings &m_settings;
    NewListDefaults &m_defaults;
    ListDisplayMenu &m_displayMenu;
};
