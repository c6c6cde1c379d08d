// SPDX-License-Identifier: GPL-3.0-or-later
// Lists: creation with the new-list defaults, naming apart, deletion and the panes' list numbers.
#include "FakePaneHost.h"
#include "model/ListItems.h"
#include "model/ListCollection.h"
#include "model/ListDisplay.h"
#include "model/ListRecord.h"
#include "model/ProgramState.h"
#include "model/NewListDefaults.h"
#include "model/GlobalSettings.h"

#include <QtTest>

class TestListCollection : public QObject {
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

void TestListCollection::factoryValues()
{
    ModelFixture f;
    const GlobalSettings &g = f.state->settings();
    QCOMPARE(g.pollInterval, 500);
    QCOMPARE(quint32(g.barColour), 0x8000000Fu);
    QCOMPARE(g.splitString, QStringLiteral("."));
    QCOMPARE(g.leftEdgeAction, 0);
    QCOMPARE(g.rightEdgeAction, 1);
    QCOMPARE(g.topEdgeAction, 0);
    QCOMPARE(g.bottomEdgeAction, 1);
    QCOMPARE(g.edgeZoneWidth, 8);
    QVERIFY(g.addOptionsAsDefaults && g.warnOnOverflow && g.splitAtLineBreaks && g.pauseWhileTextWindowActive);
    QVERIFY(!g.addOptionsToAllLists && !g.dropOverflowOnMove && !g.splitCaptures && !g.richText);
    QCOMPARE(g.textFontName, QStringLiteral("ＭＳ Ｐゴシック"));
    QVERIFY(!g.toolbarOpensOnHover());

    // The toolbar mouse option keeps its value through a factory reset and tells the toolbar.
    QList<bool> told;
    QObject::connect(&f.state->settings(), &GlobalSettings::toolbarOpensOnHoverChanged, [&](bool hover) { told << hover; });
    f.state->settings().setToolbarOpensOnHover(true);
    f.state->settings().setFactoryValues();
    QVERIFY(f.state->settings().toolbarOpensOnHover());
    QCOMPARE(told, QList<bool>{true});

    // The factory push reaches the timer and every bar, top and bottom included.
    f.showNewList();
    f.state->settings().applyToWindows();
    QCOMPARE(f.host->timerInterval, 500);
    QCOMPARE(quint32(f.host->barColour), 0x8000000Fu);
}

void TestListCollection::newListTakesDefaults()
{
    ModelFixture f;
    ListCollection &lists = f.state->lists();
    QCOMPARE(lists.makeList(), 0);
    const ListRecord &list = lists.at(ListNumber(0));
    QCOMPARE(list.name, QStringLiteral("ｸﾘｯﾌﾟ"));
    QCOMPARE(list.sameNameNumber, 0);
    QCOMPARE(list.heightShare, -1.0f);
    QCOMPARE(list.itemLimit, 32);
    QCOMPARE(list.captionLength, 48);
    QCOMPARE(list.captionWidth, 192);
    QVERIFY(list.captionByWidth && list.showLength);
    QCOMPARE(list.lineBreakMark, QStringLiteral("  "));
    QCOMPARE(list.fontName, QStringLiteral("ＭＳ Ｐゴシック"));
    QCOMPARE(list.fontSize, 9.0f);
    QCOMPARE(list.backColour, Colour(0xE0E0E0));
    QCOMPARE(quint32(list.textColour), 0x80000008u);
    QCOMPARE(list.focusedBackColour, Colour(0xFFFFFF));
    QVERIFY(list.fileName.isEmpty());
    QCOMPARE(lists.count(), 1);
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, lists.at(ListNumber(1)));
}

void TestListCollection::addOptionsFollowFocusedListOnlyInAddModeWithAPane_data()
{
    QTest::addColumn<bool>("toAllLists");
    QTest::addColumn<bool>("paneShown");
    QTest::addColumn<bool>("copied");
    QTest::newRow("add mode, pane shown") << true << true << true;
    QTest::newRow("add mode, no pane") << true << false << false;
    QTest::newRow("no add mode, pane shown") << false << true << false;
}

void TestListCollection::addOptionsFollowFocusedListOnlyInAddModeWithAPane()
{
    QFETCH(bool, toAllLists);
    QFETCH(bool, paneShown);
    QFETCH(bool, copied);
    ModelFixture f;
    ListCollection &lists = f.state->lists();
    f.state->settings().addOptionsToAllLists = toAllLists;
    const ListNumber first = lists.makeList();
    ListRecord &focused = lists.at(ListNumber(first));
    focused.addAtBottom = true;
    focused.addAtFocus = true;
    focused.focusMode = FocusMode::Stays;
    if (paneShown)
        f.state->display().showList(ListNumber(first));
    const ListRecord &made = lists.at(lists.makeList());
    QCOMPARE(made.addAtBottom, copied);
    QCOMPARE(made.addAtFocus, copied);
    QCOMPARE(made.focusMode, copied ? FocusMode::Stays : FocusMode::MovesAtScreenEdges);
}

