// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/seams/ClipListBox.h"

#include <QListWidget>

// A pane's list box: a QListWidget whose rows can be highlighted several at a time.
class ListBoxWidget : public QListWidget, public ClipListBox {
    Q_OBJECT
public:
    explicit ListBoxWidget(QWidget *parent = nullptr);

    void addItem(const QString &text, int index = -1) override;
    void removeItem(int index) override;
    void clear() override;
    int newIndex() const override { return m_newIndex; }
    int listCount() const override { return count(); }
    QString rowText(int row) const override;

    int listIndex() const override { return currentRow(); }
    void setListIndex(int row) override;

    bool selected(int row) const override;
    void setSelected(int row, bool on) override;
    int selCount() const override;
    QList<int> selectedRows() const override;
    bool rowShown(int row) const override { return !isRowHidden(row); }

    int topIndex() const override;
    void setTopIndex(int row) override;

    void setColours(Colour back, Colour fore) override;
    Colour backColour() const override { return m_back; }
    Colour foreColour() const override { return m_fore; }
    void setListFont(const QString &family, float pointSize) override;
    float fontSize() const override { return m_fontSize; }

    void showBox(bool shown) override { setVisible(shown); }

signals:
    // A mouse button was released over the list (left or right); Enter and Space on the focused
    // row count as a left click.
    void mouseReleased(Qt::MouseButton button);
    // The left button: pressed on a row (-1 below the last one), moved while held, released.
    // Positions are the viewport's; the press has already toggled the row and focused it.
    void leftPressed(int row, Qt::KeyboardModifiers modifiers, QPoint position);
    void leftMoved(QPoint position, QPointF globalPosition);
    void leftReleased(QPointF globalPosition);
    // The right button went down, or the Menu key or Shift+F10 was pressed (the pop-up menu opens
    // there); the highlight stays as it is.
    void rightPressed(const QPoint &globalPos);
    // A printable character was typed with no command key held.
    void typed(const QString &text);

public:
    // The left release being handled ended a drag: it is no click, so no mouseReleased follows.
    void takeRelease() { m_releaseTaken = true; }

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyboardSearch(const QString &search) override;
    void changeEvent(QEvent *event) override;
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
    void selectionChanged(const QItemSelection &selected, const QItemSelection &deselected) override;

private:
    void pressLeft(QMouseEvent *event);
    void applyColours();
    void scheduleVisualUpdate();
    void applyVisualUpdate();

    bool m_visualUpdatePending = false;
    bool m_leftHeld = false;
    bool m_releaseTaken = false;

    int m_newIndex = -1;
    Colour m_back = 0xFFFFFF;
    Colour m_fore = 0;
    float m_fontSize = 9;
};
