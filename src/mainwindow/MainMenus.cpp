#include "mainwindow/MainMenus.h"

#include "mainwindow/ListDisplayMenu.h"
#include "mainwindow/MainCommands.h"

#include <QMenu>
#include <QMenuBar>

namespace {
void fill(QMenu *menu, const MainCommands &commands, MenuEntries entries)
{
    for (const std::optional<Command> &entry : entries) {
        if (entry)
            menu->addAction(commands.action(*entry));
        else
            menu->addSeparator();
    }
}
} // namespace

MainMenus::MainMenus(QMenuBar &bar, MainCommands &commands, ListDisplayMenu &listDisplay)
    : QObject(&bar), Windowsnu(listDisplay)
{
    Menunu[0] = bar.addMenu(QStringLiteral("ﾘｽﾄ編集(&L)"));
    using enum Command;
    fill(Menunu[0], commands,
         {NewList, NameList, DeleteList, ClearList, ListInfo, Separator, OpenList, SaveOver, SaveAs, Separator,
          AddAtTop, AddAtBottom, Separator, AddAtFocus, Separator, MoveFocus, KeepFocus, Separator, EndProgram});
    connect(Menunu[0], &QMenu::aboutToShow, &commands, &MainCommands::updateListMenu);

    Menunu[1] = listDisplay.menu();
    bar.addMenu(Menunu[1]);

    Menunu[2] = bar.addMenu(QStringLiteral("ｵﾌﾟｼｮﾝ(&O)"));
    fill(Menunu[2], commands,
         {Settings, Separator, ShowText, Separator, ShowMenuBar, ShowToolbar, AlwaysOnTop, StopCapture, Minimise});
    connect(Menunu[2], &QMenu::aboutToShow, &commands, &MainCommands::updateOptionMenu);

    Menunu[3] = bar.addMenu(QStringLiteral("ﾍﾙﾌﾟ(&H)"));
    fill(Menunu[3], commands, {Help, Separator, Version});

    for (QMenu *menu : Menunu)
        connect(menu, &QMenu::aboutToShow, this, &MainMenus::menuOpened);
}
