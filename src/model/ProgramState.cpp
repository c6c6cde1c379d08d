// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/ProgramState.h"

#include "model/ChangeJournal.h"
#include "model/ListItems.h"
#include "model/ListCollection.h"
#include "model/ListDisplay.h"
#include "model/ListRecord.h"
#include "model/NewListDefaults.h"
#include "model/GlobalSettings.h"
#include "model/seams/PaneHost.h"

ProgramState::ProgramState(PaneHost &host)
    : m_settings(std::make_unique<GlobalSettings>()),
      m_newListDefaults(std::make_unique<NewListDefaults>()),
      m_journal(std::make_unique<ChangeJournal>()),
      m_lists(std::make_unique<ListCollection>(*m_journal, *m_newListDefaults, host)),
      m_display(std::make_unique<ListDisplay>(*m_lists, host, *m_journal, *m_settings))
{
}

ProgramState::~ProgramState() = default;
