// Lists: creation with the new-list defaults, naming apart, deletion and the panes' list numbers.
#include "FakePaneHost.h"
#include "model/ItemControl.h"
#include "model/ListControl.h"
#include "model/ListExControl.h"
#include "model/ListOb.h"
#include "model/QKPRGrobal.h"
#include "model/UtilityFirstList.h"
#include "model/UtilityGrobal.h"

#include <QtTest>

class TestListControl : public QObject {
    Q_OBJECT
private slots:
    void factoryValues();
    void newListTakesDefaults();
    void addOptionsFollowFocusedListOnlyInAddModeWithAPane_data();
    void addOptionsFollowFocusedListOnlyInAddModeWithAPane();
    void deleteRenumbersShownPanes();
    void deleteEdgeCases();
    void refusesBeyondTheLastListNumber();
    void numberSameName();
    void numberSameNameReusesSmallestFreeNumber();
};

void TestListControl::factoryValues()
{
    ModelFixture f;
    const UtilityGrobal &g = f.grobal->utilityGrobal();
    QCOMPARE(g.TimerInterval, 500);
    QCOMPARE(quint32(g.BarClr), 0x8000000Fu);
    QCOMPARE(g.LetterIm, QStringLiteral("."));
    QCOMPARE(g.HowLAddMove, 0);
    QCOMPARE(g.HowRAddMove, 1);
    QCOMPARE(g.HowTAddMove, 0);
    QCOMPARE(g.HowBAddMove, 1);
    QCOMPARE(g.HowAddMoveHIval, 8);
    QVERIFY(g.AddSave && g.AddDeleteError && g.ReturnOrLetter && g.TextExpTimer);
    QVERIFY(!g.AddMode && !g.AddDelete && !g.ReturnIm && !g.HTMLReco);
    QCOMPARE(g.TextFName, QStringLiteral("ＭＳ Ｐゴシック"));
    QVERIFY(!g.ToolOvOrCk());

    // The toolbar mouse option keeps its value through a factory reset and tells the toolbar.
    QList<bool> told;
    QObject::connect(&f.grobal->utilityGrobal(), &UtilityGrobal::toolOvOrCkChanged, [&](bool hover) { told << hover; });
    f.grobal->utilityGrobal().setToolOvOrCk(true);
    f.grobal->utilityGrobal().SetGrobalFactory();
    QVERIFY(f.grobal->utilityGrobal().ToolOvOrCk());
    QCOMPARE(told, QList<bool>{true});

    // The factory push reaches the timer and every bar, top and bottom included.
    f.showNewList();
    f.grobal->utilityGrobal().ApplyGrobal();
    QCOMPARE(f.host->timerInterval, 500);
    QCOMPARE(quint32(f.host->barColour), 0x8000000Fu);
}

void TestListControl::newListTakesDefaults()
{
    ModelFixture f;
    ListControl &lists = f.grobal->listControl();
    QCOMPARE(lists.lcMakeList(), 0);
    const ListOb &list = lists.lcListOb(0);
    QCOMPARE(list.loName, QStringLiteral("ｸﾘｯﾌﾟ"));
    QCOMPARE(list.loNameEx, 0);
    QCOMPARE(list.Hper, -1.0f);
    QCOMPARE(list.UpperCount, 32);
    QCOMPARE(list.ioSLength, 48);
    QCOMPARE(list.ioSWidth, 192);
    QVERIFY(list.ioSFLG && list.LenNum);
    QCOMPARE(list.ReturnLetter, QStringLiteral("  "));
    QCOMPARE(list.FontName, QStringLiteral("ＭＳ Ｐゴシック"));
    QCOMPARE(list.FontSize, 9.0f);
    QCOMPARE(list.BackClr, Colour(0xE0E0E0));
    QCOMPARE(quint32(list.ForeClr), 0x80000008u);
    QCOMPARE(list.BackClrFcs, Colour(0xFFFFFF));
    QVERIFY(list.fiName.isEmpty());
    QCOMPARE(lists.UB(), 1);
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, lists.lcListOb(1));
}

void TestListControl::addOptionsFollowFocusedListOnlyInAddModeWithAPane_data()
{
    QTest::addColumn<bool>("addMode");
    QTest::addColumn<bool>("paneShown");
    QTest::addColumn<bool>("copied");
    QTest::newRow("add mode, pane shown") << true << true << true;
    QTest::newRow("add mode, no pane") << true << false << false;
    QTest::newRow("no add mode, pane shown") << false << true << false;
}

