#pragma once

#include <QObject>

class ListDisplayMenu;
class QKPRGrobal;

// Commands on whole lists: make one, delete the focused one, show or hide one from the list
// display menu. The menu keeps one entry per list.
class ListCommands : public QObject {
    Q_OBJECT
public:
    ListCommands(QKPRGrobal &grobal, ListDisplayMenu &displayMenu);

    void MakeNewList();
    // The first list, shown in the first pane at start-up.
    void MakeFirstList();
    void DeleteList();
    // Empties the focused list.
    void ClearList();
    void ListWinChange(int index);

private:
    QKPRGrobal &m_grobal;
    ListDisplayMenu &m_displayMenu;
};
