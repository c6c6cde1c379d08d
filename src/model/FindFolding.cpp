// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/FindFolding.h"

#include "model/ListCollection.h"
#include "model/ListItems.h"
#include "model/ListRecord.h"

#include <QElapsedTimer>
#include <algorithm>

namespace {
// Longest a slice holds up the window (but for one very long text, which is folded whole).
constexpr qint64 SliceNs = 4'000'000;
// From a change to the first slice.
constexpr int QuietMs = 250;
} // namespace

FindFolding::FindFolding(ListCollection &lists) : m_lists(lists)
{
    m_slices.setSingleShot(true);
    connect(&m_slices, &QTimer::timeout, this, &FindFolding::foldSlice);
    for (ListNumber list{0}; list < lists.count(); ++list) {
        follow(lists.at(list).items());
        lookThrough(lists.at(list).items());
    }
    connect(&lists, &ListCollection::listMade, this, [this](ListNumber list) { follow(m_lists.at(list).items()); });
    connect(&lists, &ListCollection::listDeleted, this, &FindFolding::dropDeletedLists);
}

void FindFolding::follow(ListItems &items)
{
    const auto changed = [this, &items] { lookThrough(items); };
    connect(&items, &QAbstractItemModel::rowsInserted, this, changed);
    connect(&items, &QAbstractItemModel::rowsRemoved, this, changed);
    connect(&items, &QAbstractItemModel::modelReset, this, changed);
    connect(&items, &QAbstractItemModel::dataChanged, this,
            [changed](const QModelIndex &, const QModelIndex &, const QList<int> &roles) {
                // Rows only captioned anew keep their texts.
                if (roles != QList<int>{Qt::DisplayRole})
                    changed();
            });
}

void FindFolding::lookThrough(ListItems &items)
{
    auto walk = std::find_if(m_walks.begin(), m_walks.end(), [&items](const auto &walk) { return walk.first == &items; });
    if (walk == m_walks.end())
        m_walks.emplace_back(&items, 0);
    else
        walk->second = 0;
    // Each change puts the next slice off again: a burst of captures into a full list is folded once
    // it is over, not between every two captures.
    m_slices.start(QuietMs);
}

void FindFolding::foldSlice()
{
    QElapsedTimer slice;
    slice.start();
    while (!m_walks.empty()) {
        auto &[items, next] = m_walks.front();
        // Texts still being unpacked after the start are folded once they are all there, rather
        // than waited for here.
        if (items && items->textsComing()) {
            m_slices.start(QuietMs);
            return;
        }
        while (items && next < items->count()) {
            const bool folded = m_finder.fold(*items, ItemNumber(next++));
            // The clock is read after each fold, but only now and then while items are found folded already.
            if ((folded || next % 256 == 0) && slice.nsecsElapsed() > SliceNs) {
                m_slices.start(0);
                return;
            }
        }
        if (items)
            m_finder.fit(*items);
        m_walks.erase(m_walks.begin());
    }
}

void FindFolding::dropDeletedLists()
{
    QList<const ListItems *> lists;
    for (ListNumber list{0}; list < m_lists.count(); ++list)
        lists.append(&m_lists.at(list).items());
    m_finder.keepOnly(lists);
}