void TestListControl::addOptionsFollowFocusedListOnlyInAddModeWithAPane()
{
    QFETCH(bool, addMode);
    QFETCH(bool, paneShown);
    QFETCH(bool, copied);
    ModelFixture f;
    ListControl &lists = f.grobal->listControl();
    f.grobal->utilityGrobal().AddMode = addMode;
    const qint16 first = lists.lcMakeList();
    ListOb &focused = lists.lcListOb(first);
    focused.WayAdd = true;
    focused.PosAdd = true;
    focused.MovAdd = 1;
    if (paneShown)
        lists.lcExList(first);
    const ListOb &made = lists.lcListOb(lists.lcMakeList());
    QCOMPARE(made.WayAdd, copied);
    QCOMPARE(made.PosAdd, copied);
    QCOMPARE(made.MovAdd, copied ? 1 : 0);
}

void TestListControl::deleteRenumbersShownPanes()
{
    ModelFixture f;
    ListControl &lists = f.grobal->listControl();
    ListExControl &panes = f.grobal->listExControl();
    f.showNewList();                   // list 0 in pane 0
    lists.lcMakeList();                // list 1, hidden
    lists.lcExList(lists.lcMakeList()); // list 2 in pane 1
    lists.lcListOb(2).loName = QStringLiteral("third");

    lists.lcDelList(1);
    QCOMPARE(lists.UB(), 2);
    QCOMPARE(panes.lecListOb(0).leoListOb, 0);
    QCOMPARE(panes.lecListOb(1).leoListOb, 1);
    QCOMPARE(lists.lcListOb(1).loName, QStringLiteral("third"));
    QCOMPARE(f.grobal->getOLx(1), 1);
}

void TestListControl::deleteEdgeCases()
{
    ModelFixture f;
    ListControl &lists = f.grobal->listControl();
    lists.lcDelList(0); // nothing to delete: nothing happens
    QCOMPARE(lists.UB(), 0);

    const qint16 only = lists.lcMakeList();
    lists.lcListOb(only).loName = QStringLiteral("old");
    lists.lcDelList(only);
    QCOMPARE(lists.UB(), 0);
    QCOMPARE(lists.lcMakeList(), 0);
    QCOMPARE(lists.lcListOb(0).loName, QStringLiteral("ｸﾘｯﾌﾟ"));

    QVERIFY_THROWS_EXCEPTION(std::out_of_range, lists.lcDelList(5));
    QCOMPARE(lists.UB(), 1);
}

void TestListControl::refusesBeyondTheLastListNumber()
{
    ModelFixture f;
    ListControl &lists = f.grobal->listControl();
    for (int i = 0; i < 32767; ++i)
        lists.lcMakeList();
    QCOMPARE(lists.UB(), 32767);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("32767 lists"));
    QCOMPARE(lists.lcMakeList(), ListControl::Refused);
    QCOMPARE(lists.UB(), 32767);
}

void TestListControl::numberSameName()
{
    ModelFixture f;
    ListControl &lists = f.grobal->listControl();
    const qint16 a = lists.lcMakeList();
    f.grobal->NumberSameName(a); // one list: untouched
    QCOMPARE(lists.lcListOb(a).loNameEx, 0);

    const qint16 b = lists.lcMakeList();
    f.grobal->NumberSameName(b);
    QCOMPARE(lists.lcListOb(a).loNameEx, 1);
    QCOMPARE(lists.lcListOb(b).loNameEx, 2);

    // A name of its own gives 0; the namesake left alone keeps its number.
    lists.lcNameList(b, QStringLiteral("mine"));
    f.grobal->NumberSameName(b);
    QCOMPARE(lists.lcListOb(b).loNameEx, 0);
    QCOMPARE(lists.lcListOb(a).loNameEx, 1);

    // The comparison is exact.
    lists.lcNameList(b, QStringLiteral("ｸﾘｯﾌﾟ "));
    f.grobal->NumberSameName(b);
    QCOMPARE(lists.lcListOb(b).loNameEx, 0);
}

void TestListControl::numberSameNameReusesSmallestFreeNumber()
{
    ModelFixture f;
    ListControl &lists = f.grobal->listControl();
    for (int i = 0; i < 3; ++i)
        f.grobal->NumberSameName(lists.lcMakeList());
    QCOMPARE(lists.lcListOb(0).loNameEx, 1);
    QCOMPARE(lists.lcListOb(1).loNameEx, 2);
    QCOMPARE(lists.lcListOb(2).loNameEx, 3);

    lists.lcNameList(1, QStringLiteral("other"));
    f.grobal->NumberSameName(1);
    lists.lcNameList(1, QStringLiteral("ｸﾘｯﾌﾟ"));
    f.grobal->NumberSameName(1);
    QCOMPARE(lists.lcListOb(1).loNameEx, 2);
    QCOMPARE(lists.lcListOb(0).loNameEx, 1);
    QCOMPARE(lists.lcListOb(2).loNameEx, 3);
}

QTEST_GUILESS_MAIN(TestListControl)
#include "tst_listcontrol.moc"
