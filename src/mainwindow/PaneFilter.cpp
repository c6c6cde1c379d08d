// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/PaneFilter.h"

#include "mainwindow/MatchMarks.h"
#include "mainwindow/PaneArea.h"
#include "model/ListCollection.h"
#include "model/ListDisplay.h"
#include "model/ListFinder.h"
#include "model/ListItems.h"
#include "model/ListRecord.h"
#include "platform/ListBoxWidget.h"

#include <QElapsedTimer>
#include <utility>

namespace {
// Longest a slice of a scan holds up the window.
constexpr qint64 SliceNs = 12'000'000;
// Rows looked at between two readings of the clock: a few milliseconds' worth.
constexpr size_t RowsPerBatch = 2048;
} // namespace

PaneFilter::PaneFilter(ListCollection &lists, ListDisplay &display, PaneArea &panes, ListFinder &finder)
    : m_lists(lists), m_display(display), m_panes(panes), m_finder(finder), m_marks(new MatchMarks(&panes))
{
    m_slices.setSingleShot(true);
    m_slices.setInterval(0);
    connect(&m_slices, &QTimer::timeout, this, &PaneFilter::scanSlice);
    m_rowsChanged.setSingleShot(true);
    m_rowsChanged.setInterval(0);
    connect(&m_rowsChanged, &QTimer::timeout, this, &PaneFilter::refresh);
}

PaneFilter::~PaneFilter() = default;

ListBoxWidget *PaneFilter::filteredList() const
{
    // The pane may have been closed, or its box unloaded, since it was filtered.
    if (m_pane < 0 || m_display.positionOf(m_pane) < 0 || m_panes.clipListWidget(m_pane) != m_list)
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
    if (!list || m_display.positionOf(pane) < 0)
        return;
    if (m_pane != pane) {
        m_pane = pane;
        m_list = list;
        m_plainDelegate = list->itemDelegate();
        list->setItemDelegate(m_marks);
        m_hidden.assign(size_t(list->count()), false);
        followRows(true);
    }
    if (m_rowsChanged.isActive())
        takeRowsAsTheyAre();
    m_sought = query;
    // Only rows that matched before can match a narrower query, while the rows stay the same.
    startScan(!m_query.isEmpty() && query.narrows(m_query), refocus);
}

void PaneFilter::followRows(bool follow)
{
    for (const QMetaObject::Connection &watch : std::as_const(m_rowWatch))
        disconnect(watch);
    m_rowWatch.clear();
    m_rowsChanged.stop();
    if (!follow || !m_list)
        return;
    const QAbstractItemModel *rows = m_list->model();
    const auto changed = [this] { m_rowsChanged.start(); };
    m_rowWatch = {connect(rows, &QAbstractItemModel::rowsInserted, this, changed),
                  connect(rows, &QAbstractItemModel::rowsRemoved, this, changed),
                  connect(rows, &QAbstractItemModel::rowsMoved, this, changed),
                  connect(rows, &QAbstractItemModel::dataChanged, this, changed),
                  connect(rows, &QAbstractItemModel::modelReset, this, changed)};
}

void PaneFilter::refresh()
{
    if (!filteredList()) {
        clear();
        return;
    }
    takeRowsAsTheyAre();
    startScan(false, false);
}

void PaneFilter::takeRowsAsTheyAre()
{
    m_rowsChanged.stop();
    // Hidden rows moved with their items; rows added since are shown.
    m_hidden.resize(size_t(m_list->count()));
    for (int row = 0; row < m_list->count(); ++row)
        m_hidden[size_t(row)] = m_list->isRowHidden(row);
    m_found.clear();
    m_matches.clear();
    m_query = FindQuery();
}

void PaneFilter::startScan(bool narrowed, bool refocus)
{
    if (size_t(m_list->count()) != m_hidden.size()) {
        takeRowsAsTheyAre();
        narrowed = false;
    }
    m_refocus = refocus || (busy() && m_refocus);
    m_slices.stop();
    if (const auto earlier = m_found.constFind(m_sought.words()); earlier != m_found.cend()) {
        m_scanned = *earlier;
        finishScan();
        return;
    }
    m_next = 0;
    m_scanned.clear();
    m_narrowed = narrowed;
    m_candidates = narrowed ? m_matches : QList<RowNumber>();
    scanSlice();
}

void PaneFilter::scanSlice()
{
    if (!filteredList()) {
        clear();
        return;
    }
    // Rows that changed between two slices: the rows looked at so far may be other items now.
    if (m_rowsChanged.isActive()) {
        refresh();
        return;
    }
    ListItems &items = m_lists.at(m_display.listOfPane(m_pane)).items();
    const qsizetype end = m_narrowed ? m_candidates.size() : items.rowCount();
    QElapsedTimer slice;
    slice.start();
    std::vector<RowNumber> rows;
    while (m_next < end) {
        // The rows are looked at a batch at a time, the clock read after each.
        rows.clear();
        for (; m_next < end && rows.size() < RowsPerBatch; ++m_next)
            rows.push_back(m_narrowed ? m_candidates[m_next] : RowNumber(m_next));
        m_finder.addMatching(items, rows, m_sought, m_scanned);
        if (m_next < end && !m_unsliced && slice.nsecsElapsed() > SliceNs) {
            m_slices.start();
            return;
        }
    }
    finishScan();
}

void PaneFilter::settle()
{
    if (!busy())
        return;
    m_slices.stop();
    m_unsliced = true;
    scanSlice();
    m_unsliced = false;
}

void PaneFilter::finishScan()
{
    m_matches = m_scanned;
    m_query = m_sought;
    if (m_found.size() > 64)
        m_found.clear();
    m_found.insert(m_query.words(), m_matches);
    m_marks->setQuery(m_query);
    showMatches();
    emit filtered();
}

void PaneFilter::showMatches()
{
    ListBoxWidget &list = *m_list;
    qsizetype next = 0;
    for (int row = 0; row < int(m_hidden.size()); ++row) {
        const bool match = next < m_matches.size() && m_matches[next] == row;
        if (match)
            ++next;
        if (m_hidden[size_t(row)] == match) {
            list.setRowHidden(row, !match);
            m_hidden[size_t(row)] = !match;
        }
    }
    // Enter copies the focused row, and the commands act on it: it is always one of the matches.
    const int focus = list.currentRow();
    if (m_matches.isEmpty()) {
        if (focus >= 0) {
            m_focusBefore = focus;
            list.setFocusedRow(-1);
        }
    } else if (m_refocus || focus < 0 || m_hidden[size_t(focus)]) {
        list.clearSelection();
        m_display.highlightRow(m_pane, m_matches.first());
    }
    m_refocus = false;
    list.viewport()->update();
}

void PaneFilter::clear()
{
    m_slices.stop();
    followRows(false);
    if (m_list) {
        for (int row = 0; row < m_list->count(); ++row) {
            if (m_list->isRowHidden(row))
                m_list->setRowHidden(row, false);
        }
        m_list->setItemDelegate(m_plainDelegate);
        if (m_list->currentRow() < 0 && m_focusBefore >= 0 && m_focusBefore < m_list->count())
            m_list->setFocusedRow(m_focusBefore);
        if (m_list->currentIndex().isValid())
            m_list->scrollTo(m_list->currentIndex(), QAbstractItemView::PositionAtCenter);
    }
    m_pane = PaneNumber(-1);
    m_list = nullptr;
    m_matches.clear();
    m_found.clear();
    m_hidden.clear();
    m_query = FindQuery();
    m_sought = FindQuery();
    m_focusBefore = -1;
}
