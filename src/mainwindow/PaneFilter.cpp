#include "mainwindow/PaneFilter.h"

#include "mainwindow/MatchMarks.h"
#include "mainwindow/PaneArea.h"
#include "model/ListDisplay.h"
#include "model/ListItems.h"
#include "model/ListRecord.h"
#include "model/ListCollection.h"
#include "model/ProgramState.h"
#include "platform/ListBoxWidget.h"

PaneFilter::PaneFilter(ProgramState &state, PaneArea &panes)
    : m_state(state), m_panes(panes), m_marks(new MatchMarks(&panes))
{
}

PaneFilter::~PaneFilter() = default;

ListBoxWidget *PaneFilter::filteredList() const
{
    // The pane may have been closed, or its box unloaded, since it was filtered.
    if (m_pane < 0 || m_state.display().positionOf(m_pane) < 0 || m_panes.clipListWidget(m_pane) != m_list)
        return nullptr;
    return m_list;
}

int PaneFilter::rowCount() const
{
    return m_list ? m_list->count() : 0;
}

void PaneFilter::apply(PaneNumber pane, const FindQuery &query, bool refocus)
{
    if (pane != m_pane)
        clear();
    ListBoxWidget *list = m_panes.clipListWidget(pane);
    if (!list || m_state.display().positionOf(pane) < 0)
        return;
    // Only rows that matched before can match a narrower query, while the rows stay the same.
    const bool narrowed = m_pane == pane && list->count() == m_rowsSeen && query.narrows(m_query);
    if (m_pane != pane) {
        m_pane = pane;
        m_list = list;
        m_plainDelegate = list->itemDelegate();
        list->setItemDelegate(m_marks);
    }
    m_query = query;
    m_marks->setQuery(query);
    update(narrowed, refocus);
}

void PaneFilter::update(bool narrowed, bool refocus)
{
    ListItems &items = m_state.lists().at(m_state.listOfPane(m_pane)).items();
    m_matches = m_finder.matchingRows(items, m_query, narrowed ? &m_matches : nullptr);
    ListBoxWidget &list = *m_list;
    m_rowsSeen = list.count();
    qsizetype next = 0;
    for (int row = 0; row < m_rowsSeen; ++row) {
        const bool match = next < m_matches.size() && m_matches[next] == row;
        if (match)
            ++next;
        if (list.isRowHidden(row) == match)
            list.setRowHidden(row, !match);
    }
    // Enter copies the focused row: it is always one of the matches.
    const bool focusHidden = list.currentRow() < 0 || list.isRowHidden(list.currentRow());
    if ((refocus || focusHidden) && !m_matches.isEmpty()) {
        list.clearSelection();
        m_state.display().highlightRow(m_pane, m_matches.first());
    }
    list.viewport()->update();
}

void PaneFilter::refresh()
{
    if (filteredList())
        update(false, false);
    else
        clear();
}

void PaneFilter::clear()
{
    if (m_list) {
        for (int row = 0; row < m_list->count(); ++row) {
            if (m_list->isRowHidden(row))
                m_list->setRowHidden(row, false);
        }
        m_list->setItemDelegate(m_plainDelegate);
        if (m_list->currentItem())
            m_list->scrollToItem(m_list->currentItem(), QAbstractItemView::PositionAtCenter);
    }
    m_pane = PaneNumber(-1);
    m_list = nullptr;
    m_matches.clear();
    m_query = FindQuery();
}
