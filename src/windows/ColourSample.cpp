// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/ColourSample.h"

#include "platform/WinColour.h"

#include <QApplication>
#include <QMouseEvent>

ColourSample::ColourSample(const QString &name, QWidget *parent) : QLabel(parent)
{
    setObjectName(name);
    setAutoFillBackground(true);
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Sunken);
    setMinimumSize(48, 20);
    setCursor(Qt::PointingHandCursor);
}

void ColourSample::setColour(Colour colour)
{
    m_colour = colour;
    QPalette p = palette();
    p.setColor(QPalette::Window, WinColour::toQColor(colour, QApplication::palette()));
    setPalette(p);
}

void ColourSample::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}
