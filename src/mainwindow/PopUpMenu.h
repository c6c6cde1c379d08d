#pragma once

#include <QList>
#include <QObject>
#include <initializer_list>
#include <memory>
#include <utility>

class ListCommands;
class ListDisplayMenu;
class MainCommands;
class QAction;
class ProgramState;
class QMenu;
class QPoint;

// The menu a right press over the lists or bars opens. Its entries are twins with shorter
// captions that trigger the command table's actions; their marks and enabled states are worked
// out just before the menu shows.
class PopUpMenu : public QObject {
    Q_OBJECT
public:
    PopUpMenu(ProgramState &state, MainCommands &commands, ListCommands &lists, ListDisplayMenu &listDisplay);
    ~PopUpMenu() override;

    QMenu *menu() const { return m_menu.get(); }
    QMenu *popItemnu = nullptr;
    QMenu *popEditnu = nullptr;
    // The list display entries, shared with the menu bar's list display menu.
    QMenu *popListWinnu = nullptr;

    // The pop-up entry of a name ("popJoinnu", ...); null for an unknown name.
    QAction *action(const QString &name) const;

    void updatePopUpMenu();
    // Works out the states and shows the menu at the point.
    void showPopUpMenu(const QPoint &globalPos);

private:
    void fill(QMenu *menu, std::initializer_list<std::pair<const char *, const char *>> twins);

    ProgramState &m_state;
    MainCommands &m_commands;
    ListCommands &m_lists;
    ListDisplayMenu &m_listDisplay;
    std::unique_ptr<QMenu> m_menu;
    // Each twin with the command it triggers.
    QList<std::pair<QAction *, QAction *>> m_twins;
};
