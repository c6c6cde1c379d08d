// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ListBoxWidget.h"

#include "platform/WinColour.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <algorithm>
#include <memory>
#include <utility>

ListBoxWidget::ListBoxWidget(QWidget *parent) : QListView(parent)
{
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    // Every row is one line of the same font, which keeps filling and scrolling large lists cheap.
    setUniformItemSizes(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTextElideMode(Qt::ElideNone);
    setFrameShape(QFrame::NoFrame);
}

void ListBoxWidget::showRows(QAbstractItemModel *rows)
{
    // The view makes no object per row: showing a list of any length costs the same. A new model
    // comes with a new selection model; the old one is the view's to delete.
    QItemSelectionModel *previous = selectionModel();
    setModel(rows);
    if (previous && previous != selectionModel())
        previous->deleteLater();
    if (selectionModel())
        selectionModel()->clear();
}

QString ListBoxWidget::rowText(int row) const
{
    return model() ? model()->index(row, 0).data().toString() : QString();
}

QRect ListBoxWidget::rowRect(int row) const
{
    return model() ? visualRect(model()->index(row, 0)) : QRect();
}

void ListBoxWidget::setFocusedRow(int row)
{
    if (model())
        selectionModel()->setCurrentIndex(model()->index(row, 0), QItemSelectionModel::NoUpdate);
}

// Rows hidden by a find are out of reach: they are never highlighted, so the commands act only on
// what is shown.
bool ListBoxWidget::selected(int row) const
{
    return model() && !isRowHidden(row) && selectionModel()->isRowSelected(row, QModelIndex());
}

void ListBoxWidget::setSelected(int row, bool on)
{
    if (!model() || (on && isRowHidden(row)))
        return;
    selectionModel()->select(model()->index(row, 0),
                             on ? QItemSelectionModel::Select : QItemSelectionModel::Deselect);
}

int ListBoxWidget::selectedCount() const
{
    return int(selectedRows().size());
}

QList<int> ListBoxWidget::selectedRows() const
{
    QList<int> rows;
    if (!model())
        return rows;
    for (const QModelIndex &index : selectionModel()->selectedRows()) {
        if (!isRowHidden(index.row()))
            rows.append(index.row());
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

int ListBoxWidget::topIndex() const
{
    const QModelIndex top = indexAt(QPoint(1, 1));
    return top.isValid() ? top.row() : 0;
}

void ListBoxWidget::setTopIndex(int row)
{
    if (model() && row >= 0 && row < count())
        scrollTo(model()->index(row, 0), QAbstractItemView::PositionAtTop);
}

void ListBoxWidget::setColours(Colour back, Colour fore)
{
    m_back = back;
    m_fore = fore;
    applyColours();
}

void ListBoxWidget::applyColours()
{
    // System colours are looked up in the application's palette, not in our own altered one.
    const QPalette system = QApplication::palette(this);
    QPalette p = palette();
    p.setColor(QPalette::Base, WinColour::toQColor(m_back, system));
    p.setColor(QPalette::Text, WinColour::toQColor(m_fore, system));
    setPalette(p);
}

void ListBoxWidget::setListFont(const QString &family, float pointSize)
{
    QFont f(family);
    if (pointSize > 0)
        f.setPointSizeF(pointSize);
    m_fontSize = pointSize;
    setFont(f);
}

void ListBoxWidget::keyPressEvent(QKeyEvent *event)
{
    // Delete belongs to the window, which deletes the highlighted items; the list box would take it
    // as the start of a keyboard search.
    if (event->key() == Qt::Key_Delete) {
        event->ignore();
        return;
    }
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const int key = event->key();
    const int row = currentRow();
    const bool onRow = row >= 0 && !isRowHidden(row);
    if (key == Qt::Key_Menu || (key == Qt::Key_F10 && modifiers == Qt::ShiftModifier)) {
        // At the focused row, as the right button would open it there; the highlight stays.
        event->accept();
        const QRect at = onRow ? visualRect(currentIndex()) : QRect();
        emit rightPressed(viewport()->mapToGlobal(at.isValid() ? at.center() : QPoint(1, 1)));
        return;
    }
    if ((key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) && modifiers == Qt::NoModifier) {
        // As a click on the focused row: only it stays highlighted, and it is copied.
        event->accept();
        if (!onRow)
            return;
        selectionModel()->select(currentIndex(), QItemSelectionModel::ClearAndSelect);
        emit mouseReleased(Qt::LeftButton);
        return;
    }
    if ((key == Qt::Key_Home || key == Qt::Key_End) && !(modifiers & ~(Qt::ShiftModifier | Qt::ControlModifier))) {
        // The view's own End stops at the last row it has laid out; both go to the first or last shown row.
        event->accept();
        const int to = key == Qt::Key_Home ? shownRowFrom(0, 1) : shownRowFrom(count() - 1, -1);
        if (to < 0)
            return;
        const QModelIndex target = model()->index(to, 0);
        if (modifiers & Qt::ShiftModifier) {
            const QModelIndex from = onRow ? currentIndex() : target;
            selectionModel()->select(to < from.row() ? QItemSelection(target, from) : QItemSelection(from, target),
                                     QItemSelectionModel::Select);
        } else if (!(modifiers & Qt::ControlModifier)) {
            // With Ctrl only the focus moves, as with Ctrl and the arrows.
            selectionModel()->select(target, QItemSelectionModel::ClearAndSelect);
        }
        setFocusedRow(to);
        return;
    }
    QListView::keyPressEvent(event);
}

// Typing starts a find instead of the view's jump to a row by its first letters.
void ListBoxWidget::keyboardSearch(const QString &search)
{
    emit typed(search);
}

// QListView moves the focus and the selection to a right-clicked row. The right button is for
// the pop-up menu and copying the focused row on release, so it leaves both as they are.
// The left button works as in a simple multi-select list: a press toggles the row under the mouse
// and focuses it, and while the button is held the focus follows the mouse. Sweeps and drags
// build on that state; Qt's extended selection would select ranges and draw a rubber band instead.
void ListBoxWidget::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        pressLeft(event);
        return;
    }
    if (event->button() == Qt::RightButton) {
        event->accept();
        emit rightPressed(event->globalPosition().toPoint());
    } else
        QListView::mousePressEvent(event);
}

void ListBoxWidget::pressLeft(QMouseEvent *event)
{
    event->accept();
    m_leftHeld = true;
    m_releaseTaken = false;
    const QPoint at = event->position().toPoint();
    const QModelIndex index = indexAt(at);
    if (index.isValid()) {
        setSelected(index.row(), !selected(index.row()));
        setFocusedRow(index.row());
    }
    emit leftPressed(index.isValid() ? index.row() : -1, event->modifiers(), at);
}

void ListBoxWidget::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_leftHeld) {
        QListView::mouseMoveEvent(event);
        return;
    }
    event->accept();
    const QPoint at = event->position().toPoint();
    // Outside the box the mouse may be over a drop target: the focus stays.
    if (viewport()->rect().contains(at)) {
        const QModelIndex index = indexAt(at);
        if (index.isValid() && index.row() != currentRow())
            setFocusedRow(index.row());
    }
    emit leftMoved(at, event->globalPosition());
}

