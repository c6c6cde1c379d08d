// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QKeyCombination>
#include <initializer_list>
#include <optional>
#include <span>

// Every command of the main window. The menu bar, the pop-up menu, the toolbar and the keys all
// trigger one of these.
enum class Command {
    NewList,
    DeleteList,
    OpenList,
    SaveOver,
    SaveAs,
    AddAtTop,
    AddAtBottom,
    AddAtFocus,
    MoveFocus,
    KeepFocus,
    EndProgram,
    StopCapture,
    Settings,
    NameList,
    ClearList,
    ListInfo,
    ShowText,
    NameItem,
    JoinItems,
    DeleteItems,
    FindItems,
    Maximise,
    ShowMenuBar,
    ShowToolbar,
    AlwaysOnTop,
    Minimise,
    Help,
    Version, // the last: CommandCount counts up to it
};
inline constexpr int CommandCount = int(Command::Version) + 1;

// A toolbar picture with its tooltip; an empty key shows no picture.
struct ToolPicture {
    const char *key = "";
    const char *toolTip = "";
};

// Where the toolbar triggers a command: a strip button acting itself (fieldButton -1), or a
// button in the field that a group button of the strip opens.
struct ToolbarPlace {
    int button = -1;
    int fieldButton = -1;
    constexpr bool operator==(const ToolbarPlace &) const = default;
};

struct CommandRow {
    Command command;
    // The menu bar's caption; also the action's text where the command is in no menu.
    const char *caption;
    // The caption of the command's entry in the pop-up menu; null where it has none.
    const char *popUpCaption;
    QKeyCombination shortcut;
    bool checkable;
    ToolbarPlace toolbar;
    // The toolbar shows picture while the command is on or can run, otherPicture while it is
    // off or refused.
    ToolPicture picture;
    ToolPicture otherPicture;
};

// The table, one row per command in the order of the enum.
std::span<const CommandRow> commandRows();
const CommandRow &commandRow(Command command);
// The command at a place of the toolbar; the first of a pair that shares a place (the button
// picks one of them by the focused list's state).
std::optional<Command> commandAt(ToolbarPlace place);

// A menu's commands in order; an empty entry is a separator.
using MenuEntries = std::initializer_list<std::optional<Command>>;
inline constexpr std::optional<Command> Separator;
