// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/ListCollection.h"

#include "model/ChangeJournal.h"
#include "model/ListItems.h"
#include "model/ListOptionFieldList.h"
#include "model/ListRecord.h"
#include "model/NewListDefaults.h"

#include <QDebug>
#include <set>
#include <stdexcept>

ListCollection::ListCollection(ChangeJournal &journal, const NewListDefaults &defaults, const TextWidth &meter)
    : m_journal(journal), m_defaults(defaults), m_meter(meter)
{
}

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
    auto made = std::make_unique<ListRecord>(id == 0 ? m_lastListId : id, m_journal, m_itemIds, m_meter);
    ListRecord &list = *made;
    list.heightShare = -1;
    ListOptionFieldList{}([&](auto option, auto def, auto) { list.*option = m_defaults.*def; });
    connect(&list.items(), &ListItems::rowsRearranged, this, &ListCollection::rowsRearranged);

    m_lists.push_back(std::move(made));
    m_journal.layoutChanged();
    const ListNumber number(m_lists.size() - 1);
    emit listMade(number);
    return number;
}

void ListCollection::renameList(ListNumber list, const QString &name)
{
    at(list).name = name;
    m_journal.layoutChanged();
    emit listRenamed(list);
}

void ListCollection::setOptions(ListNumber list, const ListOptions &options)
{
    static_cast<ListOptions &>(at(list)) = options;
    m_journal.layoutChanged();
}

void ListCollection::deleteList(ListNumber list)
{
    if (m_lists.empty())
        return;
    if (list < 0 || list >= count())
        throw std::out_of_range("list number out of range");
    m_journal.listEmptied(m_lists[size_t(list.value())]->id());
    m_journal.layoutChanged();
    m_lists.erase(m_lists.begin() + list.value());
    emit listDeleted(list);
    emit rowsRearranged();
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