void ListBoxWidget::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QListView::mouseDoubleClickEvent(event);
        return;
    }
    // The second press of a double click opens the row; it toggles nothing.
    event->accept();
    m_leftHeld = true;
    m_releaseTaken = false;
    const QModelIndex index = indexAt(event->position().toPoint());
    if (index.isValid())
        emit doubleClicked(index);
}

void ListBoxWidget::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && m_leftHeld) {
        m_leftHeld = false;
        emit leftReleased(event->globalPosition());
        if (std::exchange(m_releaseTaken, false))
            return;
        emit mouseReleased(Qt::LeftButton);
        return;
    }
    // The view's release handling finishes a press it saw; it saw no right press.
    if (event->button() != Qt::RightButton)
        QListView::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton || event->button() == Qt::RightButton)
        emit mouseReleased(event->button());
}

void ListBoxWidget::changeEvent(QEvent *event)
{
    QListView::changeEvent(event);
    if (event->type() == QEvent::ApplicationPaletteChange)
        applyColours();
}

// Showing a new focus or highlight makes the view lay out every row again when rows were added
// or removed since its last layout. A capture of many pieces moves the focus once per piece, so
// the repaint and the scroll to the focused row are made once, when control returns to the event
// loop, instead of once per change.
void ListBoxWidget::currentChanged(const QModelIndex &, const QModelIndex &)
{
    scheduleVisualUpdate();
}

void ListBoxWidget::selectionChanged(const QItemSelection &, const QItemSelection &)
{
    scheduleVisualUpdate();
}

void ListBoxWidget::scheduleVisualUpdate()
{
    if (m_visualUpdatePending)
        return;
    m_visualUpdatePending = true;
    QMetaObject::invokeMethod(this, &ListBoxWidget::applyVisualUpdate, Qt::QueuedConnection);
}

void ListBoxWidget::applyVisualUpdate()
{
    m_visualUpdatePending = false;
    const QModelIndex current = currentIndex();
    if (current.isValid() && isVisible())
        scrollTo(current);
    viewport()->update();
}
