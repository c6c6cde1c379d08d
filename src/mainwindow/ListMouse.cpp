// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/ListMouse.h"

#include "capture/ItemCommands.h"
#include "mainwindow/ListDisplayMenu.h"
#include "mainwindow/PaneArea.h"
#include "model/ListDisplay.h"
#include "platform/ListBoxWidget.h"
#include "platform/ProgramPictures.h"

#include <QFrame>
#include <QGuiApplication>
#include <algorithm>
#include <utility>

namespace {
int sign(int value)
{
    return (value > 0) - (value < 0);
}
} // namespace

ListMouse::ListMouse(ListDisplay &panes, PaneArea &area, ItemCommands &items)
    : m_panes(panes), m_area(area), m_items(items)
{
    connect(&area, &PaneArea::listLeftPressed, this,
            [this](PaneNumber pane, int row, Qt::KeyboardModifiers modifiers, QPoint at) {
                listPress(pane, row, modifiers, at);
                if (m_panes.focusedPane() != pane)
                    m_panes.focusPane(pane);
            });
    connect(&area, &PaneArea::listLeftMoved, this, &ListMouse::listSweepOrDrag);
    connect(&area, &PaneArea::listLeftReleased, this, &ListMouse::listRelease);
}

void ListMouse::listPress(PaneNumber pane, int row, Qt::KeyboardModifiers modifiers, QPoint position)
{
    ClipListBox &box = m_panes.box(pane);
    // A drag whose release went elsewhere (a box opened meanwhile) ends here.
    endDrag();
    m_mode = Idle;
    if (box.rowCount() == 0)
        return;
    if (m_textWindowEditing) {
        keepOnly(pane, box.focusedRow());
        return;
    }
    m_items.setDragSource(pane);
    if (row < 0)
        return;
    m_anchor = m_last = row;
    m_direction = 0;
    m_press = position;
    if (modifiers & Qt::ControlModifier) {
        if (box.selected(row))
            m_mode = MaySweep;
        return;
    }
    if (box.selected(row)) {
        keepOnly(pane, row);
        m_mode = MaySweep;
    } else {
        box.setSelected(row, true);
        m_mode = MayDrag;
    }
}

void ListMouse::listSweepOrDrag(PaneNumber pane, QPoint position, QPointF globalPosition)
{
    ListBoxWidget *list = m_area.clipListWidget(pane);
    if (!list)
        return;
    // A move of one pixel is enough; the move that starts a sweep or drag also takes effect.
    if (m_mode == MaySweep && position != m_press) {
        list->viewport()->setCursor(ProgramPictures::cursor(ProgramPictures::SweepCursor));
        m_mode = Sweeping;
    }
    if (m_mode == MayDrag && position != m_press) {
        list->viewport()->unsetCursor();
        m_mode = Dragging;
        m_cursorOverridden = true;
        m_dragCursor = OverList;
        QGuiApplication::setOverrideCursor(ProgramPictures::cursor(ProgramPictures::DropListCursor));
    }
    if (m_mode == Sweeping) {
        // Above or below the box the sweep goes on row by row, the box scrolling along.
        const int focus = list->focusedRow();
        if (position.y() < 0 && focus > 0)
            list->setFocusedRow(focus - 1);
        else if (position.y() >= list->viewport()->height() && focus >= 0 && focus < list->count() - 1)
            list->setFocusedRow(focus + 1);
        sweep(*list);
    } else if (m_mode == Dragging) {
        track(globalPosition);
    }
}

// The rows between the anchor and the focused row are highlighted, the ones the sweep has left
// behind are not; the anchor row keeps the highlight it got at the press.
void ListMouse::sweep(ClipListBox &box)
{
    const int r = box.focusedRow();
    const int a = m_anchor;
    int &l = m_last;
    if (r < 0 || r == l)
        return;
    const int side = sign(r - a);
    // Crossing the anchor clears the side the sweep left.
    if (side < m_direction) {
        setRows(box, a + 1, l, false);
        l = a;
    } else if (side > m_direction) {
        setRows(box, l, a - 1, false);
        l = a;
    }
    if (r < a) {
        if (r >= l)
            setRows(box, l, r - 1, false);
        else
            setRows(box, r, l - 1, true);
    } else if (r > a) {
        if (r <= l)
            setRows(box, r + 1, l, false);
        else
            setRows(box, l + 1, r, true);
    } else if (l >= a) {
        setRows(box, a + 1, l, false);
    } else {
        setRows(box, l, a - 1, false);
    }
    l = r;
    m_direction = side;
}

