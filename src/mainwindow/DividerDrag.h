// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/Numbers.h"

#include <QObject>

class ListDisplay;
class PaneArea;
class QFrame;

// Dragging a bar between two lists: a line shows where the bar would go, kept between the upper
// list's top and the lower list's bottom, and the release gives the two lists their new heights
// (neither below one row) and their new shares of the spare height. The other lists stay.
// Watches the area, which sees the bars' mouse events as they pass to it.
class DividerDrag : public QObject {
    Q_OBJECT
public:
    DividerDrag(PaneArea &area, ListDisplay &panes);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Clamp states of the line; 0 is no drag.
    enum State { NoDrag = 0, Inside = 1, AtUpperLimit = 2, AtLowerLimit = 3 };

    int innerBarAt(int y) const;
    void barPress(int bar, int y);
    void barMove(int y);
    void barRelease(int y);

    PaneArea &m_area;
    ListDisplay &m_panes;
    QFrame *m_indicator; // owned by the area
    int m_bar = 0;
    PaneNumber m_upper;
    PaneNumber m_lower;
    int m_lowerBottom = 0;
    int m_grab = 0;
    int m_lastTop = -2;
    State m_state = NoDrag;
};
