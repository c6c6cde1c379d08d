#pragma once

#include <QObject>
#include <array>

class QAction;
class QKPRbase;
class QKPRGrobal;
class QMenu;
class QMenuBar;
class ListDisplayMenu;

// The main window's menu bar. Each menu's check marks and enabled states are worked out when
// the menu opens. Commands of later features add their items here.
class MainMenus : public QObject {
    Q_OBJECT
public:
    MainMenus(QKPRGrobal &grobal, QKPRbase &window, QMenuBar *bar);

    std::array<QMenu *, 4> Menunu{};
    QAction *Newnu = nullptr;
    QAction *Delenu = nullptr;
    QAction *Opennu = nullptr;
    QAction *OvSavenu = nullptr;
    QAction *Savenu = nullptr;
    QAction *Endnu = nullptr;
    QAction *Stopnu = nullptr;
    ListDisplayMenu *Windowsnu = nullptr;

    // Sets the visibility of the four menus; the bar disappears with them.
    void setMenusVisible(bool shown);

    // Check marks and enabled states of the list editing and option menus.
    void ListMenuState();
    void OptionMenuState();

private:

    QKPRGrobal &m_grobal;
    QKPRbase &m_window;
    QMenuBar *m_bar;
};
