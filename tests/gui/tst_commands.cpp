// The command table: every command reached from the menu bar, the pop-up menu, the toolbar and
// its key; the menus' marks and enabled states; the add options.
#include "DesktopRecorder.h"
#include "TestProgram.h"
#include "mainwindow/ListCommands.h"
#include "mainwindow/MainCommands.h"
#include "mainwindow/MainMenus.h"
#include "mainwindow/PaneArea.h"
#include "mainwindow/PopUpMenu.h"
#include "mainwindow/QKPRbase.h"
#include "mainwindow/ToolButton.h"
#include "mainwindow/ToolField.h"
#include "mainwindow/ToolStrip.h"
#include "model/ItemControl.h"
#include "model/ListControl.h"
#include "model/ListExControl.h"
#include "model/ListOb.h"
#include "model/QKPRGrobal.h"
#include "model/UtilityFirstList.h"
#include "model/UtilityGrobal.h"
#include "platform/ClipList.h"

#include <QAction>
#include <QMenu>
#include <QtTest>

namespace {
struct Program {
    Program()
    {
        p.start();
        QVERIFY(QTest::qWaitForWindowExposed(&p.window()));
    }
    ListOb &focused() { return p.root.listCommands().focusedList(); }
    QAction *command(const char *name) { return p.command(name); }
    QAction *twin(const char *name) { return p.root.popUpMenu().action(QString::fromLatin1(name)); }
    QStringList captions(const QMenu *menu)
    {
        QStringList out;
        for (const QAction *action : menu->actions())
            out << (action->isSeparator() ? QStringLiteral("-") : action->text());
        return out;
    }
    void fill(int count)
    {
        ItemControl &items = focused().loItemControl();
        for (int i = 0; i < count; ++i)
            items.icMakeItem(grobal.listExControl().lecListFocus(), QString::number(i));
    }
    TestProgram p;
    QKPRGrobal &grobal = p.grobal();
};
} // namespace

class TestCommands : public QObject {
    Q_OBJECT
private slots:
    void everyWayReachesTheSameCommand_data();
    void everyWayReachesTheSameCommand();
    void menuCaptionsAndSeparators();
    void listMenuMarksFollowTheFocusedList_data();
    void listMenuMarksFollowTheFocusedList();
    void popUpStatesFollowListsHighlightAndItems();
    void rightPressOverListsAndBarsAsksForThePopUp();
    void addOptionsReachEveryListOrTheDefault_data();
    void addOptionsReachEveryListOrTheDefault();
    void movAddToggleLeavesOtherValues();
    void miniWindowArgumentsByWay();
    void helpKeyWithModifiers_data();
    void helpKeyWithModifiers();
    void menuOpeningClosesTheToolField();
};

void TestCommands::everyWayReachesTheSameCommand_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("inMenuBar");
    QTest::addColumn<QString>("popUp");
    QTest::addColumn<QString>("toolbar"); // "button" or "group/field button"
    QTest::addColumn<QKeySequence>("key");
    const auto row = [](const char *name, bool bar, const char *pop, const char *tool, QKeySequence key = {}) {
        QTest::newRow(name) << QString::fromLatin1(name) << bar << QString::fromLatin1(pop) << QString::fromLatin1(tool)
                            << key;
    };
    row("Newnu", true, "popNewnu", "6/0", Qt::CTRL | Qt::Key_N);
    row("Namenu", true, "popNamenu", "6/1");
    row("Delenu", true, "popDelenu", "6/2", Qt::CTRL | Qt::Key_D);
    row("Clearnu", true, "popClearnu", "7");
    row("ListInfonu", true, "popListInfonu", "6/3", Qt::CTRL | Qt::Key_I);
    row("Opennu", true, "popOpenun", "0/0", Qt::CTRL | Qt::Key_O);
    row("OvSavenu", true, "popOvSavenu", "0/1", Qt::CTRL | Qt::Key_S);
    row("Savenu", true, "popSavenu", "");
    row("ListUpnu", true, "popListUpnu", "1/1");
    row("ListDownnu", true, "popListDownnu", "1/1");
    row("ListPositionnu", true, "popListPositionnu", "1/2");
    row("UpDnMovenu", true, "popUpDnMovenu", "1/0");
    row("NonMovenu", true, "popNonMovenu", "1/0");
    row("Endnu", true, "", "0/2", Qt::CTRL | Qt::Key_Q);
    row("Utilitynu", true, "", "");
    row("Textnu", true, "popTextnu", "");
    row("MenuExnu", true, "popMenuExnu", "2/1");
    row("ToolBarnu", true, "popToolBarnu", "");
    row("Frontnu", true, "popFrontnu", "3", Qt::CTRL | Qt::Key_E);
    row("Stopnu", true, "popStopnu", "4", Qt::CTRL | Qt::Key_A);
    row("Minimamnu", true, "popMinimamnu", "5", Qt::CTRL | Qt::Key_F);
    row("Helpinnu", true, "", "10", Qt::Key_F1);
    row("Versionnu", true, "", "");
    row("popJoinnu", false, "popJoinnu", "8/0");
    row("popNameInu", false, "popNameInu", "8/1");
    row("popDeleInu", false, "popDeleInu", "9");
    row("MaxNormnu", false, "", "0/3");
}

