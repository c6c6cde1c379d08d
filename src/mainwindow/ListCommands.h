#pragma once

#include <QObject>

class ListDisplayMenu;
class ListOb;
struct ListOptions;
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

    // The add options of the focused list, or of every list with AddMode; with AddSave also the
    // default of new lists.
    void SetWayAdd(bool value);
    void SetPosAdd(bool value);
    void SetMovAdd(qint16 value);
    // 2 toggles the focused list's MovAdd between 0 and 1; only 0 and 1 are ever stored.
    void ChangeMovAdd(qint16 value);
    // The list shown in the focused pane.
    ListOb &focusedList();

signals:
    // The focused list's MovAdd may have changed (the watcher's timer depends on it).
    void focusedMovAddChanged(qint16 movAdd);

private:
    template <typename T>
    void setAddOption(T ListOptions::*option, T value);

    QKPRGrobal &m_grobal;
    ListDisplayMenu &m_displayMenu;
};
