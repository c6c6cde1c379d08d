#pragma once

#include "capture/DragState.h"

#include <QList>
#include <QString>

class MessageBoxPort;
class ProgramState;

// Commands on the highlighted rows and the focused row of a pane: delete, join, and move
// (drop) within a list or into another one; and the text window's save and divide of one item.
class ItemCommands {
public:
    ItemCommands(ProgramState &state, MessageBoxPort &messages);

    // On the focused pane.
    void deleteItems();
    void joinItems();
    // Moves the highlighted rows of the drag source to the drop row of the target pane.
    void dropItems(qint16 targetPane);
    // The item of the list, shown in the row of the pane, takes the text.
    void saveText(qint16 pane, qint16 list, qint16 row, qint16 item, const QString &text);
    // The item keeps second and a new item above it takes first. False, after telling the user,
    // when the list is full and would drop that very row to make room.
    bool divideItem(qint16 pane, qint16 list, qint16 row, qint16 item, const QString &first, const QString &second);

    DragState &drag() { return m_drag; }

    // Lowers row by one when the deleted row was above it.
    static void adjustFocusRow(qint16 &row, qint16 deletedRow);

    static QString overLimitDeleteQuestion(const QString &crLf);
    static QString overLimitKeepQuestion(const QString &crLf);

private:
    QList<qint16> highlightedRows(qint16 pane) const;
    // How many of count items moving into the list of the pane may go; -1 when the user cancels.
    int itemsToMove(qint16 targetPane, int count);
    void moveWithinList(qint16 pane, const QList<qint16> &rows);
    void moveToOtherList(qint16 sourcePane, qint16 targetPane, const QList<qint16> &rows);

    ProgramState &m_state;
    MessageBoxPort &m_messages;
    DragState m_drag;
};
