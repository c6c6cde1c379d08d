#include "mainwindow/ListDisplayMenu.h"

#include "model/ListControl.h"
#include "model/ListExControl.h"
#include "model/ListOb.h"
#include "model/QKPRGrobal.h"

#include <QAction>
#include <QMenu>
#include <memory>

ListDisplayMenu::ListDisplayMenu(QKPRGrobal &grobal, const QString &title)
    : m_grobal(grobal), m_menu(std::make_unique<QMenu>(title))
{
    connect(m_menu.get(), &QMenu::aboutToShow, this, &ListDisplayMenu::SetListMenuCaptions);
}

ListDisplayMenu::~ListDisplayMenu() = default;

QMenu *ListDisplayMenu::addTwinMenu(const QString &title)
{
    auto &twin = m_twins.emplace_back(std::make_unique<QMenu>(title));
    twin->addActions(m_entries);
    connect(twin.get(), &QMenu::aboutToShow, this, &ListDisplayMenu::SetListMenuCaptions);
    return twin.get();
}

void ListDisplayMenu::AddListMenu()
{
    auto *action = m_menu->addAction(QString());
    action->setCheckable(true);
    const int index = int(m_entries.size());
    connect(action, &QAction::triggered, this, [this, index] { emit chosen(index); });
    m_entries.append(action);
    for (const auto &twin : m_twins)
        twin->addAction(action);
}

void ListDisplayMenu::DelListMenu()
{
    if (m_entries.isEmpty())
        return;
    std::unique_ptr<QAction> removed(m_entries.takeLast());
    m_menu->removeAction(removed.get());
}

QString ListDisplayMenu::listCaption(const ListOb &list)
{
    QString caption = list.loName;
    if (list.loNameEx != 0)
        caption += QLatin1Char('(') + QString::number(list.loNameEx) + QLatin1Char(')');
    return caption;
}

qint16 ListDisplayMenu::ListMenuPos(QKPRGrobal &grobal, qint16 pane)
{
    ListExControl &panes = grobal.listExControl();
    for (qint16 pos = 0; pos < panes.UBEx(); ++pos) {
        if (panes.lecEx(pos) == pane)
            return pos;
    }
    return 0;
}

bool ListDisplayMenu::ListExSearch(const QList<qint16> &lists, int last, qint16 list)
{
    for (int i = 0; i <= last && i < lists.size(); ++i) {
        if (lists[i] == list)
            return true;
    }
    return false;
}

void ListDisplayMenu::SetListMenuCaptions()
{
    ListControl &lists = m_grobal.listControl();
    ListExControl &panes = m_grobal.listExControl();
    m_listMap.clear();
    for (qint16 pos = 0; pos < panes.UBEx(); ++pos)
        m_listMap.append(panes.lecListOb(panes.lecEx(pos)).leoListOb);
    const int shown = int(m_listMap.size());
    for (qint16 list = 0; list < lists.UB(); ++list) {
        if (!ListExSearch(m_listMap, shown - 1, list))
            m_listMap.append(list);
    }

    const qint16 focusedPos = ListMenuPos(m_grobal, panes.lecListFocus());
    for (int j = 0; j < m_entries.size() && j < m_listMap.size(); ++j) {
        QString caption = listCaption(lists.lcListOb(m_listMap[j]));
        if (j == focusedPos)
            caption = QLatin1Char('[') + caption + QLatin1Char(']');
        // A name's "&" is text, not a keyboard mnemonic.
        caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
        m_entries[j]->setText(caption);
        m_entries[j]->setChecked(j < shown);
    }
}
