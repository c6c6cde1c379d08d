// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/ToolbarField.h"

#include "mainwindow/ToolButton.h"

#include <QMouseEvent>
#include <QPainter>
#include <memory>

ToolbarField::ToolbarField(QWidget *parent) : QWidget(parent)
{
    hide();
}

void ToolbarField::showField(const QStringList &keys, const QStringList &toolTips, const QPoint &at)
{
    hideField();
    int x = 4;
    for (int k = 0; k < keys.size(); ++k) {
        auto *button = new ToolButton(this);
        button->setPicture(keys[k], toolTips.value(k));
        button->movePicture(x, 3);
        x += ToolButton::PictureSize + 4;
        connect(button, &ToolButton::hovered, this, [this, k] { hoverButton(k); });
        connect(button, &ToolButton::pressed, button, [button] { button->setFrame(ToolButton::Frame::Pressed); });
        connect(button, &ToolButton::released, button, [button] { button->setFrame(ToolButton::Frame::Raised); });
        connect(button, &ToolButton::clicked, this, [this, k] { emit buttonClicked(k); });
        m_buttons.append(button);
    }
    m_hovered = -1;
    setGeometry(at.x(), at.y(), x, FieldHeight);
    raise();
    show();
}

void ToolbarField::hideField()
{
    hide();
    // Later: a button may be the one whose click is being handled.
    for (ToolButton *button : std::as_const(m_buttons)) {
        button->hide();
        button->deleteLater();
    }
    m_buttons.clear();
    m_hovered = -1;
}

void ToolbarField::hoverButton(int index)
{
    if (index == m_hovered)
        return;
    if (m_hovered >= 0 && m_hovered < m_buttons.size())
        m_buttons[m_hovered]->setFrame(ToolButton::Frame::None);
    m_buttons[index]->setFrame(ToolButton::Frame::Raised);
    m_hovered = index;
}

void ToolbarField::paintEvent(QPaintEvent * /*event*/)
{
    QPainter painter(this);
    const int right = width() - 1;
    const int bottom = height() - 1;
    painter.fillRect(rect(), palette().color(QPalette::Button));
    painter.setPen(palette().color(QPalette::Light));
    painter.drawLine(0, 0, right, 0);
    painter.drawLine(0, 0, 0, bottom);
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawLine(0, bottom, right, bottom);
    painter.drawLine(right, 0, right, bottom);
}

void ToolbarField::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit backgroundClicked();
    QWidget::mouseReleaseEvent(event);
}
