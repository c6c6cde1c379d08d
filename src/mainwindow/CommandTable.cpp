// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/CommandTable.h"

#include <algorithm>
#include <array>

namespace {
constexpr QKeyCombination NoKey = QKeyCombination::fromCombined(0);
constexpr ToolbarPlace NoPlace{};

using enum Command;
using Button = ToolbarButton;
using namespace ToolPictures;

constexpr std::array<CommandRow, CommandCount> rows{{
    // command, menu caption, pop-up caption, key, checkable, toolbar place, pictures
    {NewList, "新規ﾘｽﾄ作成(&N)", "作成(&N)", Qt::CTRL | Qt::Key_N, false, {Button::ListGroup, 0}, ListWithPlus, {}},
    {DeleteList, "ﾘｽﾄ消去(&D)", "消去(&D)", Qt::CTRL | Qt::Key_D, false, {Button::ListGroup, 2},
     ListWithCross, ListWithCrossGreyed},
    {OpenList, "開く(&O)...", "開く(&O)", Qt::CTRL | Qt::Key_O, false, {Button::FileGroup, 0}, OpenFolder, {}},
    {SaveOver, "上書き保存(&S)", "上書き保存(&S)", Qt::CTRL | Qt::Key_S, false, {Button::FileGroup, 1}, Diskette, {}},
    {SaveAs, "名前をつけて保存(&A)...", "名付けて保存(&A)", NoKey, false, NoPlace, {}, {}},
    // The pair of adding ends shares a field button, which shows the end in use and switches.
    {AddAtTop, "ﾘｽﾄに上から追加(&T)", "上から追加(&T)", NoKey, true, {Button::ListSettingsGroup, 1}, RowArrivingAtTop, {}},
    {AddAtBottom, "ﾘｽﾄに下から追加(&B)", "下から追加(&B)", NoKey, true, {Button::ListSettingsGroup, 1}, RowArrivingAtBottom, {}},
    {AddAtFocus, "ﾘｽﾄの選択位置に追加(&L)", "選択位置に追加(&L)", NoKey, true, {Button::ListSettingsGroup, 2},
     ArrowIntoFocusBar, ArrowPastFocusBar},
    // So does the pair of focus modes.
    {MoveFocus, "ﾌｫｰｶｽを移動(&R)", "移動(&R)", NoKey, true, {Button::ListSettingsGroup, 0}, FocusBarMoving, {}},
    {KeepFocus, "ﾌｫｰｶｽを移動しない(&H)", "移動なし(&H)", NoKey, true, {Button::ListSettingsGroup, 0}, FocusBarLocked, {}},
    {EndProgram, "ｸﾘｯﾌﾟﾎﾞｰﾄﾞ終了(&X)", nullptr, Qt::CTRL | Qt::Key_Q, false, {Button::FileGroup, 2}, RedCross, {}},
    // On while capturing is stopped.
    {StopCapture, "作動を停止する(&S)", "停止(&S)", Qt::CTRL | Qt::Key_A, true, {Button::StopCapture},
     RedLamp, GreenLamp},
    {Settings, "設定(&U)...", nullptr, NoKey, false, NoPlace, {}, {}},
    {NameList, "ﾘｽﾄに名前をつける(&M)...", "名前を付ける(&M)...", NoKey, false, {Button::ListGroup, 1}, ListWithPencil, {}},
    {ClearList, "ﾘｽﾄ内容のｸﾘｱ(&C)", "ｸﾘｱ(&C)", NoKey, false, {Button::ClearList}, ListWithEraser, {}},
    {ListInfo, "ﾘｽﾄの詳細情報(&I)", "詳細(&I)", Qt::CTRL | Qt::Key_I, false, {Button::ListGroup, 3}, ListWithInfo, {}},
    {ShowText, "ﾃｷｽﾄに表示(&T)...", "ﾃｷｽﾄに表示(&T)...", NoKey, false, NoPlace, {}, {}},
    // The item commands are in no menu of the bar.
    {NameItem, "名前を付ける(&M)...", "名前を付ける(&M)...", NoKey, false, {Button::ItemGroup, 1},
     RowWithPencil, RowWithPencilGreyed},
    {JoinItems, "結合(&J)", "結合(&J)", NoKey, false, {Button::ItemGroup, 0}, RowsBracketed, RowsBracketedGreyed},
    {DeleteItems, "消去(&D)", "消去(&D)", NoKey, false, {Button::DeleteItems}, RowWithCross, {}},
    // Opens the find bar under the lists; typing into a list opens it too.
    {FindItems, "ﾘｽﾄ内を検索(&K)", "検索(&K)", Qt::CTRL | Qt::Key_K, false, NoPlace, {}, {}},
    // Toggles the maximised window; on while the window is not maximised.
    {Maximise, "最大化", nullptr, NoKey, false, {Button::FileGroup, 3}, WindowFillingFrame, TwoSmallWindows},
    {ShowMenuBar, "ﾒﾆｭｰ表示(&M)", "ﾒﾆｭｰ表示(&M)", NoKey, true, {Button::DisplayGroup, 1}, WindowWithMenuBar, WindowWithoutMenuBar},
    {ShowToolbar, "ﾂｰﾙﾊﾞｰ表示(&B)", "ﾂｰﾙﾊﾞｰ表示(&B)", NoKey, true, NoPlace, {}, {}},
    {AlwaysOnTop, "常に手前に表示(&F)", "常に手前に表示(&F)", Qt::CTRL | Qt::Key_E, true, {Button::AlwaysOnTop},
     WindowInFront, WindowBehind},
    {Minimise, "最小ｳｨﾝﾄﾞｳにする(&I)", "最小化(&I)", Qt::CTRL | Qt::Key_F, false, {Button::Minimise}, WindowShrinking, {}},
    {Help, "目次(&C)...", nullptr, Qt::Key_F1, false, {Button::Help}, QuestionMark, {}},
    {Version, "ﾊﾞｰｼﾞｮﾝ情報(&V)...", nullptr, NoKey, false, NoPlace, {}, {}},
}};

// A row looked up by its command is the row at the command's number.
constexpr bool rowsInOrder()
{
    for (int i = 0; i < CommandCount; ++i) {
        if (int(rows[size_t(i)].command) != i)
            return false;
    }
    return true;
}
static_assert(rowsInOrder(), "one row per command, in the order of the enum");
} // namespace

std::span<const CommandRow> commandRows()
{
    return rows;
}

const CommandRow &commandRow(Command command)
{
    return rows[size_t(command)];
}

ToolPicture groupPicture(ToolbarButton button)
{
    switch (button) {
    case Button::FileGroup: return FolderWithSheet;
    case Button::ListSettingsGroup: return ListWithUpDownArrow;
    case Button::DisplayGroup: return Eye;
    case Button::ListGroup: return TwoLists;
    case Button::ItemGroup: return RowsOneSelected;
    default: return {};
    }
}

int fieldButtonCount(ToolbarButton group)
{
    int count = ListDisplayPlace.button == group ? ListDisplayPlace.fieldButton + 1 : 0;
    for (const CommandRow &row : rows) {
        if (row.toolbar.button == group)
            count = std::max(count, row.toolbar.fieldButton + 1);
    }
    return count;
}

std::optional<Command> commandAt(ToolbarPlace place)
{
    const auto row = std::ranges::find(rows, place, &CommandRow::toolbar);
    if (row == rows.end() || place == NoPlace)
        return std::nullopt;
    return row->command;
}
