#include "mainwindow/ListDisplayMenu.h"

#include "model/ListCollection.h"
#include "model/ListDisplay.h"
#include "model/ListRecord.h"
#include "model/ProgramState.h"

#include <QAction>
#include <QMenu>
#include <algorithm>
#include <memory>
#include <vector>

ListDisplayMenu::ListDisplayMenu(ProgramState &state, const QString &title)
    : m_state(state), m_menu(std::make_unique<QMenu>(title))
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

qint16 ListDisplayMenu::menuIndexOfPane(ProgramState &state, PaneNumber pane)
{
    ListDisplay &panes = state.display();
    for (qint16 pos = 0; pos < panes.paneCount(); ++pos) {
        if (panes.paneAtPosition(pos) == pane)
            return pos;
    }
    return 0;
}

void ListDisplayMenu::updateListCaptions()
{
    ListCollection &lists = m_state.lists();
    ListDisplay &panes = m_state.display();
    m_listMap.clear();
    std::vector<bool> shownList(size_t(std::max<qint16>(lists.count(), 0)));
    for (qint16 pos = 0; pos < panes.paneCount(); ++pos) {
        const ListNumber list = panes.listOfPane(panes.paneAtPosition(pos));
        m_listMap.append(list);
        shownList[size_t(list.value())] = true;
    }
    const int shown = int(m_listMap.size());
    for (ListNumber list{0}; list < lists.count(); ++list) {
        if (!shownList[size_t(list.value())])
            m_listMap.append(list);
    }

    const qint16 focusedPos = menuIndexOfPane(m_state, panes.focusedPane());
    for (int j = 0; j < m_entries.size() && j < m_listMap.size(); ++j) {
        QString caption = listCaption(lists.at(m_listMap[j]));
        if (j == focusedPos)
            caption = QLatin1Char('[') + caption + QLatin1Char(']');
        // A name's "&" is text, not a keyboard mnemonic.
        caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
        m_entries[j]->setText(caption);
        m_entries[j]->setChecked(j < shown);
    }
}
