// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FakeClipboard.h"
#include "ScriptedFileDialogs.h"
#include "ScriptedFontColourDialogs.h"
#include "ScriptedMessageBoxes.h"
#include "app/ProgramRoot.h"
#include "mainwindow/CommandTable.h"

#include <QStringList>

class ListBoxWidget;
class QAction;
class MainWindow;

// The whole program as the composition root builds it, over an in-memory clipboard (or the given
// one) and scripted message boxes and file dialogs.
class TestProgram {
public:
    explicit TestProgram(ClipboardPort *clipboard = nullptr, HotkeyPort *hotkey = nullptr);
    ~TestProgram();

    // Runs the start-up sequence (factory settings unless a settings path is given; the lists
    // kept in historyFolder when one is given) and shows the window.
    void start(const QStringList &files = {}, const QString &settingsPath = QString(),
               const QString &historyFolder = QString());

    ProgramState &state() const { return root.state(); }
    MainWindow &window() const { return root.window(); }
    // The list box at a display position.
    ListBoxWidget *listAt(int position) const;
    // Fills the list at a display position with one item per letter, the first letter on top;
    // rows reads the words back from the top.
    void fill(int position, const QString &letters);
    QString rows(int position) const;
    QAction *command(Command command) const;

    FakeClipboard clipboard;
    ScriptedMessageBoxes messages;
    ScriptedFileDialogs fileDialogs;
    ScriptedFontColourDialogs fontColourDialogs;
    ProgramRoot root;
};
