// SPDX-License-Identifier: GPL-3.0-or-later
// The command table: every command reached from the menu bar, the pop-up menu, the toolbar and
// its key; the menus' marks and enabled states; the add options.
#include "DesktopRecorder.h"
#include "TestProgram.h"
#include "mainwindow/AllListsMatches.h"
#include "mainwindow/FindBar.h"
#include "mainwindow/ListCommands.h"
#include "mainwindow/MainCommands.h"
#include "mainwindow/MainMenus.h"
#include "mainwindow/PaneArea.h"
#include "mainwindow/PopUpMenu.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/ToolButton.h"
#include "mainwindow/ToolbarField.h"
#include "mainwindow/ToolStrip.h"
#include "model/ListCollection.h"
#include "model/ListDisplay.h"
#include "model/ListItems.h"
#include "model/ListRecord.h"
#include "model/ProgramState.h"
#include "model/NewListDefaults.h"
#include "model/GlobalSettings.h"
#include "platform/ListBoxWidget.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QtTest>
#include <algorithm>

namespace {
struct Program {
    Program()
    {
        p.start();
        QVERIFY(QTest::qWaitForWindowExposed(&p.window()));
    }
    ListRecord &focused() { return p.root.listCommands().focusedList(); }
    QAction *twin(Command command) { return p.root.popUpMenu().action(command); }
    // A key as the user types it into the first list, with the menu bar shown or hidden.
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers, bool menuBar)
    {
        p.window().setMenuBarShown(menuBar);
        p.window().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&p.window()));
        QTest::keyClick(p.listAt(0), key, modifiers);
    }
    TestProgram p;
    ProgramState &state = p.state();
};
} // namespace

class TestCommands : public QObject {
    Q_OBJECT
private slots:
    void everyWayReachesTheSameCommand_data()
    {
        QTest::addColumn<Command>("command");
        QTest::addColumn<bool>("inMenuBar");
        QTest::addColumn<bool>("inPopUp");
        QTest::addColumn<QKeySequence>("key");
        const auto row = [](Command command, bool bar, bool pop, QKeySequence key = {}) {
            QTest::newRow(commandRow(command).caption) << command << bar << pop << key;
        };
        using enum Command;
        row(NewList, true, true, Qt::CTRL | Qt::Key_N);
        row(NameList, true, true);
        row(DeleteList, true, true, Qt::CTRL | Qt::Key_D);
        row(ClearList, true, true);
        row(ListInfo, true, true, Qt::CTRL | Qt::Key_I);
        row(OpenList, true, true, Qt::CTRL | Qt::Key_O);
        row(SaveOver, true, true, Qt::CTRL | Qt::Key_S);
        row(SaveAs, true, true);
        row(AddAtTop, true, true);
        row(AddAtBottom, true, true);
        row(AddAtFocus, true, true);
        row(MoveFocus, true, true);
        row(KeepFocus, true, true);
        row(EndProgram, true, false, Qt::CTRL | Qt::Key_Q);
        row(Settings, true, false);
        row(ShowText, true, true);
        row(ShowMenuBar, true, true);
        row(ShowToolbar, true, true);
        row(AlwaysOnTop, true, true, Qt::CTRL | Qt::Key_E);
        row(StopCapture, true, true, Qt::CTRL | Qt::Key_A);
        row(Minimise, true, true, Qt::CTRL | Qt::Key_F);
        row(Help, true, false, Qt::Key_F1);
        row(Version, true, false);
        row(JoinItems, false, true);
        row(NameItem, false, true);
        row(DeleteItems, false, true);
        row(FindItems, true, true, Qt::CTRL | Qt::Key_K);
        row(Maximise, false, false);
    }
    void everyWayReachesTheSameCommand()
    {
        QFETCH(Command, command);
        QFETCH(bool, inMenuBar);
        QFETCH(bool, inPopUp);
        QFETCH(QKeySequence, key);
        Program w;
        w.p.root.listCommands().makeNewList(); // delete list is offered with two lists
        w.p.fill(0, QStringLiteral("abc"));
        // The toggles of the list settings field trigger the command that changes the state.
        w.focused().addAtBottom = command == Command::AddAtTop;
        w.focused().focusMode = command == Command::MoveFocus ? FocusMode::Stays : FocusMode::MovesAtScreenEdges;
        MainCommands &commands = w.p.root.commands();
        QAction *action = commands.action(command);
        // Only whether the command is reached counts here: its effects stay away.
        for (QAction *each : commands.actions())
            QObject::disconnect(each, &QAction::triggered, &commands, nullptr);
        QSignalSpy triggered(action, &QAction::triggered);
        int expected = 0;

        const auto &bar = w.p.root.menus().barMenus;
        const auto holds = [&](QMenu *menu) { return menu->actions().contains(action); };
        QCOMPARE(std::any_of(bar.begin(), bar.end(), holds), inMenuBar);
        QCOMPARE(w.twin(command) != nullptr, inPopUp);
        if (inPopUp) {
            w.p.root.popUpMenu().updatePopUpMenu();
            w.twin(command)->setEnabled(true); // the states have their own test
            w.twin(command)->trigger();
            QCOMPARE(triggered.size(), ++expected);
        }
        // The toolbar's place is the table's: a click there reaches the command.
        const ToolbarPlace place = commandRow(command).toolbar;
        if (place.button != ToolbarButton::None) {
            ToolStrip &strip = w.p.root.toolStrip();
            QTest::mouseClick(strip.button(int(place.button)), Qt::LeftButton);
            if (place.fieldButton >= 0) // the field's opening and closing have their own tests
                QTest::mouseClick(strip.field().buttons().at(place.fieldButton), Qt::LeftButton);
            QCOMPARE(triggered.size(), ++expected);
        }
        for (bool menuBar : key.isEmpty() ? QList<bool>{} : QList<bool>{true, false}) {
            w.key(key[0].key(), key[0].keyboardModifiers(), menuBar);
            QCOMPARE(triggered.size(), ++expected);
        }
    }

