// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/Numbers.h"

#include "capture/DragState.h"

#include <QList>
#include <QString>

class MessageBoxPort;
class ListCollection;
class ListDisplay;
class GlobalSettings;

// Commands on the highlighted rows and the focused row of a pane: delete, join, and move
// (drop) within a list or into another one; and the text window's save and divide of one item.
class ItemCommands {
public:
    ItemCommands(ListCollection &lists, ListDisplay &display, GlobalSettings &settings, MessageBoxPort &messages);

    // On the focused pane.
    void deleteItems();
    void joinItems();
    // Moves the highlighted rows of the drag source to the drop row of the target pane.
    void dropItems(PaneNumber targetPane);
    // The item of the list, shown in the row of the pane, takes the text.
    void saveText(PaneNumber pane, ListNumber list, RowNumber row, ItemNumber item, const QString &text);
    // The item keeps second and a new item above it takes first. False, after telling the user,
    // when the list is full and would drop that very row to make room.
    bool divideItem(PaneNumber pane, ListNumber list, RowNumber row, ItemNumber item, const QString &first, const QString &second);

    // The drag the mouse makes: where its rows come from, and the row they would go to.
    void setDragSource(PaneNumber pane) { m_drag.source = pane; }
    PaneNumber dragSource() const { return m_drag.source; }
    void setDropRow(RowNumber row) { m_drag.dropRow = row; }

    // Lowers row by one when the deleted row was above it.
    static void adjustFocusRow(RowNumber &row, RowNumber deletedRow);

    static QString overLimitDeleteQuestion(const QString &crLf);
    static QString overLimitKeepQuestion(const QString &crLf);

private:
    QList<RowNumber> highlightedRows(PaneNumber pane) const;
    // How many of count items moving into the list of the pane may go; -1 when the user cancels.
    int itemsToMove(PaneNumber targetPane, int count);
    void moveWithinList(PaneNumber pane, const QList<RowNumber> &rows);
    void moveToOtherList(PaneNumber sourcePane, PaneNumber targetPane, const QList<RowNumber> &rows);

    ListCollection &m_lists;
    ListDisplay &m_display;
    GlobalSettings &m_settings;
    MessageBoxPort &m_messages;
    DragState m_drag;
};
