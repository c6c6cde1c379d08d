// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/FindQuery.h"
#include "model/Numbers.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <vector>

class ListBoxWidget;
class ListFinder;
class MatchMarks;
class PaneArea;
class ListCollection;
class ListDisplay;
class QAbstractItemDelegate;

// Shows only the rows of one pane whose items match a find; the others are hidden, not removed,
// so rows keep their numbers and every command maps them to the right items. A long list is
// looked through in slices, so the window keeps answering meanwhile; the rows change once the
// whole list has been looked at.
class PaneFilter : public QObject {
    Q_OBJECT
public:
    PaneFilter(ListCollection &lists, ListDisplay &display, PaneArea &panes, ListFinder &finder);
    ~PaneFilter() override;

    // Filters the pane by the query (another filtered pane shows all its rows again); with
    // refocus the top match becomes the only highlighted row and the focused one.
    void apply(PaneNumber pane, const FindQuery &query, bool refocus);
    // Shows every row again; the focused row stays focused.
    void clear();
    // Finishes a scan in progress at once.
    void settle();

    bool active() const { return m_pane >= 0; }
    // Still looking through the list.
    bool busy() const { return m_slices.isActive(); }
    PaneNumber pane() const { return m_pane; }
    int matchCount() const { return int(m_matches.size()); }
    int rowCount() const;

signals:
    // The rows now shown match the query.
    void filtered();

private:
    // Looks at every row again; the filtered pane's rows changed.
    void refresh();
    void followRows(bool follow);
    // The rows changed: hidden rows are read back, and earlier finds no longer hold.
    void takeRowsAsTheyAre();
    void startScan(bool narrowed, bool refocus);
    void scanSlice();
    void finishScan();
    void showMatches();
    ListBoxWidget *filteredList() const;

    ListCollection &m_lists;
    ListDisplay &m_display;
    PaneArea &m_panes;
    ListFinder &m_finder;
    MatchMarks *m_marks;
    QPointer<ListBoxWidget> m_list;
    QPointer<QAbstractItemDelegate> m_plainDelegate;
    PaneNumber m_pane{-1};
    // The query whose matches are shown, and the one being looked for.
    FindQuery m_query;
    FindQuery m_sought;
    QList<RowNumber> m_matches;
    // What earlier queries found while the rows stayed the same: taking back a character costs nothing.
    QHash<QStringList, QList<RowNumber>> m_found;
    // The rows of the pane as last filtered, hidden or not.
    std::vector<bool> m_hidden;
    // The list box's rows changed (a capture, a drop, a rename); the filter follows once they settle.
    QTimer m_rowsChanged;
    QList<QMetaObject::Connection> m_rowWatch;
    // The scan in progress: the rows to look at (all when not narrowed), how far it got, what it found.
    QTimer m_slices;
    QList<RowNumber> m_candidates;
    bool m_narrowed = false;
    bool m_refocus = false;
    bool m_unsliced = false;
    qsizetype m_next = 0;
    QList<RowNumber> m_scanned;
    // A row whose focus a find without matches took away, to give back when the bar closes.
    int m_focusBefore = -1;
};
