// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPoint>

class MainWindow;

// Moves the main window while the left button drags one of the widgets it follows (the client
// area's background and outer bars, the toolbar buttons), as long as the window is neither
// maximised nor minimised. The events still reach the widgets.
class WindowMover : public QObject {
    Q_OBJECT
public:
    explicit WindowMover(MainWindow &window);

    void follow(QWidget *widget);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    MainWindow &m_window;
    bool m_moving = false;
    QPoint m_grab; // mouse position from the outer frame's top-left corner at the press
};