void TestListCollection::deleteRenumbersShownPanes()
{
    ModelFixture f;
    ListCollection &lists = f.state->lists();
    ListDisplay &panes = f.state->display();
    f.showNewList();                   // list 0 in pane 0
    lists.makeList();                // list 1, hidden
    f.state->display().showList(lists.makeList()); // list 2 in pane 1
    lists.at(ListNumber(2)).name = QStringLiteral("third");

    lists.deleteList(ListNumber(1));
    QCOMPARE(lists.count(), 2);
    QCOMPARE(panes.paneRecord(PaneNumber(0)).list, 0);
    QCOMPARE(panes.paneRecord(PaneNumber(1)).list, 1);
    QCOMPARE(lists.at(ListNumber(1)).name, QStringLiteral("third"));
    QCOMPARE(f.state->display().listOfPane(PaneNumber(1)), 1);
}

void TestListCollection::deleteEdgeCases()
{
    ModelFixture f;
    ListCollection &lists = f.state->lists();
    lists.deleteList(ListNumber(0)); // nothing to delete: nothing happens
    QCOMPARE(lists.count(), 0);

    const ListNumber only = lists.makeList();
    lists.at(ListNumber(only)).name = QStringLiteral("old");
    lists.deleteList(ListNumber(only));
    QCOMPARE(lists.count(), 0);
    QCOMPARE(lists.makeList(), 0);
    QCOMPARE(lists.at(ListNumber(0)).name, QStringLiteral("ｸﾘｯﾌﾟ"));

    QVERIFY_THROWS_EXCEPTION(std::out_of_range, lists.deleteList(ListNumber(5)));
    QCOMPARE(lists.count(), 1);
}

void TestListCollection::refusesBeyondTheLastListNumber()
{
    ModelFixture f;
    ListCollection &lists = f.state->lists();
    for (int i = 0; i < 32767; ++i)
        lists.makeList();
    QCOMPARE(lists.count(), 32767);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("32767 lists"));
    QCOMPARE(lists.makeList(), ListCollection::Refused);
    QCOMPARE(lists.count(), 32767);
}

void TestListCollection::numberSameName()
{
    ModelFixture f;
    ListCollection &lists = f.state->lists();
    const ListNumber a = lists.makeList();
    f.state->lists().numberSameNames(ListNumber(a)); // one list: untouched
    QCOMPARE(lists.at(ListNumber(a)).sameNameNumber, 0);

    const ListNumber b = lists.makeList();
    f.state->lists().numberSameNames(ListNumber(b));
    QCOMPARE(lists.at(ListNumber(a)).sameNameNumber, 1);
    QCOMPARE(lists.at(ListNumber(b)).sameNameNumber, 2);

    // A name of its own gives 0; the namesake left alone keeps its number.
    lists.renameList(ListNumber(b), QStringLiteral("mine"));
    f.state->lists().numberSameNames(ListNumber(b));
    QCOMPARE(lists.at(ListNumber(b)).sameNameNumber, 0);
    QCOMPARE(lists.at(ListNumber(a)).sameNameNumber, 1);

    // The comparison is exact.
    lists.renameList(ListNumber(b), QStringLiteral("ｸﾘｯﾌﾟ "));
    f.state->lists().numberSameNames(ListNumber(b));
    QCOMPARE(lists.at(ListNumber(b)).sameNameNumber, 0);
}

void TestListCollection::numberSameNameReusesSmallestFreeNumber()
{
    ModelFixture f;
    ListCollection &lists = f.state->lists();
    for (int i = 0; i < 3; ++i)
        f.state->lists().numberSameNames(lists.makeList());
    QCOMPARE(lists.at(ListNumber(0)).sameNameNumber, 1);
    QCOMPARE(lists.at(ListNumber(1)).sameNameNumber, 2);
    QCOMPARE(lists.at(ListNumber(2)).sameNameNumber, 3);

    lists.renameList(ListNumber(1), QStringLiteral("other"));
    f.state->lists().numberSameNames(ListNumber(1));
    lists.renameList(ListNumber(1), QStringLiteral("ｸﾘｯﾌﾟ"));
    f.state->lists().numberSameNames(ListNumber(1));
    QCOMPARE(lists.at(ListNumber(1)).sameNameNumber, 2);
    QCOMPARE(lists.at(ListNumber(0)).sameNameNumber, 1);
    QCOMPARE(lists.at(ListNumber(2)).sameNameNumber, 3);
}

QTEST_GUILESS_MAIN(TestListCollection)
#include "tst_listcollection.moc"
