// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/FindQuery.h"

#include <QStyledItemDelegate>

// Draws a list box's rows as usual and underlines the words of a find in them.
class MatchMarks : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void setQuery(const FindQuery &query) { m_query = query; }
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    FindQuery m_query;
};
