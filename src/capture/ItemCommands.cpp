// SPDX-License-Identifier: GPL-3.0-or-later
#include "capture/ItemCommands.h"

#include "model/seams/ClipListBox.h"
#include "model/ListItems.h"
#include "model/ListCollection.h"
#include "model/ListDisplay.h"
#include "model/ListRecord.h"
#include "model/seams/MessageBoxPort.h"
#include "model/seams/PaneHost.h"
#include "model/ProgramTexts.h"
#include "model/GlobalSettings.h"

#include <algorithm>

ItemCommands::ItemCommands(ListCollection &lists, ListDisplay &display, GlobalSettings &settings,
                           MessageBoxPort &messages)
    : m_lists(lists), m_display(display), m_settings(settings), m_messages(messages)
{
}

void ItemCommands::adjustFocusRow(RowNumber &row, RowNumber deletedRow)
{
    if (deletedRow < row)
        --row;
}

QString ItemCommands::overLimitDeleteQuestion(const QString &crLf)
{
    return QStringLiteral("移動させると、上限項目数を超えます。") + crLf + QStringLiteral("あふれた項目を削除しますか?");
}

QString ItemCommands::overLimitKeepQuestion(const QString &crLf)
{
    return QStringLiteral("移動させると、上限項目数を超えるため、") + crLf + QStringLiteral("あふれた項目は移動しません。") +
           crLf + QStringLiteral("よろしいですか?");
}

QList<RowNumber> ItemCommands::highlightedRows(PaneNumber pane) const
{
    QList<RowNumber> rows;
    const qint16 items = m_display.recordOfPane(pane).items().rowCount();
    for (int row : m_display.box(pane).selectedRows()) {
        if (row >= 0 && row < items)
            rows.append(RowNumber(row));
    }
    return rows;
}

void ItemCommands::deleteItems()
{
    const PaneNumber pane = m_display.focusedPane();
    const QList<RowNumber> rows = highlightedRows(pane);
    RowNumber focus = m_display.focusedRow(pane);
    if (rows.isEmpty() || focus < 0)
        return;
    ListItems &items = m_display.recordOfPane(pane).items();
    for (auto row = rows.crbegin(); row != rows.crend(); ++row) {
        items.deleteItem(*row);
        adjustFocusRow(focus, *row);
    }
    m_display.highlightRow(pane, focus);
}

void ItemCommands::joinItems()
{
    const PaneNumber pane = m_display.focusedPane();
    ListItems &items = m_display.recordOfPane(pane).items();
    const QList<RowNumber> rows = highlightedRows(pane);
    RowNumber focus = m_display.focusedRow(pane);
    if (rows.isEmpty() || focus < 0)
        return;
    QString joined;
    for (RowNumber row : rows)
        joined += items.at(items.itemOfRow(row)).text;
    for (auto row = rows.crbegin(); row != rows.crend(); ++row) {
        items.deleteItem(*row);
        adjustFocusRow(focus, *row);
    }
    // The focused row may have been the last one and gone with the others.
    focus = std::min(focus, RowNumber(items.rowCount()));
    items.insertItem(joined, focus);
    m_display.highlightRow(pane, focus);
}

int ItemCommands::itemsToMove(PaneNumber targetPane, int count)
{
    ListRecord &target = m_display.recordOfPane(targetPane);
    const int held = target.items().count();
    if (held + count <= target.itemLimit)
        return count;
    if (m_settings.dropOverflowOnMove) {
        if (m_settings.warnOnOverflow
            && m_messages.show(ProgramTexts::title(), overLimitDeleteQuestion(ProgramTexts::lineBreak()), MessageBoxPort::Icon::Question,
                               MessageBoxPort::Buttons::YesNo) != MessageBoxPort::Answer::Yes)
            return -1;
        return count;
    }
    if (m_settings.warnOnOverflow
        && m_messages.show(ProgramTexts::title(), overLimitKeepQuestion(ProgramTexts::lineBreak()), MessageBoxPort::Icon::Question,
                           MessageBoxPort::Buttons::OkCancel) != MessageBoxPort::Answer::Ok)
        return -1;
    return std::clamp(target.itemLimit - held, 0, count);
}

