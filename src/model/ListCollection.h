// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/Numbers.h"

#include <QString>
#include <algorithm>
#include <memory>
#include <vector>

class ListRecord;
class ProgramState;

// Owns every clip list. List numbers are contiguous from 0; deleting a list moves the later ones
// down and renumbers the panes that show them.
class ListCollection {
public:
    static constexpr ListNumber Refused{-1};

    explicit ListCollection(ProgramState &state);
    ~ListCollection();

    qint16 count() const { return qint16(m_lists.size()); }
    // Throws std::out_of_range for a number outside 0 .. count - 1.
    ListRecord &at(ListNumber list);

    // Creates a list at the end with the new-list defaults and returns its number, or Refused
    // when 32767 lists exist already (nothing changes then). A list brought back from the
    // history keeps its id; 0 gives a new one.
    ListNumber makeList(quint32 id = 0);
    // Shows the list in a new pane.
    void showList(ListNumber list);
    void renameList(ListNumber list, const QString &name);
    // Deletes a list that no pane shows.
    void deleteList(ListNumber list);
    // A list's options were set from outside: noted for the history.
    void noteOptionsChanged();
    // Numbers the list apart from the other lists of the same name (sameNameNumber).
    void numberSameNames(ListNumber list);

    // Item ids are unique in a run and grow with each new item; ids brought back from the
    // history are taken first.
    quint64 newItemId() { return ++m_lastItemId; }
    void takeItemId(quint64 id) { m_lastItemId = std::max(m_lastItemId, id); }

private:
    ProgramState &m_state;
    std::vector<std::unique_ptr<ListRecord>> m_lists;
    quint32 m_lastListId = 0;
    quint64 m_lastItemId = 0;
};
