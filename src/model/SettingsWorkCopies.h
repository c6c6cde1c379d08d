// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/ExtraSettings.h"
#include "model/GlobalSettingsCopy.h"
#include "model/ListOptionsCopy.h"

#include <QStringList>
#include <vector>

class MessageBoxPort;
class GlobalSettings;
class ListCollection;
class ListDisplay;
class NewListDefaults;
struct ListOptions;

// What the settings dialog edits: copies of the global settings, of the new-list defaults and of
// every list's options (in a list's copy the Def fields hold the list's own options). Nothing
// live changes until the copies are applied.
struct SettingsWorkCopies {
    GlobalSettingsCopy global;
    ListOptionsCopy defaults;
    ExtraSettings extra;
    // Shown lists in display order, then the hidden ones in list-number order.
    std::vector<ListOptionsCopy> lists;
    // The list selector's entries, one per copy in lists.
    QStringList entries;

    void load(const GlobalSettings &settings, const NewListDefaults &newLists, const ExtraSettings &more,
              ListCollection &all, ListDisplay &panes);
    // Every option of the defaults but the list and file names goes to every list's copy.
    void applyDefaultsToAllLists();

    void applyGlobal(GlobalSettings &settings) const;
    void applyDefaults(NewListDefaults &newLists) const;
    // Stores every list's changed options, asking before a limit is lowered. Returns the index
    // of the copy whose lowering was refused (the later lists are left as they are), or -1.
    int applyLists(ListCollection &all, ListDisplay &panes, MessageBoxPort &messages) const;

    // "[表示]-name(2)": how the selector names a list.
    static QString entryText(const ListOptions &list, bool shown);

private:
    void buildListEntries(ListCollection &all, ListDisplay &panes);
};
