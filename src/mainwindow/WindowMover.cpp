// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/WindowMover.h"

#include "mainwindow/MainWindow.h"

#include <QMouseEvent>

WindowMover::WindowMover(MainWindow &window) : QObject(&window), m_window(window) {}

void WindowMover::follow(QWidget *widget)
{
    widget->installEventFilter(this);
}

bool WindowMover::eventFilter(QObject *, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton && m_window.sizeState() == MainWindowSettings::SizeState::Normal) {
            m_moving = true;
            m_grab = mouse->globalPosition().toPoint() - QPoint(m_window.outerLeft(), m_window.outerTop());
        }
        break;
    }
    case QEvent::MouseMove:
        if (m_moving)
            m_window.move(static_cast<QMouseEvent *>(event)->globalPosition().toPoint() - m_grab);
        break;
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
            m_moving = false;
        break;
    default:
        break;
    }
    return false;
}
