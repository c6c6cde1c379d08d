// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "mainwindow/PaneFilter.h"
#include "model/FindFolding.h"
#include "model/Numbers.h"

#include <QTimer>
#include <QToolBar>

class AllListsMatches;
class ClipboardWatcher;
class PaneArea;
class ListCollection;
class ListDisplay;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidgetItem;
class QShortcut;

// The find bar under the lists. While a query is typed, the focused list shows only the rows that
// hold every word of it; with the switch for all lists, the matches of every list are shown in the
// bar, grouped by list, and choosing one focuses that list and row.
class FindBar : public QToolBar {
    Q_OBJECT
public:
    FindBar(ListCollection &lists, ListDisplay &display, PaneArea &panes, ClipboardWatcher &watcher, QWidget *parent = nullptr);

    // Opens the bar on the focused list, the text starting the query.
    void open(const QString &text = QString());
    // Closes the bar and shows every row again.
    void closeBar();
    bool isOpen() const { return !isHidden(); }
    // Still looking through a long list: its rows change once it is done.
    bool finding() const { return m_filter.busy(); }
    // Texts are still being folded ahead of a find.
    bool foldingAhead() const { return m_folding.busy(); }
    // Items whose folded texts are kept for find.
    qsizetype foldedCount() const { return m_folding.finder().keptCount(); }
    // Bytes kept for find beside the texts (FoldedTexts::bytes).
    qsizetype foldedBytes() const { return m_folding.finder().bytes(); }

    // A character typed into a list box: a printable one starts or continues the query.
    void typedInList(PaneNumber pane, const QString &text);
    // The rows of a list changed: the matches of all lists are looked for again.
    void rowsChanged();

    QLineEdit *queryEdit() const { return m_edit; }
    QCheckBox *allListsSwitch() const { return m_allLists; }
    QLabel *countLabel() const { return m_count; }
    AllListsMatches *allListsMatches() const { return m_results; }

signals:
    // Enter copied the focused match, as Enter in the list copies its row.
    void picked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void find();
    void findInFocusedList();
    void findInAllLists();
    void choose(const QListWidgetItem *match);
    void copyFocusedMatch();
    void followListLook();
    void showCount(int matches, int rows);

    ListCollection &m_lists;
    ListDisplay &m_display;
    PaneArea &m_panes;
    ClipboardWatcher &m_watcher;
    // The folded texts, made ahead, serve both the pane's filter and the find in all lists.
    FindFolding m_folding;
    PaneFilter m_filter;
    QLineEdit *m_edit;
    QLabel *m_count;
    QCheckBox *m_allLists;
    AllListsMatches *m_results;
    QShortcut *m_escape;
    // The rows of some list changed: the matches of all lists follow once they settle.
    QTimer m_rowsChanged;
};
