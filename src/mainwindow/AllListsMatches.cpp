// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/AllListsMatches.h"

#include "mainwindow/ListDisplayMenu.h"
#include "mainwindow/MatchMarks.h"
#include "model/ListCollection.h"
#include "model/ListFinder.h"
#include "model/ListItems.h"
#include "model/ListRecord.h"

#include <QLocale>

namespace {
constexpr int ListRole = Qt::UserRole;
constexpr int RowRole = Qt::UserRole + 1;
} // namespace

AllListsMatches::AllListsMatches(QWidget *parent) : QListWidget(parent), m_marks(new MatchMarks(this))
{
    setUniformItemSizes(true);
    setItemDelegate(m_marks);
    setFrameShape(QFrame::NoFrame);
}

AllListsMatches::Counts AllListsMatches::fill(ListCollection &lists, ListFinder &finder, const FindQuery &query)
{
    Counts counts;
    setUpdatesEnabled(false);
    clear();
    m_marks->setQuery(query);
    QFont bold = font();
    bold.setBold(true);
    for (ListNumber list{0}; list < lists.count(); ++list) {
        ListRecord &record = lists.at(list);
        ListItems &items = record.items();
        const QList<RowNumber> matches = finder.matchingRows(items, query);
        counts.rows += items.rowCount();
        counts.matches += int(matches.size());
        if (matches.isEmpty())
            continue;
        const QString caption = ListDisplayMenu::listCaption(record);
        auto *heading = new QListWidgetItem(
            QStringLiteral("%1 (%2)").arg(caption, QLocale(QLocale::Japanese).toString(matches.size())), this);
        heading->setFlags(Qt::ItemIsEnabled);
        heading->setFont(bold);
        for (RowNumber row : matches) {
            const QString shown = items.rowText(items.at(items.itemOfRow(row)));
            auto *match = new QListWidgetItem(QStringLiteral("　") + shown, this);
            match->setData(ListRole, int(list.value()));
            match->setData(RowRole, int(row.value()));
        }
    }
    // Row 0 is the first list's heading.
    if (count() > 1)
        setCurrentRow(1);
    setUpdatesEnabled(true);
    return counts;
}

std::optional<std::pair<ListNumber, RowNumber>> AllListsMatches::placeOf(const QListWidgetItem *match) const
{
    if (!match || !match->data(ListRole).isValid())
        return std::nullopt;
    return std::pair{ListNumber(match->data(ListRole).toInt()), RowNumber(match->data(RowRole).toInt())};
}

QModelIndex AllListsMatches::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers)
{
    QModelIndex to = QListWidget::moveCursor(action, modifiers);
    // A heading is passed over to the match beyond it; the first one has none above it.
    if (to.isValid() && !to.data(ListRole).isValid()) {
        const QModelIndex beyond = model()->index(to.row() + (to.row() < currentRow() ? -1 : 1), 0);
        to = beyond.isValid() ? beyond : currentIndex();
    }
    return to;
}