void ItemCommands::dropItems(PaneNumber targetPane)
{
    const PaneNumber sourcePane = m_drag.source;
    const QList<RowNumber> rows = highlightedRows(sourcePane);
    if (!rows.isEmpty()) {
        if (m_display.listOfPane(sourcePane) == m_display.listOfPane(targetPane))
            moveWithinList(targetPane, rows);
        else
            moveToOtherList(sourcePane, targetPane, rows);
    }
    m_drag.source = targetPane;
    m_display.highlightRow(targetPane, m_drag.dropRow);
}

void ItemCommands::moveWithinList(PaneNumber pane, const QList<RowNumber> &rows)
{
    ListItems &items = m_display.recordOfPane(pane).items();
    QList<ItemNumber> moved;
    for (RowNumber row : rows)
        moved.append(items.itemOfRow(row));
    RowNumber &drop = m_drag.dropRow;
    for (auto row = rows.crbegin(); row != rows.crend(); ++row) {
        items.removeRow(*row);
        adjustFocusRow(drop, *row);
    }
    // A drop row past the rows that are left, or none, means the bottom.
    if (drop < 0 || drop > items.rowCount())
        drop = RowNumber(items.rowCount());
    for (auto item = moved.crbegin(); item != moved.crend(); ++item) {
        const ClipItem &shown = items.at(*item);
        items.insertRow(shown.name.isEmpty() ? shown.text : shown.name, drop, *item, false);
    }
}

void ItemCommands::moveToOtherList(PaneNumber sourcePane, PaneNumber targetPane, const QList<RowNumber> &rows)
{
    const int count = itemsToMove(targetPane, int(rows.size()));
    if (count <= 0)
        return;
    ListItems &source = m_display.recordOfPane(sourcePane).items();
    ListItems &target = m_display.recordOfPane(targetPane).items();
    RowNumber &drop = m_drag.dropRow;
    if (drop < 0 || drop > target.rowCount())
        drop = RowNumber(target.rowCount());
    for (int i = count - 1; i >= 0; --i) {
        ClipItem moving = source.at(source.itemOfRow(rows[i]));
        const QString name = std::exchange(moving.name, QString());
        target.insertItem(std::move(moving), drop);
        if (!name.isEmpty())
            target.nameItem(drop, name);
    }
    for (int i = count - 1; i >= 0; --i) {
        source.deleteItem(rows[i]);
        m_display.setFocusedRow(sourcePane, rows.first());
    }
}

void ItemCommands::saveText(PaneNumber pane, ListNumber list, RowNumber row, ItemNumber item, const QString &text)
{
    ListItems &items = m_lists.at(list).items();
    // The HTML copied with the text no longer says the same.
    items.at(item).text = text;
    items.at(item).html.clear();
    items.refreshRow(row, item);
    m_display.highlightRow(pane, row);
}

bool ItemCommands::divideItem(PaneNumber pane, ListNumber list, RowNumber row, ItemNumber item, const QString &first,
                              const QString &second)
{
    // A full list makes room by dropping its top or bottom row; when that row is the item being
    // divided, its second part would be lost with it.
    ListRecord &clipList = m_lists.at(list);
    ListItems &items = clipList.items();
    const RowNumber droppedRow(clipList.addAtBottom ? 0 : items.rowCount() - 1);
    if (items.count() >= clipList.itemLimit && row == droppedRow) {
        m_messages.show(ProgramTexts::title(), QStringLiteral("ﾘｽﾄの項目数が上限のため、二分割できません。"),
                        MessageBoxPort::Icon::Critical, MessageBoxPort::Buttons::Ok);
        return false;
    }
    // Both parts came from the same program; neither is the HTML copied with the whole.
    ClipItem &divided = items.at(item);
    divided.text = second;
    divided.html.clear();
    const QString program = divided.program;
    items.refreshRow(row, item);
    items.insertItem(ClipItem{first, QString(), 0, program}, row);
    m_display.highlightRow(pane, row);
    return true;
}
