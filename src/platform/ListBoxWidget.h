// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/seams/ClipListBox.h"

#include <QListView>

// A pane's list box: a view of a list's rows (Qt's styled delegate paints them in the list's font
// and colours), whose rows can be highlighted several at a time.
class ListBoxWidget : public QListView, public ClipListBox {
    Q_OBJECT
public:
    explicit ListBoxWidget(QWidget *parent = nullptr);

    void showRows(QAbstractItemModel *rows) override;
    int rowCount() const override { return count(); }
    int count() const { return model() ? model()->rowCount() : 0; }
    // The text the row shows, and where it is in the viewport (empty when not laid out).
    QString rowText(int row) const;
    QRect rowRect(int row) const;

    int focusedRow() const override { return currentRow(); }
    int currentRow() const { return currentIndex().row(); }
    void setFocusedRow(int row) override;

    bool selected(int row) const override;
    void setSelected(int row, bool on) override;
    int selectedCount() const override;
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

    Colour m_back = 0xFFFFFF;
    Colour m_fore = 0;
    float m_fontSize = 9;
};
