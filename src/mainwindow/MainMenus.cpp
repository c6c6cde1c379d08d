// SPDX-License-Identifier: GPL-3.0-or-later
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
    : QObject(&bar), listDisplay(listDisplay)
{
    barMenus[0] = bar.addMenu(QStringLiteral("ﾘｽﾄ編集(&L)"));
    using enum Command;
    fill(barMenus[0], commands,
         {NewList, NameList, DeleteList, ClearList, ListInfo, FindItems, Separator, OpenList, SaveOver, SaveAs,
          Separator, AddAtTop, AddAtBottom, Separator, AddAtFocus, Separator, MoveFocus, KeepFocus, Separator, EndProgram});
    connect(barMenus[0], &QMenu::aboutToShow, &commands, &MainCommands::updateListMenu);

    barMenus[1] = listDisplay.menu();
    bar.addMenu(barMenus[1]);

    barMenus[2] = bar.addMenu(QStringLiteral("ｵﾌﾟｼｮﾝ(&O)"));
    fill(barMenus[2], commands,
         {Settings, Separator, ShowText, Separator, ShowMenuBar, ShowToolbar, AlwaysOnTop, StopCapture, Minimise});
    connect(barMenus[2], &QMenu::aboutToShow, &commands, &MainCommands::updateOptionMenu);

    barMenus[3] = bar.addMenu(QStringLiteral("ﾍﾙﾌﾟ(&H)"));
    fill(barMenus[3], commands, {Help, Separator, Version});

    for (QMenu *menu : barMenus)
        connect(menu, &QMenu::aboutToShow, this, &MainMenus::menuOpened);
}
