// SPDX-License-Identifier: GPL-3.0-or-later
#include "capture/ItemMaker.h"

#include "model/ListItems.h"
#include "model/ListCollection.h"
#include "model/ProgramTexts.h"
#include "model/ListDisplay.h"
#include "model/ListRecord.h"
#include "model/GlobalSettings.h"

#include <QList>
#include <algorithm>
#include <utility>

namespace {

// The pieces of a split text: each but the last keeps its separator; the last may be empty.
QList<QStringView> splitKeepingSeparators(QStringView text, QStringView separator)
{
    QList<QStringView> pieces;
    qsizetype from = 0;
    for (qsizetype at = text.indexOf(separator, from); at >= 0; at = text.indexOf(separator, from)) {
        pieces.append(text.mid(from, at + separator.size() - from));
        from = at + separator.size();
    }
    pieces.append(text.mid(from));
    return pieces;
}

// How many of the next `count` pieces leave no trace because later pieces push them out again,
// for a list holding `held` items with `focus` as its focused row (-1: none). Only the pieces
// before the last `kept` go, and only where adding just those kept pieces gives the same rows,
// items, focus and highlight as adding all of them.
qsizetype piecesPushedOut(const ListRecord &options, qsizetype held, RowNumber focus, qsizetype count)
{
    // A list holding itemLimit items (at least one) drops a row for each new one.
    const qsizetype limit = options.itemLimit;
    const qsizetype grow = std::min(count, std::max<qsizetype>(0, limit - held));
    qsizetype kept;
    if (!options.addAtFocus || focus < 0) {
        // At the top or the bottom: rows go from the far end, so the list ends up holding the last
        // pieces and what room is left.
        kept = std::max({held, limit, qsizetype(1)});
    } else if (options.addAtBottom) {
        // Above the pinned row, which stays focused: once the list is full, rows go from the top,
        // so as many pieces stay as rows stand above it then. A pinned top row is itself dropped
        // and the next row is pinned, above which only the last piece stays.
        kept = std::max<qsizetype>(1, focus.value() + grow);
    } else {
        // At the focused row, newest first: rows go from the bottom, the rows above stay.
        kept = held - focus.value() + grow;
    }
    return std::max<qsizetype>(0, count - kept);
}

} // namespace

void ItemMaker::makeItems(PaneNumber pane, ListNumber list, const QString &text, const QString &program,
                          const QString &html)
{
    if (!m_settings.splitCaptures) {
        addOneItem(pane, list, text, program, html);
    } else {
        QString separator = ProgramTexts::lineBreak();
        if (!m_settings.splitAtLineBreaks && !m_settings.splitString.isEmpty())
            separator = m_settings.splitString;
        const QList<QStringView> pieces = splitKeepingSeparators(text, separator);
        // The HTML is of the whole: it stays with a text that was not split.
        if (pieces.size() == 1) {
            addOneItem(pane, list, text, program, html);
            return;
        }

        // Skipping the pieces that would be pushed out keeps a split of many lines from costing
        // more than the list can hold. Where they go is decided per piece: with addAtFocus on and no
        // focused row the first piece makes the focus that the others are then pinned to.
        ListRecord &options = m_lists.at(list);
        qsizetype next = 0;
        if (options.addAtFocus && m_display.focusedRow(pane) < 0)
            addOneItem(pane, list, pieces[next++].toString(), program);
        next += piecesPushedOut(options, options.items().count(), m_display.focusedRow(pane),
                                pieces.size() - next);
        for (; next < pieces.size(); ++next)
            addOneItem(pane, list, pieces[next].toString(), program);
    }
}

void ItemMaker::addOneItem(PaneNumber pane, ListNumber list, const QString &text, const QString &program,
                           const QString &html)
{
    ListRecord &options = m_lists.at(list);
    ListItems &items = options.items();
    // The earlier copy goes, and the new one takes its name: the item has moved, not doubled.
    QString name;
    if (m_movingDuplicates) {
        for (RowNumber row{0}; row < items.rowCount(); ++row) {
            const ClipItem &item = items.at(items.itemOfRow(row));
            if (item.text == text) {
                name = item.name;
                items.deleteItem(row);
                break;
            }
        }
    }
    ClipItem made{text, QString(), 0, program, html};
    RowNumber focused = m_display.focusedRow(pane);
    RowNumber row = RowNumber(-1);
    if (options.addAtFocus && focused >= 0) {
        items.insertItem(std::move(made), focused);
        row = focused;
        m_display.highlightRow(pane, options.addAtBottom ? focused + 1 : focused);
    } else {
        row = items.addItem(std::move(made));
        if (row >= 0)
            m_display.highlightRow(pane, row);
    }
    if (!name.isEmpty() && row >= 0)
        items.nameItem(row, name);
}

bool ItemMaker::replaceText(ListNumber list, quint64 id, const QString &text, const QString &html)
{
    ListItems &items = m_lists.at(list).items();
    for (RowNumber row{0}; row < items.rowCount(); ++row) {
        const ItemNumber item = items.itemOfRow(row);
        if (items.at(item).id == id) {
            items.at(item).text = text;
            items.at(item).html = html;
            items.refreshRow(row, item);
            return true;
        }
    }
    return false;
}
