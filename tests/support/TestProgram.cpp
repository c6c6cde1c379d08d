// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestProgram.h"

#include "DesktopRecorder.h"

#include "mainwindow/MainCommands.h"
#include "mainwindow/PaneArea.h"
#include "mainwindow/MainWindow.h"
#include "model/ListItems.h"
#include "model/ListCollection.h"
#include "model/ListDisplay.h"
#include "model/PaneRecord.h"
#include "model/ListRecord.h"
#include "model/ProgramState.h"

#include "storage/ExtraSettingsFile.h"
#include "storage/HistoryDatabase.h"

#include <QAction>
#include <QDir>

TestProgram::TestProgram(ClipboardPort *realClipboard, HotkeyPort *hotkey)
    : root(ProgramSeams{realClipboard ? *realClipboard : clipboard, messages, fileDialogs, &fontColourDialogs, hotkey})
{
    DesktopRecorder::install();
}

TestProgram::~TestProgram() = default;

void TestProgram::start(const QStringList &files, const QString &settingsPath, const QString &historyFolder)
{
    window().setSettingsPath(settingsPath);
    const QDir history(historyFolder);
    window().startUp(files, historyFolder.isEmpty() ? std::nullopt
                                                     : root.openHistory(history.filePath(ExtraSettingsFile::fileName()),
                                                                        history.filePath(HistoryDatabase::fileName())));
    window().show();
}

ListBoxWidget *TestProgram::listAt(int position) const
{
    return root.panes().clipListWidget(state().display().paneAtPosition(qint16(position)));
}

void TestProgram::fill(int position, const QString &letters)
{
    ListDisplay &panes = state().display();
    const PaneNumber pane = panes.paneAtPosition(qint16(position));
    ListItems &items = panes.recordOfPane(pane).items();
    // New items go to the top.
    for (auto letter = letters.crbegin(); letter != letters.crend(); ++letter)
        items.addItem(QString(*letter));
}

QString TestProgram::rows(int position) const
{
    ListDisplay &panes = state().display();
    ListItems &items = panes.recordOfPane(panes.paneAtPosition(qint16(position))).items();
    QString words;
    for (RowNumber row{0}; row < items.rowCount(); ++row)
        words += items.at(items.itemOfRow(row)).text;
    return words;
}

QAction *TestProgram::command(Command command) const
{
    return root.commands().action(command);
}
