// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/Numbers.h"

#include <QObject>

class ClipboardWatcher;
class ListCollection;
class ListDisplay;
class GlobalSettings;
class QPoint;
class QRect;
struct GlobalSettingFields;

// Steps through the focused list while the pointer rests at a screen edge: on each tick of the
// watcher the row above or below becomes the focused, highlighted row and its item goes onto the
// clipboard, as the edge's setting says.
class EdgeStepper : public QObject {
    Q_OBJECT
public:
    EdgeStepper(ListCollection &lists, ListDisplay &display, GlobalSettings &settings, ClipboardWatcher &watcher);

    enum Step { Up = 0, Down = 1, Stay = 2 };
    // What the pointer's place asks for. The bands lie inside the desktop's outer edges; the left
    // edge is asked first, then the right, the top and the bottom. An empty desktop asks nothing.
    static int edgeAction(const QPoint &cursor, const QRect &desktop, const GlobalSettingFields &settings);

public slots:
    void stepAtScreenEdge(PaneNumber pane, ListNumber list);

private:
    ListCollection &m_lists;
    ListDisplay &m_display;
    GlobalSettings &m_settings;
    ClipboardWatcher &m_watcher;
};
