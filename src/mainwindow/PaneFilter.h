#pragma once

#include "model/FindQuery.h"
#include "model/ListFinder.h"
#include "model/Numbers.h"

#include <QList>
#include <QPointer>

class ListBoxWidget;
class MatchMarks;
class PaneArea;
class ProgramState;
class QAbstractItemDelegate;

// Shows only the rows of one pane whose items match a find; the others are hidden, not removed,
// so rows keep their numbers and every command maps them to the right items.
class PaneFilter {
public:
    PaneFilter(ProgramState &state, PaneArea &panes);
    ~PaneFilter();
    PaneFilter(const PaneFilter &) = delete;
    PaneFilter &operator=(const PaneFilter &) = delete;

    // Filters the pane by the query (another filtered pane shows all its rows again); with
    // refocus the top match becomes the only highlighted row and the focused one.
    void apply(PaneNumber pane, const FindQuery &query, bool refocus);
    // Looks at every row again after the pane's rows changed.
    void refresh();
    // Shows every row again; the focused row stays focused.
    void clear();

    bool active() const { return m_pane >= 0; }
    PaneNumber pane() const { return m_pane; }
    int matchCount() const { return int(m_matches.size()); }
    int rowCount() const;
    ListFinder &finder() { return m_finder; }

private:
    void update(bool narrowed, bool refocus);
    ListBoxWidget *filteredList() const;

    ProgramState &m_state;
    PaneArea &m_panes;
    ListFinder m_finder;
    MatchMarks *m_marks;
    QPointer<ListBoxWidget> m_list;
    QPointer<QAbstractItemDelegate> m_plainDelegate;
    PaneNumber m_pane{-1};
    FindQuery m_query;
    QList<RowNumber> m_matches;
    int m_rowsSeen = 0;
};
