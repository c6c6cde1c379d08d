// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/DividerDrag.h"

#include "mainwindow/PaneArea.h"
#include "model/ListDisplay.h"
#include "model/PaneRecord.h"
#include "platform/ListBoxWidget.h"

#include <QFrame>
#include <QMouseEvent>
#include <algorithm>
#include <cmath>
#include <cstdlib>

DividerDrag::DividerDrag(PaneArea &area, ListDisplay &panes)
    : QObject(&area), m_area(area), m_panes(panes), m_indicator(new QFrame(&area))
{
    m_indicator->setObjectName(QStringLiteral("dividerIndicator"));
    m_indicator->setAutoFillBackground(true);
    QPalette p = m_indicator->palette();
    p.setColor(QPalette::Window, Qt::darkGray);
    m_indicator->setPalette(p);
    m_indicator->hide();
    area.installEventFilter(this);
}

int DividerDrag::innerBarAt(int y) const
{
    // The top and bottom bars move the window instead.
    for (int bar = 1; bar + 1 < m_area.barCount(); ++bar) {
        const QFrame *shown = m_area.barWidget(qint16(bar));
        if (shown->isVisible() && y >= shown->y() && y < shown->y() + shown->height())
            return bar;
    }
    return -1;
}

// The bars ignore the mouse, so their events reach the area, in the area's coordinates.
bool DividerDrag::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != &m_area)
        return false;
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove && type != QEvent::MouseButtonRelease)
        return false;
    const auto *mouse = static_cast<QMouseEvent *>(event);
    const int y = int(std::floor(mouse->position().y()));
    if (m_state != NoDrag) {
        if (type == QEvent::MouseMove)
            barMove(y);
        // A right press ends the drag where the mouse is, and starts nothing else.
        else if (type == QEvent::MouseButtonRelease ? mouse->button() == Qt::LeftButton
                                                    : mouse->button() == Qt::RightButton)
            barRelease(y);
        return true;
    }
    if (type != QEvent::MouseButtonPress || mouse->button() != Qt::LeftButton)
        return false;
    const QWidget *under = m_area.childAt(mouse->position().toPoint());
    const int bar = innerBarAt(y);
    if (bar < 0 || under != m_area.barWidget(qint16(bar)))
        return false;
    barPress(bar, y);
    return true;
}

void DividerDrag::barPress(int bar, int y)
{
    m_bar = bar;
    m_upper = m_panes.paneAtPosition(qint16(bar - 1));
    m_lower = m_panes.paneAtPosition(qint16(bar));
    const ListBoxWidget *lower = m_area.clipListWidget(m_lower);
    m_lowerBottom = lower->y() + lower->height();
    m_grab = y - m_area.barWidget(qint16(bar))->y();
    m_lastTop = -2;
    m_state = Inside;
    m_indicator->setGeometry(0, y - m_grab, m_area.barWidget(0)->width(), PaneArea::BarHeight);
    barMove(y);
    m_indicator->show();
    m_indicator->raise();
}

void DividerDrag::barMove(int y)
{
    const int wanted = y - m_grab;
    const int upperLimit = m_area.clipListWidget(m_upper)->y();
    const int lowerLimit = m_lowerBottom - 4;
    if (wanted > lowerLimit) {
        m_state = AtLowerLimit;
        m_indicator->move(0, lowerLimit);
    } else if (wanted < upperLimit) {
        m_state = AtUpperLimit;
        m_indicator->move(0, upperLimit);
    } else {
        m_state = Inside;
        m_indicator->move(0, wanted);
    }
}

void DividerDrag::barRelease(int y)
{
    m_state = NoDrag;
    m_indicator->hide();
    const int p = y - m_grab;
    if (std::abs(p - m_lastTop) < 1)
        return;
    m_lastTop = p;
    ListBoxWidget *upper = m_area.clipListWidget(m_upper);
    ListBoxWidget *lower = m_area.clipListWidget(m_lower);
    const float upperMinimum = m_area.minimumListHeight(m_upper);
    const float lowerMinimum = m_area.minimumListHeight(m_lower);
    const int upperTop = upper->y();
    int upperHeight = p - upperTop;
    int lowerHeight = 0;
    int barTop = p;
    if (upperMinimum > float(upperHeight)) {
        upperHeight = PaneArea::roundHalfEven(upperMinimum);
        barTop = upperTop + upperHeight;
        lowerHeight = m_lowerBottom - (barTop + PaneArea::BarHeight);
    } else {
        lowerHeight = m_lowerBottom - (p + PaneArea::BarHeight);
        if (lowerMinimum > float(lowerHeight)) {
            lowerHeight = PaneArea::roundHalfEven(lowerMinimum);
            barTop = m_lowerBottom - lowerHeight - PaneArea::BarHeight;
            upperHeight = barTop - upperTop;
        }
    }
    const int width = upper->width();
    upper->setGeometry(upper->x(), upperTop, width, upperHeight);
    QFrame *bar = m_area.barWidget(qint16(m_bar));
    bar->move(bar->x(), barTop);
    lower->setGeometry(lower->x(), barTop + PaneArea::BarHeight, width, lowerHeight);

    // The spare height above each minimum is shared out as it now lies; a list squeezed below
    // its minimum has none rather than a negative share.
    const float total = m_panes.paneRecord(m_upper).heightShare + m_panes.paneRecord(m_lower).heightShare;
    const int upperSpare = std::max(0, PaneArea::roundHalfEven(upperHeight - upperMinimum));
    const int lowerSpare = std::max(0, PaneArea::roundHalfEven(lowerHeight - lowerMinimum));
    if (upperSpare + lowerSpare == 0)
        return;
    m_panes.setHeightShare(m_upper, float(upperSpare) / float(upperSpare + lowerSpare) * total);
    m_panes.setHeightShare(m_lower, float(lowerSpare) / float(upperSpare + lowerSpare) * total);
}
