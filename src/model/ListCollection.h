// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/ItemIds.h"
#include "model/Numbers.h"

#include <QObject>
#include <QString>
#include <memory>
#include <vector>

class ChangeJournal;
class ListRecord;
class NewListDefaults;
struct ListOptions;
class TextWidth;

// Owns every clip list. List numbers are contiguous from 0; deleting a list moves the later ones
// down (the display, told by listDeleted, renumbers the panes that show them).
class ListCollection : public QObject {
    Q_OBJECT
public:
    static constexpr ListNumber Refused{-1};

    // New lists take defaults; their items note changes in journal and measure captions with meter.
    ListCollection(ChangeJournal &journal, const NewListDefaults &defaults, const TextWidth &meter);
    ~ListCollection() override;

    qint16 count() const { return qint16(m_lists.size()); }
    // Throws std::out_of_range for a number outside 0 .. count - 1.
    ListRecord &at(ListNumber list);

    // Creates a list at the end with the new-list defaults and returns its number, or Refused
    // when 32767 lists exist already (nothing changes then). A list brought back from the
    // history keeps its id; 0 gives a new one.
    ListNumber makeList(quint32 id = 0);
    void renameList(ListNumber list, const QString &name);
    // Deletes a list that no pane shows.
    void deleteList(ListNumber list);
    // Sets a list's options from outside (a file, the settings dialog, the history), noted for the history.
    void setOptions(ListNumber list, const ListOptions &options);
    // Numbers the list apart from the other lists of the same name (sameNameNumber).
    void numberSameNames(ListNumber list);

signals:
    // A list was made at the end; it has its defaults and may still be shaped before it is shown.
    void listMade(ListNumber list);
    void listRenamed(ListNumber list);
    // The list is gone and the later lists moved down by one.
    void listDeleted(ListNumber list);
    // Rows of some list were added, removed or replaced wholesale.
    void rowsRearranged();

private:
    ChangeJournal &m_journal;
    const NewListDefaults &m_defaults;
    const TextWidth &m_meter;
    ItemIds m_itemIds;
    std::vector<std::unique_ptr<ListRecord>> m_lists;
    quint32 m_lastListId = 0;
};