void TestCommands::everyWayReachesTheSameCommand()
{
    QFETCH(QString, name);
    QFETCH(bool, inMenuBar);
    QFETCH(QString, popUp);
    QFETCH(QString, toolbar);
    QFETCH(QKeySequence, key);
    Program w;
    w.p.root.listCommands().MakeNewList(); // delete list is offered with two lists
    w.fill(3);
    // The toggles of the list settings field trigger the command that changes the state.
    w.focused().WayAdd = name == "ListUpnu";
    w.focused().MovAdd = name == "UpDnMovenu" ? 1 : 0;
    MainCommands &commands = w.p.root.commands();
    QAction *action = commands.action(name);
    QVERIFY(action);
    // Only whether the command is reached counts here: its effects stay away.
    for (QAction *each : commands.actions())
        QObject::disconnect(each, &QAction::triggered, &commands, nullptr);
    QSignalSpy triggered(action, &QAction::triggered);
    int expected = 0;

    bool found = false;
    for (QMenu *menu : w.p.root.menus().Menunu)
        found = found || menu->actions().contains(action);
    QCOMPARE(found, inMenuBar);
    if (!popUp.isEmpty()) {
        w.p.root.popUpMenu().PopUpMenuState();
        w.twin(qPrintable(popUp))->setEnabled(true); // the states have their own test
        w.twin(qPrintable(popUp))->trigger();
        QCOMPARE(triggered.size(), ++expected);
    }
    if (!toolbar.isEmpty()) {
        ToolStrip &strip = w.p.root.toolStrip();
        const QStringList parts = toolbar.split(QLatin1Char('/'));
        QTest::mouseClick(strip.button(parts[0].toInt()), Qt::LeftButton);
        if (parts.size() == 2) {
            QCOMPARE(strip.openGroup(), parts[0].toInt());
            QTest::mouseClick(strip.field().buttons().at(parts[1].toInt()), Qt::LeftButton);
            QCOMPARE(strip.openGroup(), -1);
        }
        QCOMPARE(triggered.size(), ++expected);
    }
    if (!key.isEmpty()) {
        w.p.window().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w.p.window()));
        for (bool menuBar : {true, false}) {
            w.p.window().setMenuExpress(menuBar);
            QTest::keyClick(w.p.listAt(0), key[0].key(), key[0].keyboardModifiers());
            QCOMPARE(triggered.size(), ++expected);
        }
    }
}

void TestCommands::menuCaptionsAndSeparators()
{
    Program w;
    const auto &menus = w.p.root.menus().Menunu;
    QCOMPARE(w.captions(menus[0]),
             (QStringList{"新規ﾘｽﾄ作成(&N)", "ﾘｽﾄに名前をつける(&M)...", "ﾘｽﾄ消去(&D)", "ﾘｽﾄ内容のｸﾘｱ(&C)",
                          "ﾘｽﾄの詳細情報(&I)", "-", "開く(&O)...", "上書き保存(&S)", "名前をつけて保存(&A)...", "-",
                          "ﾘｽﾄに上から追加(&T)", "ﾘｽﾄに下から追加(&B)", "-", "ﾘｽﾄの選択位置に追加(&L)", "-",
                          "ﾌｫｰｶｽを移動(&R)", "ﾌｫｰｶｽを移動しない(&H)", "-", "ｸﾘｯﾌﾟﾎﾞｰﾄﾞ終了(&X)"}));
    PopUpMenu &popUp = w.p.root.popUpMenu();
    QCOMPARE(w.captions(popUp.menu()),
             (QStringList{"項目編集(&I)", "ﾘｽﾄ編集(&L)", "ﾘｽﾄ表示(&W)", "-", "ﾒﾆｭｰ表示(&M)", "ﾂｰﾙﾊﾞｰ表示(&B)",
                          "常に手前に表示(&F)", "停止(&S)", "最小化(&I)"}));
    QCOMPARE(w.captions(popUp.popItemnu), (QStringList{"結合(&J)", "名前を付ける(&M)...", "ﾃｷｽﾄに表示(&T)...", "消去(&D)"}));
    // One entry per list in both list display menus.
    w.p.root.listCommands().MakeNewList();
    w.p.root.popUpMenu().PopUpMenuState();
    QCOMPARE(popUp.popListWinnu->actions().size(), 2);
    QCOMPARE(w.captions(popUp.popListWinnu), w.captions(menus[1]));
}

