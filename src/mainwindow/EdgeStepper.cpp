// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/EdgeStepper.h"

#include "capture/ClipboardWatcher.h"
#include "model/ListItems.h"
#include "model/ListCollection.h"
#include "model/ListDisplay.h"
#include "model/ListRecord.h"
#include "model/GlobalSettings.h"
#include "model/seams/ClipListBox.h"
#include "platform/DesktopArea.h"

#include <QCursor>
#include <QRect>

EdgeStepper::EdgeStepper(ListCollection &lists, ListDisplay &display, GlobalSettings &settings,
                         ClipboardWatcher &watcher)
    : QObject(&watcher), m_lists(lists), m_display(display), m_settings(settings), m_watcher(watcher)
{
    connect(&watcher, &ClipboardWatcher::edgeTick, this, &EdgeStepper::stepAtScreenEdge);
}

int EdgeStepper::edgeAction(const QPoint &cursor, const QRect &desktop, const GlobalSettingFields &settings)
{
    if (desktop.isEmpty())
        return Stay;
    // Right and bottom are the first pixel past the desktop, as the band widths count from there.
    const qint64 right = qint64(desktop.x()) + desktop.width();
    const qint64 bottom = qint64(desktop.y()) + desktop.height();
    const qint64 h = settings.edgeZoneWidth;
    const qint64 v = settings.edgeZoneHeight;
    if (cursor.x() <= desktop.x() + h)
        return settings.leftEdgeAction;
    if (cursor.x() >= right - h)
        return settings.rightEdgeAction;
    if (cursor.y() <= desktop.y() + v)
        return settings.topEdgeAction;
    if (cursor.y() >= bottom - v)
        return settings.bottomEdgeAction;
    return Stay;
}

void EdgeStepper::stepAtScreenEdge(PaneNumber pane, ListNumber list)
{
    if (m_lists.at(list).items().count() < 1)
        return;
    const int step = edgeAction(QCursor::pos(), DesktopArea::rect(), m_settings);
    if (step != Up && step != Down)
        return;
    const RowNumber row = m_display.focusedRow(pane);
    const int by = step == Up ? -1 : 1;
    // Rows a find hides are passed over; with none shown beyond them the focus stays.
    const ClipListBox &box = m_display.box(pane);
    const RowNumber next = row + by;
    const int shown = box.shownRowFrom(next.value(), by);
    RowNumber target = next;
    if (shown >= 0)
        target = RowNumber(shown);
    else if (next >= 0 && next < box.rowCount())
        target = row;
    m_display.highlightRow(pane, target);
    m_watcher.copyFocusedItem(pane, list);
}
