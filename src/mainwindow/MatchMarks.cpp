// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/MatchMarks.h"

#include <QApplication>
#include <QPainter>

void MatchMarks::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QStyledItemDelegate::paint(painter, option, index);
    const QString text = index.data().toString();
    const auto marks = m_query.marks(text);
    if (marks.isEmpty())
        return;
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    const QWidget *view = item.widget;
    const QStyle *style = view ? view->style() : QApplication::style();
    const QRect textRect = style->subElementRect(QStyle::SE_ItemViewItemText, &item, view);
    // The style indents the text by its focus frame's margin, as it draws it.
    const int left = textRect.left() + style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1;
    const QFontMetrics metrics(item.font);
    const int baseline = textRect.top() + (textRect.height() + metrics.ascent() - metrics.descent()) / 2;
    const bool highlighted = item.state & QStyle::State_Selected;
    const QColor colour = item.palette.color(highlighted ? QPalette::HighlightedText : QPalette::Text);
    for (const auto &[start, length] : marks) {
        const int x = left + metrics.horizontalAdvance(text.left(start));
        const int width = metrics.horizontalAdvance(text.mid(start, length));
        painter->fillRect(QRect(x, baseline + 1, width, 2), colour);
    }
}
