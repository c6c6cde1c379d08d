// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/CommandTable.h"

#include <algorithm>
#include <array>

namespace {
constexpr QKeyCombination NoKey = QKeyCombination::fromCombined(0);
constexpr ToolbarPlace NoPlace{};

using enum Command;

constexpr std::array<CommandRow, CommandCount> rows{{
    // command, menu caption, pop-up caption, key, checkable, toolbar place, pictures
    {NewList, "新規ﾘｽﾄ作成(&N)", "作成(&N)", Qt::CTRL | Qt::Key_N, false, {6, 0}, {"TMAKEL", "ﾘｽﾄを作る"}, {}},
    {DeleteList, "ﾘｽﾄ消去(&D)", "消去(&D)", Qt::CTRL | Qt::Key_D, false, {6, 2},
     {"TDELEL", "ﾘｽﾄを消去する"}, {"TUDELEL", "ﾘｽﾄを消去できません"}},
    {OpenList, "開く(&O)...", "開く(&O)", Qt::CTRL | Qt::Key_O, false, {0, 0}, {"TOPEN", "開く"}, {}},
    {SaveOver, "上書き保存(&S)", "上書き保存(&S)", Qt::CTRL | Qt::Key_S, false, {0, 1}, {"TSAVE", "上書き保存"}, {}},
    {SaveAs, "名前をつけて保存(&A)...", "名付けて保存(&A)", NoKey, false, NoPlace, {}, {}},
    // The pair of adding ends shares a field button, which shows the end in use and switches.
    {AddAtTop, "ﾘｽﾄに上から追加(&T)", "上から追加(&T)", NoKey, true, {1, 1}, {"TUPADD", "ﾘｽﾄの上から追加"}, {}},
    {AddAtBottom, "ﾘｽﾄに下から追加(&B)", "下から追加(&B)", NoKey, true, {1, 1}, {"TDNADD", "ﾘｽﾄの下から追加"}, {}},
    {AddAtFocus, "ﾘｽﾄの選択位置に追加(&L)", "選択位置に追加(&L)", NoKey, true, {1, 2},
     {"TCSEL", "指定位置へ追加"}, {"TNSEL", "ﾌｫｰｶｽと無関係に追加"}},
    // So does the pair of focus modes.
    {MoveFocus, "ﾌｫｰｶｽを移動(&R)", "移動(&R)", NoKey, true, {1, 0}, {"TUPDNADD", "ﾌｫｰｶｽを移動"}, {}},
    {KeepFocus, "ﾌｫｰｶｽを移動しない(&H)", "移動なし(&H)", NoKey, true, {1, 0}, {"TNLCOPY", "ﾌｫｰｶｽを移動しない"}, {}},
    {EndProgram, "ｸﾘｯﾌﾟﾎﾞｰﾄﾞ終了(&X)", nullptr, Qt::CTRL | Qt::Key_Q, false, {0, 2}, {"TCLOSE", "閉じる"}, {}},
    // On while capturing is stopped.
    {StopCapture, "作動を停止する(&S)", "停止(&S)", Qt::CTRL | Qt::Key_A, true, {4, -1},
     {"TCSTOP", "停止中"}, {"TNSTOP", "作動中"}},
    {Settings, "設定(&U)...", nullptr, NoKey, false, NoPlace, {}, {}},
    {NameList, "ﾘｽﾄに名前をつける(&M)...", "名前を付ける(&M)...", NoKey, false, {6, 1}, {"TNAMEL", "ﾘｽﾄに名前をつける"}, {}},
    {ClearList, "ﾘｽﾄ内容のｸﾘｱ(&C)", "ｸﾘｱ(&C)", NoKey, false, {7, -1}, {"TCLEAR", "ﾘｽﾄをｸﾘｱ"}, {}},
    {ListInfo, "ﾘｽﾄの詳細情報(&I)", "詳細(&I)", Qt::CTRL | Qt::Key_I, false, {6, 3}, {"TLDATA", "ﾘｽﾄの詳細情報"}, {}},
    {ShowText, "ﾃｷｽﾄに表示(&T)...", "ﾃｷｽﾄに表示(&T)...", NoKey, false, NoPlace, {}, {}},
    // The item commands are in no menu of the bar.
    {NameItem, "名前を付ける(&M)...", "名前を付ける(&M)...", NoKey, false, {8, 1},
     {"TNAMEI", "項目に名前をつける"}, {"TUNAMEI", "項目に名前をつけられません"}},
    {JoinItems, "結合(&J)", "結合(&J)", NoKey, false, {8, 0}, {"TJOIN", "項目を結合する"}, {"TUJOIN", "項目を結合できません"}},
    {DeleteItems, "消去(&D)", "消去(&D)", NoKey, false, {9, -1}, {"TDELEI", "項目を消去する"}, {}},
    // Opens the find bar under the lists; typing into a list opens it too.
    {FindItems, "ﾘｽﾄ内を検索(&K)", "検索(&K)", Qt::CTRL | Qt::Key_K, false, NoPlace, {}, {}},
    // Toggles the maximised window; on while the window is not maximised.
    {Maximise, "最大化", nullptr, NoKey, false, {0, 3}, {"TMAXWIN", "最大化"}, {"TNORWIN", "元のｻｲｽﾞに戻す"}},
    {ShowMenuBar, "ﾒﾆｭｰ表示(&M)", "ﾒﾆｭｰ表示(&M)", NoKey, true, {2, 1}, {"TCMENU", "ﾒﾆｭｰ表示"}, {"TNMENU", "ﾒﾆｭｰ非表示"}},
    {ShowToolbar, "ﾂｰﾙﾊﾞｰ表示(&B)", "ﾂｰﾙﾊﾞｰ表示(&B)", NoKey, true, NoPlace, {}, {}},
    {AlwaysOnTop, "常に手前に表示(&F)", "常に手前に表示(&F)", Qt::CTRL | Qt::Key_E, true, {3, -1},
     {"TCTOP", "常に手前に表示"}, {"TNTOP", "常に手前に表示しない"}},
    {Minimise, "最小ｳｨﾝﾄﾞｳにする(&I)", "最小化(&I)", Qt::CTRL | Qt::Key_F, false, {5, -1}, {"TCMIN", "最小ｳｨﾝﾄﾞｳ化"}, {}},
    {Help, "目次(&C)...", nullptr, Qt::Key_F1, false, {10, -1}, {"THELP", "ﾍﾙﾌﾟ"}, {}},
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

std::optional<Command> commandAt(ToolbarPlace place)
{
    const auto row = std::ranges::find(rows, place, &CommandRow::toolbar);
    if (row == rows.end() || place == NoPlace)
        return std::nullopt;
    return row->command;
}
