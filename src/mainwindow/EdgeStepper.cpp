#include "mainwindow/EdgeStepper.h"

#include "capture/ClipboardWatcher.h"
#include "model/ItemControl.h"
#include "model/ListControl.h"
#include "model/ListExControl.h"
#include "model/ListOb.h"
#include "model/QKPRGrobal.h"
#include "model/UtilityGrobal.h"
#include "platform/DesktopArea.h"

#include <QCursor>
#include <QRect>

EdgeStepper::EdgeStepper(QKPRGrobal &grobal, ClipboardWatcher &watcher)
    : QObject(&watcher), m_grobal(grobal), m_watcher(watcher)
{
    connect(&watcher, &ClipboardWatcher::edgeTick, this, &EdgeStepper::CursorEdgeAction);
}

int EdgeStepper::EdgeAction(const QPoint &cursor, const QRect &desktop, const GrobalFields &settings)
{
    if (desktop.isEmpty())
        return Stay;
    // Right and bottom are the first pixel past the desktop, as the band widths count from there.
    const qint64 right = qint64(desktop.x()) + desktop.width();
    const qint64 bottom = qint64(desktop.y()) + desktop.height();
    const qint64 h = settings.HowAddMoveHIval;
    const qint64 v = settings.HowAddMoveVIval;
    if (cursor.x() <= desktop.x() + h)
        return settings.HowLAddMove;
    if (cursor.x() >= right - h)
        return settings.HowRAddMove;
    if (cursor.y() <= desktop.y() + v)
        return settings.HowTAddMove;
    if (cursor.y() >= bottom - v)
        return settings.HowBAddMove;
    return Stay;
}

void EdgeStepper::CursorEdgeAction(qint16 pane, qint16 list)
{
    if (m_grobal.listControl().lcListOb(list).loItemControl().UB() < 1)
        return;
    const int step = EdgeAction(QCursor::pos(), DesktopArea::rect(), m_grobal.utilityGrobal());
    if (step != Up && step != Down)
        return;
    ListExControl &panes = m_grobal.listExControl();
    const qint16 row = panes.lecItemGetFocus(pane);
    panes.lecItemSetBlue(pane, qint16(step == Up ? row - 1 : row + 1));
    m_watcher.CopyFocusItem(pane, list);
}
