// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/Numbers.h"

#include <QListWidget>
#include <optional>
#include <utility>

class FindQuery;
class ListCollection;
class ListFinder;
class MatchMarks;

// The matches of a find in every list, under a heading per list; each match knows its list and row.
class AllListsMatches : public QListWidget {
    Q_OBJECT
public:
    explicit AllListsMatches(QWidget *parent = nullptr);

    struct Counts {
        int matches = 0;
        int rows = 0;
    };
    // Shows the matches of the query; the first one is the current row.
    Counts fill(ListCollection &lists, ListFinder &finder, const FindQuery &query);
    // The list and row of a match; nothing for a heading.
    std::optional<std::pair<ListNumber, RowNumber>> placeOf(const QListWidgetItem *match) const;

protected:
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;

private:
    MatchMarks *m_marks;
};
