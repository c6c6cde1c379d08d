// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/Numbers.h"

#include <QList>
#include <QObject>
#include <memory>
#include <vector>

class QAction;
class ListCollection;
class ListDisplay;
class QMenu;
class ListRecord;

// The entries of a list display menu: one per clip list, the shown lists first (checked, in
// display order), then the hidden ones; the focused list's entry in square brackets. The menu is its
// own, so the menu bar and the pop-up menu can each show a copy.
class ListDisplayMenu : public QObject {
    Q_OBJECT
public:
    ListDisplayMenu(ListCollection &lists, ListDisplay &display, const QString &title);
    ~ListDisplayMenu() override;

    QMenu *menu() const { return m_menu.get(); }
    // One more menu showing the same entries (the pop-up menu's copy); kept by this object.
    QMenu *addTwinMenu(const QString &title);

    // One more entry at the end, or one fewer.
    void addListEntry();
    void removeListEntry();
    // Rebuilds every entry's caption, check mark and list number.
    void updateListCaptions();

    int entryCount() const { return int(m_entries.size()); }
    QAction *entry(int index) const { return m_entries.at(index); }
    // The list number the entry at index stands for since the captions were last built.
    ListNumber listAt(int index) const { return m_listMap.value(index, ListNumber(-1)); }

    // The display position of the pane, 0 when no shown pane matches.
    static qint16 menuIndexOfPane(const ListDisplay &panes, PaneNumber pane);
    // A list's name as menus show it: "name(n)" for a duplicate.
    static QString listCaption(const ListRecord &list);

signals:
    // The entry at index was chosen.
    void chosen(int index);

private:
    ListCollection &m_lists;
    ListDisplay &m_display;
    std::unique_ptr<QMenu> m_menu;
    std::vector<std::unique_ptr<QMenu>> m_twins;
    QList<QAction *> m_entries;
    QList<ListNumber> m_listMap;
};