void ListMouse::setRows(ClipListBox &box, int first, int last, bool on)
{
    first = std::max(first, 0);
    last = std::min(last, box.rowCount() - 1);
    for (int row = first; row <= last; ++row)
        box.setSelected(row, on);
}

void ListMouse::keepOnly(PaneNumber pane, int row)
{
    m_panes.unhighlightRow(pane, m_panes.listOfPane(pane), RowNumber(row));
    if (row >= 0)
        m_panes.box(pane).setSelected(row, true);
}

void ListMouse::listRelease(PaneNumber pane, QPointF globalPosition)
{
    ListBoxWidget *list = m_area.clipListWidget(pane);
    if (!list)
        return;
    list->viewport()->unsetCursor();
    if (m_mode == Dragging) {
        // The drop: the release is no click on the source list.
        list->takeRelease();
        const Target target = targetAt(globalPosition);
        endDrag();
        m_mode = Idle;
        if (target.pane >= 0) {
            trackDrop(target.pane, target.y);
            m_items.dropItems(target.pane);
        } else if (target.bar >= 0) {
            moveListToBar(target.bar);
        }
        return;
    }
    if (m_mode == MayDrag && list->rowCount() > 0)
        keepOnly(pane, list->focusedRow());
    m_mode = Idle;
}

ListMouse::Target ListMouse::targetAt(QPointF globalPosition) const
{
    Target target;
    const QPoint global = globalPosition.toPoint();
    for (QWidget *w = m_area.childAt(m_area.mapFromGlobal(global)); w && w != &m_area; w = w->parentWidget()) {
        if (const PaneNumber pane = m_area.paneOf(w); pane >= 0) {
            target.pane = pane;
            target.y = m_area.clipListWidget(pane)->viewport()->mapFromGlobal(global).y();
            return target;
        }
        if (const qint16 bar = m_area.barOf(w); bar >= 0) {
            target.bar = bar;
            return target;
        }
    }
    return target;
}

void ListMouse::track(QPointF globalPosition)
{
    const Target target = targetAt(globalPosition);
    if (target.pane >= 0)
        trackDrop(target.pane, target.y);
    else
        setDragCursor(target.bar >= 0 ? OverBar : Elsewhere);
}

void ListMouse::setDragCursor(DragCursor cursor)
{
    if (m_dragCursor == cursor || !m_cursorOverridden)
        return;
    m_dragCursor = cursor;
    static constexpr int pictures[] = {ProgramPictures::DropListCursor, ProgramPictures::DropBarCursor,
                                       ProgramPictures::NoDropCursor};
    QGuiApplication::changeOverrideCursor(ProgramPictures::cursor(pictures[cursor]));
}

void ListMouse::endDrag()
{
    if (std::exchange(m_cursorOverridden, false))
        QGuiApplication::restoreOverrideCursor();
}

void ListMouse::trackDrop(PaneNumber pane, int y)
{
    setDragCursor(OverList);
    ListBoxWidget *list = m_area.clipListWidget(pane);
    if (m_panes.focusedPane() != pane) {
        m_panes.focusPane(pane);
        list->setFocus();
    }
    if (list->count() == 0) {
        m_items.setDropRow(RowNumber(0));
        return;
    }
    // Below the last row is the last row.
    const QModelIndex under = list->indexAt(QPoint(1, y));
    const RowNumber drop(under.isValid() ? under.row() : (y < 0 ? list->topIndex() : list->count() - 1));
    m_items.setDropRow(drop);
    if (list->focusedRow() >= 0 && list->focusedRow() != drop.value())
        m_panes.setFocusedRow(pane, drop);
}

void ListMouse::moveListToBar(qint16 bar)
{
    const PaneNumber source = m_items.dragSource();
    const qint16 from = ListDisplayMenu::menuIndexOfPane(m_panes, source);
    m_mode = Idle;
    // The bars just above and below the list are where it is already.
    if (bar == from || bar == from + 1)
        return;
    if (bar > from + 1) {
        for (qint16 position = qint16(from + 1); position < bar; ++position)
            m_panes.setPaneAtPosition(qint16(position - 1), m_panes.paneAtPosition(position));
        m_panes.setPaneAtPosition(qint16(bar - 1), source);
    } else {
        for (qint16 position = qint16(from - 1); position >= bar; --position)
            m_panes.setPaneAtPosition(qint16(position + 1), m_panes.paneAtPosition(position));
        m_panes.setPaneAtPosition(bar, source);
    }
    m_panes.focusPane(source);
    m_panes.unhighlightRow(source, m_panes.listOfPane(source), RowNumber(-1));
    m_panes.host().layOutPanes();
}
