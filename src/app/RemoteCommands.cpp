// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/RemoteCommands.h"

#include "capture/ClipboardWatcher.h"
#include "model/ListCollection.h"
#include "model/ListDisplay.h"
#include "model/ListItems.h"
#include "model/ListRecord.h"
#include "windows/HotkeyPick.h"
#include "windows/TrayIcon.h"

#include <QRegularExpression>
#include <algorithm>

namespace {
RemoteReply refused(const QString &why)
{
    return {RemoteReply::Refused, {}, why};
}

RemoteReply badUsage()
{
    return {RemoteReply::BadUsage, {}, QStringLiteral("ｺﾏﾝﾄﾞが正しくありません。")};
}
} // namespace

RemoteCommands::RemoteCommands(ListCollection &lists, ListDisplay &display, ClipboardWatcher &watcher, TrayIcon &tray,
                               HotkeyPick *pick)
    : m_lists(lists), m_display(display), m_watcher(watcher), m_tray(tray), m_pick(pick)
{
}

RemoteReply RemoteCommands::answer(const RemoteRequest &request)
{
    const QString &command = request.command;
    const QStringList &arguments = request.arguments;
    const auto is = [&](const char *name, qsizetype argumentCount) {
        return command == QLatin1String(name) && arguments.size() == argumentCount;
    };
    if (is("add", 1))
        return add(arguments.constFirst());
    if (command == QLatin1String("list") && arguments.size() <= 1)
        return list(arguments);
    if (is("read", 1))
        return read(arguments.constFirst());
    if (is("count", 0))
        return count();
    if (is("pick", 0))
        return pick();
    if (is("show", 0) || is("hide", 0))
        return showWindow(command == QLatin1String("show"));
    if (is("toggle", 0)) {
        m_tray.toggleWindow();
        return {};
    }
    if (is("capture", 1))
        return capture(arguments.constFirst());
    return badUsage();
}

ListItems *RemoteCommands::focusedItems()
{
    return m_display.paneCount() > 0 ? &m_lists.at(m_display.focusedList()).items() : nullptr;
}

RemoteReply RemoteCommands::add(const QString &text)
{
    if (text.isEmpty())
        return refused(QStringLiteral("空のﾃｷｽﾄは追加しません。"));
    if (!focusedItems())
        return refused(QStringLiteral("表示しているﾘｽﾄがありません。"));
    // As a capture: split by the settings, into the focused list, kept in the history.
    const PaneNumber pane = m_display.focusedPane();
    m_watcher.itemMaker().makeItems(pane, m_display.listOfPane(pane), text);
    return {};
}

RemoteReply RemoteCommands::list(const QStringList &arguments)
{
    const int wanted = arguments.isEmpty() ? 10 : rowNumberOf(arguments.constFirst());
    if (wanted < 0)
        return badUsage();
    ListItems *items = focusedItems();
    if (!items)
        return refused(QStringLiteral("表示しているﾘｽﾄがありません。"));
    // The rows of the newest items (the highest item numbers), in the order the list shows them.
    std::vector<std::pair<ItemNumber, int>> rows;
    for (RowNumber row{0}; row < items->rowCount(); ++row)
        rows.push_back({items->itemOfRow(row), row.value()});
    const size_t shown = std::min(rows.size(), size_t(wanted));
    std::partial_sort(rows.begin(), rows.begin() + qsizetype(shown), rows.end(), std::greater<>());
    rows.resize(shown);
    std::sort(rows.begin(), rows.end(), [](const auto &a, const auto &b) { return a.second < b.second; });
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    QByteArray output;
    for (const auto &[item, row] : rows) {
        QString text = items->at(item).text;
        output += QByteArray::number(row) + '\t' + text.replace(lineBreak, QStringLiteral("\\n")).toUtf8() + '\n';
    }
    return {RemoteReply::Done, output, {}};
}

RemoteReply RemoteCommands::read(const QString &row)
{
    ListItems *items = focusedItems();
    const int number = rowNumberOf(row);
    if (!items || number < 0 || number >= items->rowCount())
        return refused(QStringLiteral("行 %1 はありません。").arg(row));
    return {RemoteReply::Done, items->at(items->itemOfRow(RowNumber(qint16(number)))).text.toUtf8(), {}};
}

RemoteReply RemoteCommands::count()
{
    ListItems *items = focusedItems();
    return {RemoteReply::Done, QByteArray::number(items ? items->count() : 0) + '\n', {}};
}

RemoteReply RemoteCommands::pick()
{
    if (!m_pick)
        return refused(QStringLiteral("この環境では使えません。"));
    m_pick->bringUp();
    return {};
}

RemoteReply RemoteCommands::showWindow(bool shown)
{
    if (m_tray.windowShown() != shown)
        m_tray.toggleWindow();
    return {};
}

RemoteReply RemoteCommands::capture(const QString &how)
{
    if (how == QLatin1String("toggle"))
        m_watcher.setCapturing(!m_watcher.capturing());
    else if (how == QLatin1String("on") || how == QLatin1String("off"))
        m_watcher.setCapturing(how == QLatin1String("on"));
    else
        return badUsage();
    return {};
}
