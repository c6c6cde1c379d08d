// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/ListCollection.h"

#include "model/ChangeJournal.h"
#include "model/ListDisplay.h"
#include "model/ListRecord.h"
#include "model/ListOptionFieldList.h"
#include "model/ProgramState.h"
#include "model/seams/PaneHost.h"
#include "model/NewListDefaults.h"
#include "model/GlobalSettings.h"

#include <QDebug>
#include <set>
#include <stdexcept>

ListCollection::ListCollection(ProgramState &state) : m_state(state) {}

ListCollection::~ListCollection() = default;

ListRecord &ListCollection::at(ListNumber list)
{
    if (list < 0 || list >= count())
        throw std::out_of_range("list number out of range");
    return *m_lists[size_t(list.value())];
}

ListNumber ListCollection::makeList(quint32 id)
{
    if (m_lists.size() >= size_t(MaxCount)) {
        qWarning("makeList: 32767 lists exist already; no list made");
        return Refused;
    }
    m_lastListId = id == 0 ? m_lastListId + 1 : std::max(m_lastListId, id);
    auto made = std::make_unique<ListRecord>(m_state, id == 0 ? m_lastListId : id);
    ListRecord &list = *made;
    const NewListDefaults &defaults = m_state.newListDefaults();

    list.heightShare = -1;
    ListOptionFieldList{}([&](auto option, auto def, auto) { list.*option = defaults.*def; });
    // With addOptionsToAllLists a new list adds the way the focused one does.
    ListDisplay &panes = m_state.display();
    if (panes.paneCount() > 0 && m_state.settings().addOptionsToAllLists) {
        const ListRecord &focused = at(panes.focusedList());
        list.addAtBottom = focused.addAtBottom;
        list.addAtFocus = focused.addAtFocus;
        list.focusMode = focused.focusMode;
    }

    m_lists.push_back(std::move(made));
    m_state.journal().layoutChanged();
    return ListNumber(m_lists.size() - 1);
}

void ListCollection::showList(ListNumber list)
{
    m_state.display().showList(list);
}

void ListCollection::renameList(ListNumber list, const QString &name)
{
    at(list).name = name;
    m_state.journal().layoutChanged();
    // A list box showing it takes the new name as its accessible one.
    m_state.display().host().layOutPanes();
}

void ListCollection::noteOptionsChanged()
{
    m_state.journal().layoutChanged();
}

void ListCollection::deleteList(ListNumber list)
{
    if (m_lists.empty())
        return;
    if (list < 0 || list >= count())
        throw std::out_of_range("list number out of range");
    m_state.journal().listEmptied(m_lists[size_t(list.value())]->id());
    m_state.journal().layoutChanged();
    m_lists.erase(m_lists.begin() + list.value());

    ListDisplay &panes = m_state.display();
    for (qint16 pos = 0; pos < panes.paneCount(); ++pos) {
        PaneRecord &pane = panes.paneRecord(panes.paneAtPosition(pos));
        if (pane.list > list)
            --pane.list;
    }
}

void ListCollection::numberSameNames(ListNumber list)
{
    if (count() <= 1)
        return;
    ListRecord &named = at(list);
    std::set<qint16> taken;
    bool first = true;
    for (ListNumber other{0}; other < count(); ++other) {
        if (other == list)
            continue;
        ListRecord &namesake = at(other);
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
