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

// The toolbar's pictures, named by what they show; a key is the name of the picture's file.
namespace ToolPictures {
inline constexpr ToolPicture ListWithPlus{"TMAKEL", "ﾘｽﾄを作る"};
inline constexpr ToolPicture ListWithCross{"TDELEL", "ﾘｽﾄを消去する"};
inline constexpr ToolPicture ListWithCrossGreyed{"TUDELEL", "ﾘｽﾄを消去できません"};
inline constexpr ToolPicture OpenFolder{"TOPEN", "開く"};
inline constexpr ToolPicture Diskette{"TSAVE", "上書き保存"};
inline constexpr ToolPicture RowArrivingAtTop{"TUPADD", "ﾘｽﾄの上から追加"};
inline constexpr ToolPicture RowArrivingAtBottom{"TDNADD", "ﾘｽﾄの下から追加"};
inline constexpr ToolPicture ArrowIntoFocusBar{"TCSEL", "指定位置へ追加"};
inline constexpr ToolPicture ArrowPastFocusBar{"TNSEL", "ﾌｫｰｶｽと無関係に追加"};
inline constexpr ToolPicture FocusBarMoving{"TUPDNADD", "ﾌｫｰｶｽを移動"};
inline constexpr ToolPicture FocusBarLocked{"TNLCOPY", "ﾌｫｰｶｽを移動しない"};
inline constexpr ToolPicture RedCross{"TCLOSE", "閉じる"};
inline constexpr ToolPicture RedLamp{"TCSTOP", "停止中"};
inline constexpr ToolPicture GreenLamp{"TNSTOP", "作動中"};
inline constexpr ToolPicture ListWithPencil{"TNAMEL", "ﾘｽﾄに名前をつける"};
inline constexpr ToolPicture ListWithEraser{"TCLEAR", "ﾘｽﾄをｸﾘｱ"};
inline constexpr ToolPicture ListWithInfo{"TLDATA", "ﾘｽﾄの詳細情報"};
inline constexpr ToolPicture RowWithPencil{"TNAMEI", "項目に名前をつける"};
inline constexpr ToolPicture RowWithPencilGreyed{"TUNAMEI", "項目に名前をつけられません"};
inline constexpr ToolPicture RowsBracketed{"TJOIN", "項目を結合する"};
inline constexpr ToolPicture RowsBracketedGreyed{"TUJOIN", "項目を結合できません"};
inline constexpr ToolPicture RowWithCross{"TDELEI", "項目を消去する"};
inline constexpr ToolPicture WindowFillingFrame{"TMAXWIN", "最大化"};
inline constexpr ToolPicture TwoSmallWindows{"TNORWIN", "元のｻｲｽﾞに戻す"};
inline constexpr ToolPicture WindowWithMenuBar{"TCMENU", "ﾒﾆｭｰ表示"};
inline constexpr ToolPicture WindowWithoutMenuBar{"TNMENU", "ﾒﾆｭｰ非表示"};
inline constexpr ToolPicture WindowInFront{"TCTOP", "常に手前に表示"};
inline constexpr ToolPicture WindowBehind{"TNTOP", "常に手前に表示しない"};
inline constexpr ToolPicture WindowShrinking{"TCMIN", "最小ｳｨﾝﾄﾞｳ化"};
inline constexpr ToolPicture QuestionMark{"THELP", "ﾍﾙﾌﾟ"};
inline constexpr ToolPicture FolderWithSheet{"TOPSA", "ﾌｧｲﾙ操作"};
inline constexpr ToolPicture ListWithUpDownArrow{"TUPDNSC", "ﾘｽﾄ設定"};
inline constexpr ToolPicture Eye{"TEXPRS", "表示設定"};
inline constexpr ToolPicture TwoLists{"TLIST", "ﾘｽﾄ操作"};
inline constexpr ToolPicture RowsOneSelected{"TITEM", "項目操作"};
inline constexpr ToolPicture RowsWithMarks{"TLISTEXP", "ﾘｽﾄ表示"};
} // namespace ToolPictures

// The toolbar's strip buttons, left to right. A group button opens a field of further buttons
// below the strip; the others trigger their command.
enum class ToolbarButton {
    None = -1,
    FileGroup,
    ListSettingsGroup,
    DisplayGroup,
    AlwaysOnTop,
    StopCapture,
    Minimise,
    ListGroup,
    ClearList,
    ItemGroup,
    DeleteItems,
    Help, // the last: ToolbarButtonCount counts up to it
};
inline constexpr int ToolbarButtonCount = int(ToolbarButton::Help) + 1;

// Where the toolbar triggers a command: a strip button acting itself (fieldButton -1), or a
// button in the field that a group button of the strip opens.
struct ToolbarPlace {
    ToolbarButton button = ToolbarButton::None;
    int fieldButton = -1;
    constexpr bool operator==(const ToolbarPlace &) const = default;
};
// The display group's first field button pops up the list display menu, which is no command.
inline constexpr ToolbarPlace ListDisplayPlace{ToolbarButton::DisplayGroup, 0};

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
// The picture of a group button of the strip; none for the other buttons.
ToolPicture groupPicture(ToolbarButton button);
// How many buttons the field of a group button holds; 0 for the other buttons.
int fieldButtonCount(ToolbarButton group);

// A menu's commands in order; an empty entry is a separator.
using MenuEntries = std::initializer_list<std::optional<Command>>;
inline constexpr std::optional<Command> Separator;
