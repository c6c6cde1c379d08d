#include "capture/ItemCommands.h"

#include "model/ClipListBox.h"
#include "model/ItemControl.h"
#include "model/ListControl.h"
#include "model/ListExControl.h"
#include "model/ListOb.h"
#include "model/MessageBoxPort.h"
#include "model/PaneHost.h"
#include "model/ProgramTexts.h"
#include "model/QKPRGrobal.h"
#include "model/UtilityGrobal.h"

#include <algorithm>

ItemCommands::ItemCommands(QKPRGrobal &grobal, MessageBoxPort &messages) : m_grobal(grobal), m_messages(messages) {}

void ItemCommands::AdjustFocusRow(qint16 &row, qint16 deletedRow)
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

QList<qint16> ItemCommands::highlightedRows(qint16 pane) const
{
    QList<qint16> rows;
    const qint16 items = m_grobal.listControl().lcListOb(m_grobal.getOLx(pane)).loItemControl().UBic();
    for (int row : m_grobal.listExControl().box(pane).selectedRows()) {
        if (row >= 0 && row < items)
            rows.append(qint16(row));
    }
    return rows;
}

void ItemCommands::DeleteItems()
{
    ListExControl &panes = m_grobal.listExControl();
    const qint16 pane = panes.lecListFocus();
    const QList<qint16> rows = highlightedRows(pane);
    qint16 focus = panes.lecItemGetFocus(pane);
    if (rows.isEmpty() || focus < 0)
        return;
    ItemControl &items = m_grobal.listControl().lcListOb(m_grobal.getOLx(pane)).loItemControl();
    for (auto row = rows.crbegin(); row != rows.crend(); ++row) {
        items.icDelItem(pane, *row);
        AdjustFocusRow(focus, *row);
    }
    panes.lecItemSetBlue(pane, focus);
    m_grobal.ClearTextSave(pane);
}

void ItemCommands::JoinItems()
{
    ListExControl &panes = m_grobal.listExControl();
    const qint16 pane = panes.lecListFocus();
    ItemControl &items = m_grobal.listControl().lcListOb(m_grobal.getOLx(pane)).loItemControl();
    const QList<qint16> rows = highlightedRows(pane);
    qint16 focus = panes.lecItemGetFocus(pane);
    if (rows.isEmpty() || focus < 0)
        return;
    QString joined;
    for (qint16 row : rows)
        joined += items.icItemOb(items.prooIx(row)).ioWords;
    for (auto row = rows.crbegin(); row != rows.crend(); ++row) {
        items.icDelItem(pane, *row);
        AdjustFocusRow(focus, *row);
    }
    // The focused row may have been the last one and gone with the others.
    focus = std::min(focus, items.UBic());
    items.icMakePinItem(pane, joined, focus);
    panes.lecItemSetBlue(pane, focus);
    m_grobal.ClearTextSave(pane);
}

int ItemCommands::itemsToMove(qint16 targetPane, int count)
{
    ListOb &target = m_grobal.listControl().lcListOb(m_grobal.getOLx(targetPane));
    const int held = target.loItemControl().UB();
    if (held + count <= target.UpperCount)
        return count;
    const UtilityGrobal &settings = m_grobal.utilityGrobal();
    if (settings.AddDelete) {
        if (settings.AddDeleteError
            && m_messages.show(ProgramTexts::title(), overLimitDeleteQuestion(m_grobal.CrLf), MessageBoxPort::Icon::Question,
                               MessageBoxPort::Buttons::YesNo) != MessageBoxPort::Answer::Yes)
            return -1;
        return count;
    }
    if (settings.AddDeleteError
        && m_messages.show(ProgramTexts::title(), overLimitKeepQuestion(m_grobal.CrLf), MessageBoxPort::Icon::Question,
                           MessageBoxPort::Buttons::OkCancel) != MessageBoxPort::Answer::Ok)
        return -1;
    return std::clamp(target.UpperCount - held, 0, count);
}

void ItemCommands::DropItems(qint16 targetPane)
{
    const qint16 sourcePane = m_drag.source;
    const QList<qint16> rows = highlightedRows(sourcePane);
    if (!rows.isEmpty()) {
        if (m_grobal.getOLx(sourcePane) == m_grobal.getOLx(targetPane))
            moveWithinList(targetPane, rows);
        else
            moveToOtherList(sourcePane, targetPane, rows);
    }
    m_drag.source = targetPane;
    m_grobal.listExControl().lecItemSetBlue(targetPane, m_drag.dropRow);
    m_drag.mouseMode = 0;
}

void ItemCommands::moveWithinList(qint16 pane, const QList<qint16> &rows)
{
    ItemControl &items = m_grobal.listControl().lcListOb(m_grobal.getOLx(pane)).loItemControl();
    QList<qint16> moved;
    for (qint16 row : rows)
        moved.append(items.prooIx(row));
    qint16 &drop = m_drag.dropRow;
    for (auto row = rows.crbegin(); row != rows.crend(); ++row) {
        items.icRemoveItemEx(pane, *row);
        AdjustFocusRow(drop, *row);
    }
    // A drop row past the rows that are left, or none, means the bottom.
    if (drop < 0 || drop > items.UBic())
        drop = items.UBic();
    for (auto item = moved.crbegin(); item != moved.crend(); ++item) {
        const ItemOb &shown = items.icItemOb(*item);
        items.icAddPinItem(pane, shown.ioName.isEmpty() ? shown.ioWords : shown.ioName, drop, *item, false);
    }
}

void ItemCommands::moveToOtherList(qint16 sourcePane, qint16 targetPane, const QList<qint16> &rows)
{
    const int count = itemsToMove(targetPane, int(rows.size()));
    if (count <= 0)
        return;
    ItemControl &source = m_grobal.listControl().lcListOb(m_grobal.getOLx(sourcePane)).loItemControl();
    ItemControl &target = m_grobal.listControl().lcListOb(m_grobal.getOLx(targetPane)).loItemControl();
    qint16 &drop = m_drag.dropRow;
    if (drop < 0 || drop > target.UBic())
        drop = target.UBic();
    for (int i = count - 1; i >= 0; --i) {
        const ItemOb moving = source.icItemOb(source.prooIx(rows[i]));
        target.icMakePinItem(targetPane, moving.ioWords, drop);
        if (!moving.ioName.isEmpty())
            target.icNameItem(targetPane, drop, moving.ioName);
    }
    for (int i = count - 1; i >= 0; --i) {
        source.icDelItem(sourcePane, rows[i]);
        m_grobal.listExControl().lecItemSetFocus(sourcePane, rows.first());
    }
}
