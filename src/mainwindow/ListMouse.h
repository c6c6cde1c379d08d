// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/Numbers.h"

#include <QObject>
#include <QPoint>
#include <QPointF>

class ClipListBox;
class ItemCommands;
class ListDisplay;
class PaneArea;

// The left button in the lists. A press on a row that was not highlighted (the list box has just
// highlighted it) starts a sweep that highlights the rows from there to the mouse; a press on a
// highlighted row followed by a move drags the highlighted items, into a list at the row under
// the mouse or, over a bar, moves their list to that bar. A plain click leaves only its row
// highlighted.
class ListMouse : public QObject {
    Q_OBJECT
public:
    ListMouse(ListDisplay &panes, PaneArea &area, ItemCommands &items);

    // Positions in the list box's viewport; the row is the one under the press, -1 for none.
    void listPress(PaneNumber pane, int row, Qt::KeyboardModifiers modifiers, QPoint position);
    // A text window holding edits stays on its item: no sweep or drag may move it.
    void setTextWindowEditing(bool editing) { m_textWindowEditing = editing; }
    void listSweepOrDrag(PaneNumber pane, QPoint position, QPointF globalPosition);
    void listRelease(PaneNumber pane, QPointF globalPosition);
    // The drag is over the list box of the pane, y in its viewport.
    void trackDrop(PaneNumber pane, int y);
    // The dragged items' list goes to the place of bar k (bar 0 is above the first list).
    void moveListToBar(qint16 bar);

private:
    enum Mode { Idle = 0, MaySweep = 1, Sweeping = 2, MayDrag = 3, Dragging = 4 };
    enum DragCursor { OverList = 0, OverBar = 1, Elsewhere = 2 };
    // What a drag at the global position is over: a pane, or a bar (pane -1), or neither.
    struct Target {
        PaneNumber pane{-1};
        qint16 bar = -1;
        int y = 0;
    };

    void sweep(ClipListBox &box);
    static void setRows(ClipListBox &box, int first, int last, bool on);
    // Only the row stays highlighted (none for -1).
    void keepOnly(PaneNumber pane, int row);
    Target targetAt(QPointF globalPosition) const;
    void track(QPointF globalPosition);
    void setDragCursor(DragCursor cursor);
    void endDrag();

    ListDisplay &m_panes;
    PaneArea &m_area;
    ItemCommands &m_items;
    Mode m_mode = Idle;
    int m_anchor = 0;
    int m_last = 0;
    int m_direction = 0;
    QPoint m_press;
    DragCursor m_dragCursor = OverList;
    bool m_cursorOverridden = false;
    bool m_textWindowEditing = false;
};
