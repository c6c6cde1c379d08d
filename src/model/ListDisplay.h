#pragma once

#include "model/PaneRecord.h"

#include <QObject>
#include <deque>
#include <optional>
#include <vector>

class ProgramState;
class ClipListBox;
class PaneHost;

// Which list each pane shows, the panes' top-to-bottom order and height shares, the focused pane,
// and the focused and highlighted rows. Pane numbers of closed panes are reused, oldest first.
class ListDisplay : public QObject {
    Q_OBJECT
public:
    ListDisplay(ProgramState &state, PaneHost &host);

    // The main window's list area, where the panes are shown.
    PaneHost &host() const { return m_host; }
    // The list box of a shown pane.
    ClipListBox &box(qint16 pane) const;

    qint16 paneCount() const { return qint16(m_order.size()); }
    qint16 paneSlotCount() const { return qint16(m_slots.size()); }

    // Throws std::out_of_range for a pane that is not shown.
    PaneRecord &paneRecord(qint16 pane);
    // Display order: the pane number at a display position. Both throw outside 0 .. paneCount - 1.
    qint16 paneAtPosition(qint16 position) const;
    void setPaneAtPosition(qint16 position, qint16 pane);

    // Shows the list in a new pane at the bottom and focuses it.
    void showList(qint16 list);
    // Fills the pane's list box with the list's rows.
    void fillPane(qint16 list, qint16 pane);
    // Display position of the pane, -1 when it is not shown.
    qint16 positionOf(qint16 pane) const;
    // Closes the pane; its list stays and remembers its share. Never close the last shown pane.
    void closePane(qint16 pane);

    qint16 focusedPane() const { return m_focus; }
    qint16 focusedRow(qint16 pane);
    void setFocusedRow(qint16 pane, qint16 row);
    void highlightRow(qint16 pane, qint16 row);
    void unhighlightRow(qint16 pane, qint16 list, qint16 row);
    void focusPane(qint16 pane);
    void setHeightShare(qint16 pane, float share);

signals:
    // A pane took the focus; the watcher's timer follows the focus mode of its list.
    void focusedListFocusMode(qint16 focusMode);
    // A command, a capture or a file changed the rows of the pane: a row number taken from it
    // before may now point at another item.
    void rowsChanged(qint16 pane);

private:
    void rescaleShares(float rescale);
    void spreadShare(float share);
    void removeFromOrder(qint16 pane);
    bool isShown(qint16 pane) const;
    // Clamps the row to the list's rows; false when the list has none.
    bool clampRow(qint16 pane, qint16 &row);

    ProgramState &m_state;
    PaneHost &m_host;
    std::vector<std::optional<PaneRecord>> m_slots;
    std::deque<qint16> m_free;
    std::vector<qint16> m_order;
    qint16 m_focus = 0;
};
