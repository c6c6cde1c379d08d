// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractButton>
#include <QIcon>

// A flat 16 x 16 picture button of the toolbar. The widget is one pixel larger on every side:
// that margin carries the thin frame shown while the mouse is over the button or presses it.
class ToolButton : public QAbstractButton {
    Q_OBJECT
public:
    static constexpr int PictureSize = 16;
    enum class Frame { None, Raised, Pressed };

    explicit ToolButton(QWidget *parent = nullptr);

    // The picture by its key ("" for none) and the tooltip.
    void setPicture(const QString &key, const QString &toolTip);
    const QString &pictureKey() const { return m_key; }

    void setFrame(Frame frame);
    Frame frame() const { return m_frame; }

    // The picture's place in the parent.
    void movePicture(int left, int top) { move(left - 1, top - 1); }
    QRect pictureGeometry() const { return geometry().adjusted(1, 1, -1, -1); }

    QSize sizeHint() const override { return {PictureSize + 2, PictureSize + 2}; }

signals:
    // The mouse moved over the button.
    void hovered();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QPoint m_pressedAt; // where the button was on the screen when pressed
    QString m_key;
    QIcon m_picture;
    Frame m_frame = Frame::None;
};
