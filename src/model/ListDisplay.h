// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/FocusMode.h"
#include "model/Numbers.h"

#include "model/PaneRecord.h"

#include <QObject>
#include <deque>
#include <optional>
#include <vector>

class ChangeJournal;
class ClipListBox;
class GlobalSettings;
class ListCollection;
class ListRecord;
class PaneHost;

// Which list each pane shows, the panes' top-to-bottom order and height shares, the focused pane,
// and the focused and highlighted rows. Pane numbers of closed panes are reused, oldest first.
// Each pane's list box is a view of its list's items; the display hands it the model.
class ListDisplay : public QObject {
    Q_OBJECT
public:
    // Shows lists of lists in host's list boxes; layout changes are noted in journal.
    ListDisplay(ListCollection &lists, PaneHost &host, ChangeJournal &journal, const GlobalSettings &settings);

    // The main window's list area, where the panes are shown.
    PaneHost &host() const { return m_host; }
    // The list box of a shown pane.
    ClipListBox &box(PaneNumber pane) const;

    qint16 paneCount() const { return qint16(m_order.size()); }
    qint16 paneSlotCount() const { return qint16(m_slots.size()); }

    // Throws std::out_of_range for a pane that is not shown.
    PaneRecord &paneRecord(PaneNumber pane);
    // The list a pane shows, as a number and as the record; both throw like paneRecord.
    ListNumber listOfPane(PaneNumber pane) { return paneRecord(pane).list; }
    ListRecord &recordOfPane(PaneNumber pane);
    // Display order: the pane number at a display position. Both throw outside 0 .. paneCount - 1.
    PaneNumber paneAtPosition(qint16 position) const;
    void setPaneAtPosition(qint16 position, PaneNumber pane);

    // Shows the list in a new pane at the bottom and focuses it.
    void showList(ListNumber list);
    // Shows the list's rows in the pane's list box (nothing highlighted or focused). Rows read as they
    // were made, or with readAnew, as the list's options and the pane's font have them now.
    void fillPane(ListNumber list, PaneNumber pane, bool readAnew = false);
    // Display position of the pane, -1 when it is not shown.
    qint16 positionOf(PaneNumber pane) const;
    // Closes the pane; its list stays and remembers its share. Never close the last shown pane.
    void closePane(PaneNumber pane);

    PaneNumber focusedPane() const { return m_focus; }
    // The list the focused pane shows.
    ListNumber focusedList() { return listOfPane(m_focus); }
    ListRecord &focusedRecord() { return recordOfPane(m_focus); }
    RowNumber focusedRow(PaneNumber pane);
    void setFocusedRow(PaneNumber pane, RowNumber row);
    void highlightRow(PaneNumber pane, RowNumber row);
    void unhighlightRow(PaneNumber pane, ListNumber list, RowNumber row);
    void focusPane(PaneNumber pane);
    void setHeightShare(PaneNumber pane, float share);

signals:
    // A pane took the focus; the watcher's timer follows the focus mode of its list.
    void focusedListFocusMode(FocusMode focusMode);
    // The pane no longer shows its list; its number may come back for another list.
    void paneClosed(PaneNumber pane);

private:
    void rescaleShares(float rescale);
    void spreadShare(float share);
    void removeFromOrder(PaneNumber pane);
    bool isShown(PaneNumber pane) const;
    // Clamps the row to the list's rows; false when the list has none.
    bool clampRow(PaneNumber pane, RowNumber &row);

    // A new list adds the way the focused one does when the settings say so.
    void shapeNewList(ListNumber list);
    void renumberPanesAfter(ListNumber deleted);

    ListCollection &m_lists;
    PaneHost &m_host;
    ChangeJournal &m_journal;
    const GlobalSettings &m_settings;
    std::vector<std::optional<PaneRecord>> m_slots;
    std::deque<PaneNumber> m_free;
    std::vector<PaneNumber> m_order;
    PaneNumber m_focus;
};
