// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/ListFinder.h"

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <utility>
#include <vector>

class ListCollection;
class ListItems;

// Folds every list's texts for find before they are looked for, so that the first keystroke costs
// what any other does: the lists there at the start or brought back from the history, then each
// list again once its items came, went or changed. The work is done on the window's thread in
// slices of a few milliseconds, beginning a moment after a change so that a burst of captures is
// folded once; nothing runs while nothing is left.
class FindFolding : public QObject {
    Q_OBJECT
public:
    explicit FindFolding(ListCollection &lists);

    ListFinder &finder() { return m_finder; }
    const ListFinder &finder() const { return m_finder; }
    // Texts are still waiting to be folded.
    bool busy() const { return m_slices.isActive(); }

private:
    void follow(ListItems &items);
    // The list's items are looked through again, from the first.
    void lookThrough(ListItems &items);
    void foldSlice();
    void dropDeletedLists();

    ListCollection &m_lists;
    ListFinder m_finder;
    // The lists to look through, each with the number of the next item to look at.
    std::vector<std::pair<QPointer<ListItems>, qint16>> m_walks;
    QTimer m_slices;
};