    void listMenuMarksFollowTheFocusedList_data()
    {
        QTest::addColumn<bool>("addAtBottom");
        QTest::addColumn<bool>("addAtFocus");
        QTest::addColumn<int>("focusMode");
        QTest::addColumn<bool>("moveMarked"); // MoveFocus; KeepFocus the other way unless left
        QTest::addColumn<bool>("keepMarked");
        QTest::addColumn<int>("toggled"); // focusMode after the toggle between 0 and 1
        QTest::newRow("top, move") << false << false << 0 << true << false << 1;
        QTest::newRow("bottom, at selection, keep") << true << true << 1 << false << true << 0;
        // Seen last with focusMode 1: both marks stay as they were; the toggle leaves it too.
        QTest::newRow("other focusMode") << true << false << 7 << false << true << 7;
    }
    void listMenuMarksFollowTheFocusedList()
    {
        QFETCH(bool, addAtBottom);
        QFETCH(bool, addAtFocus);
        QFETCH(int, focusMode);
        QFETCH(bool, moveMarked);
        QFETCH(bool, keepMarked);
        QFETCH(int, toggled);
        Program w;
        w.focused().focusMode = FocusMode::Stays;
        emit w.p.root.menus().barMenus[0]->aboutToShow();
        w.focused().addAtBottom = addAtBottom;
        w.focused().addAtFocus = addAtFocus;
        w.focused().focusMode = FocusMode(focusMode);
        emit w.p.root.menus().barMenus[0]->aboutToShow();
        QList<bool> marks;
        using enum Command;
        for (Command command : {AddAtTop, AddAtBottom, AddAtFocus, MoveFocus, KeepFocus})
            marks << w.p.command(command)->isChecked();
        QCOMPARE(marks, (QList<bool>{!addAtBottom, addAtBottom, addAtFocus, moveMarked, keepMarked}));
        // The pop-up copies the marks.
        w.p.root.popUpMenu().updatePopUpMenu();
        QCOMPARE(w.twin(AddAtBottom)->isChecked(), addAtBottom);
        QCOMPARE(w.twin(KeepFocus)->isChecked(), keepMarked);
        // The toolbar's button of the pair toggles between the two modes only.
        ToolStrip &strip = w.p.root.toolStrip();
        QTest::mouseClick(strip.button(int(ToolbarButton::ListSettingsGroup)), Qt::LeftButton);
        QTest::mouseClick(strip.field().buttons().at(0), Qt::LeftButton);
        QCOMPARE(int(w.focused().focusMode), toggled);
    }

