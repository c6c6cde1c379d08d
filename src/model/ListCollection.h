#pragma once

#include "model/Numbers.h"

#include <QString>
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
    // when 32767 lists exist already (nothing changes then).
    ListNumber makeList();
    // Shows the list in a new pane.
    void showList(ListNumber list);
    void renameList(ListNumber list, const QString &name);
    // Deletes a list that no pane shows.
    void deleteList(ListNumber list);
    // Numbers the list apart from the other lists of the same name (sameNameNumber).
    void numberSameNames(ListNumber list);

private:
    ProgramState &m_state;
    std::vector<std::unique_ptr<ListRecord>> m_lists;
};
