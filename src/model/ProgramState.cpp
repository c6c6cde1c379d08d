#include "model/ProgramState.h"

#include "model/ChangeJournal.h"
#include "model/ListItems.h"
#include "model/ListCollection.h"
#include "model/ListDisplay.h"
#include "model/ListRecord.h"
#include "model/NewListDefaults.h"
#include "model/GlobalSettings.h"

#include <set>

ProgramState::ProgramState(PaneHost &host)
    : m_settings(std::make_unique<GlobalSettings>()),
      m_newListDefaults(std::make_unique<NewListDefaults>()),
      m_journal(std::make_unique<ChangeJournal>()),
      m_lists(std::make_unique<ListCollection>(*this)),
      m_display(std::make_unique<ListDisplay>(*this, host))
{
}

ProgramState::~ProgramState() = default;

ListNumber ProgramState::listOfPane(PaneNumber pane)
{
    return display().paneRecord(pane).list;
}

ItemNumber ProgramState::itemOfRow(PaneNumber pane, RowNumber row)
{
    return lists().at(listOfPane(pane)).items().itemOfRow(row);
}

void ProgramState::numberSameNames(ListNumber list)
{
    ListCollection &all = lists();
    if (all.count() <= 1)
        return;
    ListRecord &named = all.at(list);
    std::set<qint16> taken;
    bool first = true;
    for (ListNumber other{0}; other < all.count(); ++other) {
        if (other == list)
            continue;
        ListRecord &namesake = all.at(other);
        if (namesake.name != named.name)
            continue;
        if (first && namesake.sameNameNumber == 0)
            namesake.sameNameNumber = 1;
        first = false;
        taken.insert(namesake.sameNameNumber);
    }
    if (taken.empty()) {
        named.sameNameNumber = 0;
        return;
    }
    qint16 number = 1;
    while (taken.count(number))
        ++number;
    named.sameNameNumber = number;
}