void TestCommands::listMenuMarksFollowTheFocusedList_data()
{
    QTest::addColumn<bool>("wayAdd");
    QTest::addColumn<bool>("posAdd");
    QTest::addColumn<int>("movAdd");
    QTest::addColumn<bool>("moveMarked"); // UpDnMovenu; NonMovenu the other way unless left
    QTest::addColumn<bool>("keepMarked");
    QTest::newRow("top, move") << false << false << 0 << true << false;
    QTest::newRow("bottom, at selection, keep") << true << true << 1 << false << true;
    // Seen last with MovAdd 1: both marks stay as they were.
    QTest::newRow("other MovAdd") << true << false << 7 << false << true;
}

void TestCommands::listMenuMarksFollowTheFocusedList()
{
    QFETCH(bool, wayAdd);
    QFETCH(bool, posAdd);
    QFETCH(int, movAdd);
    QFETCH(bool, moveMarked);
    QFETCH(bool, keepMarked);
    Program w;
    w.focused().MovAdd = 1;
    emit w.p.root.menus().Menunu[0]->aboutToShow();
    w.focused().WayAdd = wayAdd;
    w.focused().PosAdd = posAdd;
    w.focused().MovAdd = qint16(movAdd);
    emit w.p.root.menus().Menunu[0]->aboutToShow();
    QCOMPARE(w.command("ListUpnu")->isChecked(), !wayAdd);
    QCOMPARE(w.command("ListDownnu")->isChecked(), wayAdd);
    QCOMPARE(w.command("ListPositionnu")->isChecked(), posAdd);
    QCOMPARE(w.command("UpDnMovenu")->isChecked(), moveMarked);
    QCOMPARE(w.command("NonMovenu")->isChecked(), keepMarked);
    // The pop-up shows the same marks.
    w.p.root.popUpMenu().PopUpMenuState();
    QCOMPARE(w.twin("popListDownnu")->isChecked(), wayAdd);
    QCOMPARE(w.twin("popNonMovenu")->isChecked(), keepMarked);
}

void TestCommands::popUpStatesFollowListsHighlightAndItems()
{
    Program w;
    PopUpMenu &popUp = w.p.root.popUpMenu();
    const auto enabled = [&](const char *name) {
        popUp.PopUpMenuState();
        return w.twin(name)->isEnabled();
    };
    QVERIFY(!enabled("popDelenu"));
    for (const char *name : {"popNameInu", "popTextnu", "popDeleInu", "popJoinnu"})
        QVERIFY2(!enabled(name), name);
    w.fill(3);
    for (const char *name : {"popNameInu", "popTextnu", "popDeleInu"})
        QVERIFY2(enabled(name), name);
    ClipList *list = w.p.listAt(0);
    list->setSelected(0, true);
    QVERIFY(!enabled("popJoinnu"));
    list->setSelected(2, true);
    QVERIFY(enabled("popJoinnu"));
    w.p.root.listCommands().MakeNewList();
    QVERIFY(enabled("popDelenu"));

    w.p.window().setTopZOrder(true);
    w.p.window().setStopGo(false);
    popUp.PopUpMenuState();
    QVERIFY(w.twin("popFrontnu")->isChecked());
    QVERIFY(w.twin("popStopnu")->isChecked());
    QVERIFY(w.twin("popMenuExnu")->isChecked());
    QVERIFY(w.twin("popToolBarnu")->isChecked());
}

void TestCommands::rightPressOverListsAndBarsAsksForThePopUp()
{
    Program w;
    PaneArea &area = w.p.root.panes();
    QObject::disconnect(&area, &PaneArea::popUpRequested, nullptr, nullptr);
    QSignalSpy asked(&area, &PaneArea::popUpRequested);
    for (QWidget *target : {static_cast<QWidget *>(w.p.listAt(0)->viewport()), static_cast<QWidget *>(area.barWidget(1))}) {
        for (Qt::MouseButton button : {Qt::RightButton, Qt::LeftButton}) {
            QTest::mousePress(target, button, {}, QPoint(1, 1));
            QTest::mouseRelease(target, button, {}, QPoint(1, 1));
        }
    }
    QCOMPARE(asked.size(), 2);
    QCOMPARE(asked[1][0].toPoint(), area.barWidget(1)->mapToGlobal(QPoint(1, 1)));
}

void TestCommands::addOptionsReachEveryListOrTheDefault_data()
{
    QTest::addColumn<bool>("addMode");
    QTest::addColumn<bool>("addSave");
    QTest::newRow("focused list only") << false << false;
    QTest::newRow("every list") << true << false;
    QTest::newRow("focused list and the default") << false << true;
}

