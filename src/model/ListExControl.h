#pragma once

#include "model/ListExOb.h"

#include <QObject>
#include <deque>
#include <optional>
#include <vector>

class QKPRGrobal;
class ClipListBox;
class PaneHost;

// Which list each pane shows, the panes' top-to-bottom order and height shares, the focused pane,
// and the focused and highlighted rows. Pane numbers of closed panes are reused, oldest first.
class ListExControl : public QObject {
    Q_OBJECT
public:
    ListExControl(QKPRGrobal &grobal, PaneHost &host);

    // The main window's list area, where the panes are shown.
    PaneHost &host() const { return m_host; }
    // The list box of a shown pane.
    ClipListBox &box(qint16 pane) const;

    qint16 UBEx() const { return qint16(m_order.size()); }
    qint16 paneSlots() const { return qint16(m_slots.size()); }

    // Throws std::out_of_range for a pane that is not shown.
    ListExOb &lecListOb(qint16 pane);
    // Display order: the pane number at a display position. Both throw outside 0 .. UBEx - 1.
    qint16 lecEx(qint16 position) const;
    void setLecEx(qint16 position, qint16 pane);

    // Shows the list in a new pane at the bottom and focuses it.
    void lecMakeList(qint16 list);
    // Fills the pane's list box with the list's rows.
    void lecMakeItem(qint16 list, qint16 pane);
    // Display position of the pane, -1 when it is not shown.
    qint16 geteLx(qint16 pane) const;
    // Closes the pane; its list stays and remembers its share. Never close the last shown pane.
    void lecUnExList(qint16 pane);

    qint16 lecListFocus() const { return m_focus; }
    qint16 lecItemGetFocus(qint16 pane);
    void lecItemSetFocus(qint16 pane, qint16 row);
    void lecItemSetBlue(qint16 pane, qint16 row);
    void delBlue(qint16 pane, qint16 list, qint16 row);
    void lecChaFocus(qint16 pane);
    void lecSetHper(qint16 pane, float share);

signals:
    // A pane took the focus; the watcher's timer follows the movAdd option of its list.
    void focusedListMovAdd(qint16 movAdd);

private:
    void lecShareIn(float rescale);
    void lecShareOut(float share);
    void lecDropPos(qint16 pane);
    bool lecIsShown(qint16 pane) const;
    // Clamps the row to the list's rows; false when the list has none.
    bool lecClampRow(qint16 pane, qint16 &row);

    QKPRGrobal &m_grobal;
    PaneHost &m_host;
    std::vector<std::optional<ListExOb>> m_slots;
    std::deque<qint16> m_free;
    std::vector<qint16> m_order;
    qint16 m_focus = 0;
};