    void popUpStatesFollowListsHighlightAndItems()
    {
        Program w;
        const auto enabled = [&](Command command) {
            w.p.root.popUpMenu().updatePopUpMenu();
            return w.twin(command)->isEnabled();
        };
        using enum Command;
        for (Command command : {DeleteList, NameItem, ShowText, DeleteItems, JoinItems})
            QVERIFY2(!enabled(command), commandRow(command).caption);
        w.p.fill(0, QStringLiteral("abc"));
        for (Command command : {NameItem, ShowText, DeleteItems})
            QVERIFY2(enabled(command), commandRow(command).caption);
        w.p.listAt(0)->setSelected(0, true);
        QVERIFY(!enabled(JoinItems));
        w.p.listAt(0)->setSelected(2, true);
        QVERIFY(enabled(JoinItems));
        w.p.root.listCommands().makeNewList();
        QVERIFY(enabled(DeleteList));
        // The pop-up's list display menu holds the menu bar's entries, one per list.
        const QList<QAction *> entries = w.p.root.popUpMenu().listDisplayMenu->actions();
        QCOMPARE(entries.size(), 2);
        for (int j = 0; j < 2; ++j)
            QCOMPARE(entries[j]->text(), w.p.root.menus().barMenus[1]->actions().at(j)->text());

        w.p.window().setAlwaysOnTop(true);
        w.p.window().setCapturing(false);
        w.p.root.popUpMenu().updatePopUpMenu();
        for (Command command : {AlwaysOnTop, StopCapture, ShowMenuBar, ShowToolbar})
            QVERIFY2(w.twin(command)->isChecked(), commandRow(command).caption);
    }

    void aFilteredListsCommandsTouchOnlyTheShownItems()
    {
        Program w;
        w.p.fill(0, QStringLiteral("axbxcx")); // new items on top: rows and item numbers run opposite
        ListBoxWidget *list = w.p.listAt(0);
        w.key(Qt::Key_X, {}, true);
        FindBar &bar = w.p.root.findBar();
        QCOMPARE(bar.countLabel()->text(), QStringLiteral("3 / 6"));
        // A sweep highlights a range of rows, hidden ones between them too.
        for (int row = 0; row < 6; ++row)
            list->setSelected(row, true);
        w.p.command(Command::DeleteItems)->trigger();
        QCOMPARE(w.p.rows(0), QStringLiteral("abc"));
        QTRY_COMPARE(bar.countLabel()->text(), QStringLiteral("0 / 3"));
        QTest::keyClick(bar.queryEdit(), Qt::Key_Escape);
        QVERIFY(!bar.isVisible());
        for (int row = 0; row < 3; ++row)
            QVERIFY(!list->isRowHidden(row));
    }