void TestCommands::addOptionsReachEveryListOrTheDefault()
{
    QFETCH(bool, addMode);
    QFETCH(bool, addSave);
    Program w;
    ListCommands &lists = w.p.root.listCommands();
    lists.MakeNewList();
    lists.MakeNewList();
    w.grobal.listExControl().lecChaFocus(w.grobal.listExControl().lecEx(1));
    w.grobal.utilityGrobal().AddMode = addMode;
    w.grobal.utilityGrobal().AddSave = addSave;
    w.command("ListDownnu")->trigger();
    w.command("ListPositionnu")->trigger();
    w.command("NonMovenu")->trigger();
    for (qint16 list = 0; list < 3; ++list) {
        const ListOb &l = w.grobal.listControl().lcListOb(list);
        const bool changed = addMode || list == 1;
        QCOMPARE(l.WayAdd, changed);
        QCOMPARE(l.PosAdd, changed);
        QCOMPARE(l.MovAdd, qint16(changed ? 1 : 0));
    }
    const UtilityFirstList &defaults = w.grobal.utilityFirstList();
    QCOMPARE(defaults.WayAddDef, addSave);
    QCOMPARE(defaults.PosAddDef, addSave);
    QCOMPARE(defaults.MovAddDef, qint16(addSave ? 1 : 0));
}

void TestCommands::movAddToggleLeavesOtherValues()
{
    Program w;
    ListCommands &lists = w.p.root.listCommands();
    lists.ChangeMovAdd(2);
    QCOMPARE(w.focused().MovAdd, qint16(1));
    lists.ChangeMovAdd(2);
    QCOMPARE(w.focused().MovAdd, qint16(0));
    w.focused().MovAdd = 5;
    lists.ChangeMovAdd(2);
    lists.ChangeMovAdd(3);
    QCOMPARE(w.focused().MovAdd, qint16(5));
}

void TestCommands::miniWindowArgumentsByWay()
{
    Program w;
    MainCommands &commands = w.p.root.commands();
    // Only the arguments are looked at: the mini window stays away.
    QObject::disconnect(&commands, &MainCommands::minimiseRequested, nullptr, nullptr);
    QSignalSpy asked(&commands, &MainCommands::minimiseRequested);
    w.p.window().setMenuExpress(false);
    w.p.window().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w.p.window()));
    QTest::keyClick(w.p.listAt(0), Qt::Key_F, Qt::ControlModifier);
    w.command("Minimamnu")->trigger();
    QTest::mouseClick(w.p.root.toolStrip().button(5), Qt::LeftButton);
    QCOMPARE(asked.size(), 3);
    QCOMPARE(asked[0], (QVariantList{false, false}));
    QCOMPARE(asked[1], (QVariantList{false, true}));
    QCOMPARE(asked[2], (QVariantList{true, true}));
}

void TestCommands::helpKeyWithModifiers_data()
{
    QTest::addColumn<bool>("menuBar");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<int>("opened");
    QTest::newRow("shown, F1") << true << Qt::KeyboardModifiers() << 1;
    QTest::newRow("shown, Shift+F1") << true << Qt::KeyboardModifiers(Qt::ShiftModifier) << 0;
    QTest::newRow("hidden, Shift+F1") << false << Qt::KeyboardModifiers(Qt::ShiftModifier) << 1;
    QTest::newRow("hidden, Alt+F1") << false << Qt::KeyboardModifiers(Qt::AltModifier) << 1;
    QTest::newRow("hidden, Ctrl+F1") << false << Qt::KeyboardModifiers(Qt::ControlModifier) << 0;
}

void TestCommands::helpKeyWithModifiers()
{
    QFETCH(bool, menuBar);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(int, opened);
    Program w;
    DesktopRecorder &desktop = DesktopRecorder::install();
    desktop.opened.clear();
    w.p.window().setMenuExpress(menuBar);
    w.p.window().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w.p.window()));
    QTest::keyClick(w.p.listAt(0), Qt::Key_F1, modifiers);
    QCOMPARE(desktop.opened.size(), opened);
}

void TestCommands::menuOpeningClosesTheToolField()
{
    Program w;
    ToolStrip &strip = w.p.root.toolStrip();
    for (QMenu *menu : w.p.root.menus().Menunu) {
        for (bool hover : {false, true}) {
            w.grobal.utilityGrobal().setToolOvOrCk(hover);
            strip.OpenToolField(2, hover);
            QCOMPARE(strip.openGroup(), 2);
            emit menu->aboutToShow();
            QCOMPARE(strip.openGroup(), -1);
        }
    }
}

QTEST_MAIN(TestCommands)
#include "tst_commands.moc"
