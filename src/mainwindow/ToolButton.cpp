// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/ToolButton.h"

#include "platform/ProgramPictures.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>

ToolButton::ToolButton(QWidget *parent) : QAbstractButton(parent)
{
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
    resize(sizeHint());
}

void ToolButton::setPicture(const QString &key, const QString &toolTip)
{
    if (key != m_key) {
        m_key = key;
        m_picture = key.isEmpty() ? QIcon() : ProgramPictures::icon(key);
        update();
    }
    setToolTip(toolTip);
    // A picture has no words: assistive technology reads the tooltip's.
    setAccessibleName(toolTip);
}

void ToolButton::setFrame(Frame frame)
{
    if (frame == m_frame)
        return;
    m_frame = frame;
    update();
}

void ToolButton::paintEvent(QPaintEvent * /*event*/)
{
    QPainter painter(this);
    m_picture.paint(&painter, QRect(1, 1, PictureSize, PictureSize));
    if (m_frame == Frame::None)
        return;
    // Raised: light above and left, shadow below and right; pressed the other way round.
    const QColor light = palette().color(QPalette::Light);
    const QColor shadow = palette().color(QPalette::Dark);
    const bool raised = m_frame == Frame::Raised;
    const int far = PictureSize + 1;
    painter.setPen(raised ? light : shadow);
    painter.drawLine(0, 0, far, 0);
    painter.drawLine(0, 0, 0, far);
    painter.setPen(raised ? shadow : light);
    painter.drawLine(0, far, far, far);
    painter.drawLine(far, 0, far, far);
}

void ToolButton::mousePressEvent(QMouseEvent *event)
{
    m_pressedAt = mapToGlobal(QPoint());
    QAbstractButton::mousePressEvent(event);
}

void ToolButton::mouseReleaseEvent(QMouseEvent *event)
{
    // The buttons also drag the window. A press that carried the window along is no click: moving
    // the window by the clear or end button must not clear the list or end the program.
    if (isDown() && (mapToGlobal(QPoint()) - m_pressedAt).manhattanLength() >= QApplication::startDragDistance()) {
        setDown(false);
        emit released();
        event->accept();
        return;
    }
    QAbstractButton::mouseReleaseEvent(event);
}

void ToolButton::mouseMoveEvent(QMouseEvent *event)
{
    emit hovered();
    QAbstractButton::mouseMoveEvent(event);
    // The strip below takes a move that reaches it as a move off the buttons.
    event->accept();
}
