#include "mainwindow/MainMenus.h"

#include "mainwindow/ListDisplayMenu.h"
#include "mainwindow/MainCommands.h"

#include <QMenu>
#include <QMenuBar>
#include <initializer_list>

namespace {
// The commands of a menu by name, in order; an empty name is a separator.
void fill(QMenu *menu, const MainCommands &commands, std::initializer_list<const char *> names)
{
    for (const char *name : names) {
        if (*name)
            menu->addAction(commands.action(QString::fromLatin1(name)));
        else
            menu->addSeparator();
    }
}
} // namespace

MainMenus::MainMenus(QMenuBar &bar, MainCommands &commands, ListDisplayMenu &listDisplay)
    : QObject(&bar), Windowsnu(listDisplay)
{
    Menunu[0] = bar.addMenu(QStringLiteral("ﾘｽﾄ編集(&L)"));
    fill(Menunu[0], commands, {"Newnu", "Namenu", "Delenu", "Clearnu", "ListInfonu", "", "Opennu", "OvSavenu", "Savenu", "", "ListUpnu",
          "ListDownnu", "", "ListPositionnu", "", "UpDnMovenu", "NonMovenu", "", "Endnu"});
    connect(Menunu[0], &QMenu::aboutToShow, &commands, &MainCommands::updateListMenu);

    Menunu[1] = listDisplay.menu();
    bar.addMenu(Menunu[1]);

    Menunu[2] = bar.addMenu(QStringLiteral("ｵﾌﾟｼｮﾝ(&O)"));
    fill(Menunu[2], commands,
         {"Utilitynu", "", "Textnu", "", "MenuExnu", "ToolBarnu", "Frontnu", "Stopnu", "Minimamnu"});
    connect(Menunu[2], &QMenu::aboutToShow, &commands, &MainCommands::updateOptionMenu);

    Menunu[3] = bar.addMenu(QStringLiteral("ﾍﾙﾌﾟ(&H)"));
    fill(Menunu[3], commands, {"Helpinnu", "", "Versionnu"});

    for (QMenu *menu : Menunu)
        connect(menu, &QMenu::aboutToShow, this, &MainMenus::menuOpened);
}
