// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <array>

class ListDisplayMenu;
class MainCommands;
class QMenu;
class QMenuBar;

// The main window's menu bar, built from the command table. Each menu works out its check marks
// and enabled states when it opens.
class MainMenus : public QObject {
    Q_OBJECT
public:
    MainMenus(QMenuBar &bar, MainCommands &commands, ListDisplayMenu &listDisplay);

    std::array<QMenu *, 4> barMenus{};
    ListDisplayMenu &listDisplay;

signals:
    // A top-level menu is about to open (the toolbar's field closes).
    void menuOpened();
};
