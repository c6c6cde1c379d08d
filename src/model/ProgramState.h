// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/ExtraSettings.h"
#include "model/RunFlags.h"

#include <memory>

class ChangeJournal;
class ListCollection;
class ListDisplay;
class GlobalSettings;
class NewListDefaults;
class PaneHost;

// Program-wide state and the one set of data-model singletons. The composition root builds one;
// a test builds its own, and so its own isolated set of lists, panes and settings.
class ProgramState {
public:
    // The panes are shown in the host's list boxes.
    explicit ProgramState(PaneHost &host);
    ~ProgramState();
    ProgramState(const ProgramState &) = delete;
    ProgramState &operator=(const ProgramState &) = delete;

    RunFlags flags;
    ExtraSettings extraSettings;

    ListCollection &lists() { return *m_lists; }
    ListDisplay &display() { return *m_display; }
    GlobalSettings &settings() { return *m_settings; }
    NewListDefaults &newListDefaults() { return *m_newListDefaults; }
    ChangeJournal &journal() { return *m_journal; }

private:
    // Settings first: the lists read them; lists before panes: panes are released first.
    std::unique_ptr<GlobalSettings> m_settings;
    std::unique_ptr<NewListDefaults> m_newListDefaults;
    std::unique_ptr<ChangeJournal> m_journal;
    std::unique_ptr<ListCollection> m_lists;
    std::unique_ptr<ListDisplay> m_display;
};