    void allListsMatchesAreGroupedAndOneIsChosen()
    {
        Program w;
        w.p.fill(0, QStringLiteral("ab"));
        w.p.root.listCommands().makeNewList();
        w.p.fill(1, QStringLiteral("xa"));
        w.key(Qt::Key_A, {}, true);
        FindBar &bar = w.p.root.findBar();
        QTest::keyClick(bar.queryEdit(), Qt::Key_Return, Qt::ShiftModifier);
        QVERIFY(bar.allListsSwitch()->isChecked());
        QCOMPARE(bar.countLabel()->text(), QStringLiteral("2 / 4"));
        QCOMPARE(bar.allListsMatches()->count(), 4); // a heading before each list's match
        QTest::keyClick(bar.queryEdit(), Qt::Key_Down);
        QTest::keyClick(bar.queryEdit(), Qt::Key_Return);
        QVERIFY(!bar.isVisible());
        QCOMPARE(w.state.display().focusedPane(), w.state.display().paneAtPosition(1));
        QCOMPARE(w.p.listAt(1)->selectedRows(), QList<int>{1});
    }

    void findFollowsTheTextsFoldedAhead()
    {
        Program w;
        w.focused().itemLimit = 100;
        ListItems &items = w.focused().items();
        for (int i = 0; i < 100; ++i)
            items.addItem((i % 2 ? QStringLiteral("ｶﾞｲﾄﾞ %1") : QStringLiteral("ﾃｷｽﾄ Clip %1")).arg(i));
        FindBar &bar = w.p.root.findBar();
        QTRY_VERIFY(!bar.foldingAhead());
        QCOMPARE(bar.foldedCount(), 100);
        // A text saved anew is folded anew, and found.
        const RowNumber bottom(items.rowCount() - 1);
        items.at(items.itemOfRow(bottom)).text = QStringLiteral("ガイド CLIP");
        items.refreshRow(bottom, items.itemOfRow(bottom));
        QVERIFY(bar.foldingAhead());
        QTRY_VERIFY(!bar.foldingAhead());
        bar.open(QStringLiteral("ガイド clip"));
        QTRY_COMPARE(bar.countLabel()->text(), QStringLiteral("1 / 100"));
        QVERIFY(!w.p.listAt(0)->isRowHidden(bottom.value()));
        bar.closeBar();
        // The folded texts of deleted items go.
        items.clearItems();
        QTRY_COMPARE(bar.foldedCount(), 0);
    }

    void rightPressOverListsAndBarsAsksForThePopUp()
    {
        Program w;
        PaneArea &area = w.p.root.panes();
        QObject::disconnect(&area, &PaneArea::popUpRequested, nullptr, nullptr);
        QSignalSpy asked(&area, &PaneArea::popUpRequested);
        for (QWidget *target : QList<QWidget *>{w.p.listAt(0)->viewport(), area.barWidget(1)}) {
            for (Qt::MouseButton button : {Qt::RightButton, Qt::LeftButton}) {
                QTest::mousePress(target, button, {}, QPoint(1, 1));
                QTest::mouseRelease(target, button, {}, QPoint(1, 1));
            }
        }
        QCOMPARE(asked.size(), 2);
        QCOMPARE(asked[1][0].toPoint(), area.barWidget(1)->mapToGlobal(QPoint(1, 1)));
    }

    void keysPickTheFocusedRowAndOpenThePopUpThere()
    {
        Program w;
        w.p.fill(0, QStringLiteral("abcd"));
        PaneArea &area = w.p.root.panes();
        QObject::disconnect(&area, &PaneArea::popUpRequested, nullptr, nullptr);
        QSignalSpy asked(&area, &PaneArea::popUpRequested);
        ListBoxWidget *list = w.p.listAt(0);
        w.key(Qt::Key_End, {}, true);
        QTest::keyClick(list, Qt::Key_Up, Qt::ShiftModifier);
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(list->selectedRows(), QList<int>{2});
        QCOMPARE(w.p.clipboard.writes().last().text, QStringLiteral("c"));
        QTest::keyClick(list, Qt::Key_Home);
        QTest::keyClick(list, Qt::Key_Space);
        QCOMPARE(w.p.clipboard.writes().last().text, QStringLiteral("a"));
        QTest::keyClick(list, Qt::Key_Menu);
        QTest::keyClick(list, Qt::Key_F10, Qt::ShiftModifier);
        QCOMPARE(asked.size(), 2);
        QCOMPARE(asked[1][0].toPoint(), list->viewport()->mapToGlobal(list->visualRect(list->currentIndex()).center()));
    }

