// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/ListDisplayMenu.h"

#include "model/ListCollection.h"
#include "model/ListDisplay.h"
#include "model/ListRecord.h"

#include <QAction>
#include <QMenu>
#include <algorithm>
#include <memory>
#include <vector>

ListDisplayMenu::ListDisplayMenu(ListCollection &lists, ListDisplay &display, const QString &title)
    : m_lists(lists), m_display(display), m_menu(std::make_unique<QMenu>(title))
{
    connect(m_menu.get(), &QMenu::aboutToShow, this, &ListDisplayMenu::updateListCaptions);
}

ListDisplayMenu::~ListDisplayMenu() = default;

QMenu *ListDisplayMenu::addTwinMenu(const QString &title)
{
    auto &twin = m_twins.emplace_back(std::make_unique<QMenu>(title));
    twin->addActions(m_entries);
    connect(twin.get(), &QMenu::aboutToShow, this, &ListDisplayMenu::updateListCaptions);
    return twin.get();
}

void ListDisplayMenu::addListEntry()
{
    auto *action = m_menu->addAction(QString());
    action->setCheckable(true);
    const int index = int(m_entries.size());
    connect(action, &QAction::triggered, this, [this, index] { emit chosen(index); });
    m_entries.append(action);
    for (const auto &twin : m_twins)
        twin->addAction(action);
    // Named now, not only when the menu opens: a screen reader reads closed menus too.
    updateListCaptions();
}

void ListDisplayMenu::removeListEntry()
{
    if (m_entries.isEmpty())
        return;
    std::unique_ptr<QAction> removed(m_entries.takeLast());
    m_menu->removeAction(removed.get());
}

QString ListDisplayMenu::listCaption(const ListRecord &list)
{
    QString caption = list.name;
    if (list.sameNameNumber != 0)
        caption += QLatin1Char('(') + QString::number(list.sameNameNumber) + QLatin1Char(')');
    return caption;
}

qint16 ListDisplayMenu::menuIndexOfPane(const ListDisplay &panes, PaneNumber pane)
{
    return std::max<qint16>(panes.positionOf(pane), 0);
}

void ListDisplayMenu::updateListCaptions()
{
    m_listMap.clear();
    std::vector<bool> shownList(size_t(std::max<qint16>(m_lists.count(), 0)));
    for (qint16 pos = 0; pos < m_display.paneCount(); ++pos) {
        const ListNumber list = m_display.listOfPane(m_display.paneAtPosition(pos));
        m_listMap.append(list);
        shownList[size_t(list.value())] = true;
    }
    const int shown = int(m_listMap.size());
    for (ListNumber list{0}; list < m_lists.count(); ++list) {
        if (!shownList[size_t(list.value())])
            m_listMap.append(list);
    }

    const qint16 focusedPos = menuIndexOfPane(m_display, m_display.focusedPane());
    for (int j = 0; j < m_entries.size() && j < m_listMap.size(); ++j) {
        QString caption = listCaption(m_lists.at(m_listMap[j]));
        if (j == focusedPos)
            caption = QLatin1Char('[') + caption + QLatin1Char(']');
        // A name's "&" is text, not a keyboard mnemonic.
        caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
        m_entries[j]->setText(caption);
        m_entries[j]->setChecked(j < shown);
    }
}
