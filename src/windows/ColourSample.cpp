// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/ColourSample.h"

#include "platform/WinColour.h"

#include <QApplication>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <qdrawutil.h>

ColourSample::ColourSample(const QString &name, QWidget *parent) : QAbstractButton(parent)
{
    setObjectName(name);
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(48, 20);
    setCursor(Qt::PointingHandCursor);
}

void ColourSample::setColour(Colour colour)
{
    m_colour = colour;
    QPalette p = palette();
    p.setColor(QPalette::Window, WinColour::toQColor(colour, QApplication::palette()));
    setPalette(p);
    update();
}

QSize ColourSample::sizeHint() const
{
    return minimumSize();
}

void ColourSample::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QBrush fill = palette().brush(QPalette::Window);
    qDrawShadePanel(&painter, rect(), palette(), true, 1, &fill);
    if (!hasFocus())
        return;
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    focus.rect = rect().adjusted(3, 3, -3, -3);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
}