    void addOptionsReachEveryListOrTheDefault_data()
    {
        QTest::addColumn<bool>("toAllLists");
        QTest::addColumn<bool>("asDefaults");
        QTest::newRow("focused list only") << false << false;
        QTest::newRow("every list") << true << false;
        QTest::newRow("focused list and the default") << false << true;
    }
    void addOptionsReachEveryListOrTheDefault()
    {
        QFETCH(bool, toAllLists);
        QFETCH(bool, asDefaults);
        Program w;
        w.p.root.listCommands().makeNewList();
        w.p.root.listCommands().makeNewList();
        w.state.display().focusPane(w.state.display().paneAtPosition(1));
        w.state.settings().addOptionsToAllLists = toAllLists;
        w.state.settings().addOptionsAsDefaults = asDefaults;
        for (Command command : {Command::AddAtBottom, Command::AddAtFocus, Command::KeepFocus})
            w.p.command(command)->trigger();
        for (ListNumber list{0}; list < 3; ++list) {
            const ListRecord &l = w.state.lists().at(list);
            const bool changed = toAllLists || list == 1;
            QCOMPARE((QList<int>{l.addAtBottom, l.addAtFocus, int(l.focusMode)}), QList<int>(3, changed));
        }
        const NewListDefaults &defaults = w.state.newListDefaults();
        QCOMPARE((QList<int>{defaults.addAtBottomDefault, defaults.addAtFocusDefault, int(defaults.focusModeDefault)}), QList<int>(3, asDefaults));
    }

    void miniWindowArgumentsByWay()
    {
        Program w;
        MainCommands &commands = w.p.root.commands();
        // Only the arguments are looked at: the mini window stays away.
        QObject::disconnect(&commands, &MainCommands::minimiseRequested, nullptr, nullptr);
        QSignalSpy asked(&commands, &MainCommands::minimiseRequested);
        w.key(Qt::Key_F, Qt::ControlModifier, false);
        w.p.command(Command::Minimise)->trigger();
        QTest::mouseClick(w.p.root.toolStrip().button(5), Qt::LeftButton);
        QCOMPARE(static_cast<QList<QVariantList> &>(asked),
                 (QList<QVariantList>{{false, false}, {false, true}, {true, true}}));
    }

    void helpKeyWithModifiers_data()
    {
        QTest::addColumn<bool>("menuBar");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<int>("opened");
        QTest::newRow("shown, Shift+F1") << true << Qt::KeyboardModifiers(Qt::ShiftModifier) << 0;
        QTest::newRow("hidden, Shift+F1") << false << Qt::KeyboardModifiers(Qt::ShiftModifier) << 1;
        QTest::newRow("hidden, Alt+F1") << false << Qt::KeyboardModifiers(Qt::AltModifier) << 1;
        QTest::newRow("hidden, Ctrl+F1") << false << Qt::KeyboardModifiers(Qt::ControlModifier) << 0;
    }
    void helpKeyWithModifiers()
    {
        QFETCH(bool, menuBar);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(int, opened);
        Program w;
        DesktopRecorder &desktop = DesktopRecorder::install();
        desktop.opened.clear();
        w.key(Qt::Key_F1, modifiers, menuBar);
        QCOMPARE(desktop.opened.size(), opened);
    }

    void menuOpeningClosesTheToolField()
    {
        Program w;
        ToolStrip &strip = w.p.root.toolStrip();
        for (QMenu *menu : w.p.root.menus().barMenus) {
            for (bool hover : {false, true}) {
                w.state.settings().setToolbarOpensOnHover(hover);
                strip.openField(2, hover);
                QCOMPARE(strip.openGroup(), 2);
                emit menu->aboutToShow();
                QCOMPARE(strip.openGroup(), -1);
            }
        }
    }
};

QTEST_MAIN(TestCommands)
#include "tst_commands.moc"
