// SPDX-License-Identifier: GPL-3.0-or-later
// Panes: shares when showing and closing, pane number reuse, bars, focus colours, focused and highlighted rows.
#include "FakePaneHost.h"
#include "model/ListItems.h"
#include "model/ListCollection.h"
#include "model/ListDisplay.h"
#include "model/ListRecord.h"
#include "model/ProgramState.h"

#include <QtTest>

namespace {
QList<float> shares(ModelFixture &f)
{
    ListDisplay &panes = f.state->display();
    QList<float> out;
    for (qint16 pos = 0; pos < panes.paneCount(); ++pos)
        out << panes.paneRecord(panes.paneAtPosition(pos)).heightShare;
    return out;
}
QList<qint16> order(ModelFixture &f)
{
    ListDisplay &panes = f.state->display();
    QList<qint16> out;
    for (qint16 pos = 0; pos < panes.paneCount(); ++pos)
        out << panes.paneAtPosition(pos).value();
    return out;
}
bool near(float a, float b) { return std::abs(a - b) < 1e-5f; }
} // namespace

class TestListDisplay : public QObject {
    Q_OBJECT
private slots:
    void rememberedShareRescalesOthers();
    void equalSharesWhenShowingAndClosing();
    void closingTheWholeShareGivesTheTopPaneAll();
    void paneNumbersReusedOldestFirst();
    void highestPaneNumberReturnsToSlotCount();
    void barsAndPointersFollowThePanes();
    void focusColoursFontAndTimerRule();
    void hiddenListComesBackWithTheRowsOfItsCapture();
    void highlightRowClampsAndHighlightsOneRow_data();
    void highlightRowClampsAndHighlightsOneRow();
    void setFocusLeavesHighlights();
};

void TestListDisplay::rememberedShareRescalesOthers()
{
    ModelFixture f;
    f.showNewList();
    QCOMPARE(shares(f), QList<float>{1.0f});
    ListCollection &lists = f.state->lists();
    const ListNumber second = lists.makeList();
    lists.at(ListNumber(second)).heightShare = 0.25f;
    f.state->display().showList(ListNumber(second));
    const QList<float> s = shares(f);
    QVERIFY2(near(s[0], 0.8f) && near(s[1], 0.2f), qPrintable(QString("%1 %2").arg(s[0]).arg(s[1])));
}

void TestListDisplay::equalSharesWhenShowingAndClosing()
{
    ModelFixture f;
    f.showNewList();
    f.showNewList();
    QList<float> s = shares(f);
    QVERIFY(near(s[0], 0.5f) && near(s[1], 0.5f));
    f.showNewList();
    s = shares(f);
    QVERIFY(near(s[0], 1 / 3.0f) && near(s[1], 1 / 3.0f) && near(s[2], 1 / 3.0f));

    ListDisplay &panes = f.state->display();
    panes.closePane(PaneNumber(1));
    s = shares(f);
    QCOMPARE(s.size(), 2);
    QVERIFY(near(s[0], 0.5f) && near(s[1], 0.5f));
    QVERIFY(near(f.state->lists().at(ListNumber(1)).heightShare, 1 / 3.0f));
    // The focus moves to the pane that took the closed one's place.
    QCOMPARE(panes.focusedPane(), 2);

    // Shown again, the list comes back with its remembered third.
    f.state->display().showList(ListNumber(1));
    s = shares(f);
    QVERIFY(near(s[2], 1 / 3.0f / (1 + 1 / 3.0f)));
    QVERIFY(near(s[0] + s[1] + s[2], 1.0f));
}

void TestListDisplay::closingTheWholeShareGivesTheTopPaneAll()
{
    ModelFixture f;
    f.showNewList();
    f.showNewList();
    ListDisplay &panes = f.state->display();
    panes.setHeightShare(PaneNumber(0), 0.1f);
    panes.setHeightShare(PaneNumber(1), 0.9995f);
    panes.closePane(PaneNumber(1));
    QCOMPARE(shares(f), QList<float>{1.0f});
    QCOMPARE(panes.focusedPane(), 0); // the last pane closed: focus goes to the new last one

    // The last shown pane is never closed.
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("last shown pane"));
    panes.closePane(PaneNumber(0));
    QCOMPARE(panes.paneCount(), 1);
}

void TestListDisplay::paneNumbersReusedOldestFirst()
{
    ModelFixture f;
    for (int i = 0; i < 4; ++i)
        f.showNewList();
    ListDisplay &panes = f.state->display();
    panes.closePane(PaneNumber(2));
    panes.closePane(PaneNumber(1));
    QCOMPARE(order(f), (QList<qint16>{0, 3}));
    QVERIFY(!f.host->isLoaded(PaneNumber(2)) && !f.host->isLoaded(PaneNumber(1)));
    f.showNewList();
    QCOMPARE(order(f), (QList<qint16>{0, 3, 2}));
    f.showNewList();
    QCOMPARE(order(f), (QList<qint16>{0, 3, 2, 1}));
    f.showNewList();
    QCOMPARE(order(f).last(), 4);
    QCOMPARE(panes.positionOf(PaneNumber(3)), 1);
    QCOMPARE(panes.positionOf(PaneNumber(9)), -1);
}

void TestListDisplay::highestPaneNumberReturnsToSlotCount()
{
    ModelFixture f;
    for (int i = 0; i < 3; ++i)
        f.showNewList();
    ListDisplay &panes = f.state->display();
    panes.closePane(PaneNumber(2));
    QCOMPARE(panes.paneSlotCount(), 2);
    f.showNewList();
    QCOMPARE(order(f), (QList<qint16>{0, 1, 2}));

    // Pane 0's list box is only cleared and hidden.
    f.state->lists().at(ListNumber(0)).items().addItem(QStringLiteral("x"));
    panes.closePane(PaneNumber(0));
    QVERIFY(f.host->isLoaded(PaneNumber(0)));
    QVERIFY(!f.host->box(PaneNumber(0)).visible);
    QVERIFY(f.host->box(PaneNumber(0)).rows().isEmpty());
    QCOMPARE(f.state->lists().at(ListNumber(0)).items().count(), 1);
    f.state->display().showList(ListNumber(0));
    QCOMPARE(order(f), (QList<qint16>{1, 2, 0}));
}

void TestListDisplay::barsAndPointersFollowThePanes()
{
    ModelFixture f;
    f.showNewList();
    QCOMPARE(f.host->barPointers, (QList<int>{0, 0}));
    f.showNewList();
    f.showNewList();
    // Every bar below a pane but the last can be dragged.
    QCOMPARE(f.host->barPointers, (QList<int>{0, 99, 99, 0}));
    f.state->display().closePane(PaneNumber(1));
    QCOMPARE(f.host->barPointers, (QList<int>{0, 99, 0}));
    QVERIFY(f.host->resizes >= 4);
}

void TestListDisplay::focusColoursFontAndTimerRule()
{
    ModelFixture f;
    ListCollection &lists = f.state->lists();
    const ListNumber a = f.showNewList();
    const ListNumber b = lists.makeList();
    lists.at(ListNumber(b)).fontSize = 14;
    lists.at(ListNumber(b)).focusMode = FocusMode::Stays;
    lists.at(ListNumber(b)).focusedBackColour = 0x123456;
    f.state->display().showList(ListNumber(b));
    ListDisplay &panes = f.state->display();
    QCOMPARE(panes.focusedPane(), 1);
    QCOMPARE(f.host->box(PaneNumber(1)).backColour(), Colour(0x123456));
    QCOMPARE(f.host->box(PaneNumber(0)).backColour(), lists.at(ListNumber(a)).backColour);
    QCOMPARE(f.host->fontSize, 14.0f);
    QCOMPARE(f.host->lastFocusMode, 1);

    panes.focusPane(PaneNumber(0));
    QCOMPARE(f.host->box(PaneNumber(0)).backColour(), lists.at(ListNumber(a)).focusedBackColour);
    QCOMPARE(f.host->box(PaneNumber(1)).backColour(), lists.at(ListNumber(b)).backColour);
    QCOMPARE(quint32(f.host->box(PaneNumber(1)).foreColour()), 0x80000008u);
    QCOMPARE(f.host->fontSize, 9.0f);
    QCOMPARE(f.host->lastFocusMode, 0);
}

void TestListDisplay::hiddenListComesBackWithTheRowsOfItsCapture()
{
    ModelFixture f;
    // Shown again while a 9-point list has the focus, the list's captions still fit its own font.
    f.host->widthFollowsFontSize = true;
    f.showNewList();
    ListCollection &lists = f.state->lists();
    const ListNumber list = lists.makeList();
    lists.at(list).fontSize = 14;
    f.state->display().showList(list);
    ListItems &items = lists.at(list).items();
    for (const char *t : {"hello", "two\r\nlines", "a text far too long for the width of its row", "to name"})
        items.addItem(QString::fromLatin1(t));
    items.nameItem(RowNumber(0), QStringLiteral("a name longer than the caption width allows"));
    const QStringList captured = f.rows(PaneNumber(1));
    QCOMPARE(captured.last(), QStringLiteral("hello [5]"));

    f.state->display().closePane(PaneNumber(1));
    QCOMPARE(items.count(), 4);
    f.state->display().showList(list);
    QCOMPARE(f.rows(PaneNumber(1)), captured);
    QCOMPARE(f.host->box(PaneNumber(1)).fontName, QStringLiteral("ＭＳ Ｐゴシック"));
}

void TestListDisplay::highlightRowClampsAndHighlightsOneRow_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("expected");
    QTest::newRow("beyond last") << 9 << 2;
    QTest::newRow("negative") << -1 << 0;
    QTest::newRow("inside") << 1 << 1;
}

void TestListDisplay::highlightRowClampsAndHighlightsOneRow()
{
    QFETCH(int, row);
    QFETCH(int, expected);
    ModelFixture f;
    const ListNumber list = f.showNewList();
    ListItems &items = f.state->lists().at(list).items();
    ListDisplay &panes = f.state->display();
    panes.highlightRow(PaneNumber(0), RowNumber(0)); // empty list: nothing
    QCOMPARE(f.host->box(PaneNumber(0)).focusedRow(), -1);
    for (const char *t : {"a", "b", "c"})
        items.addItem(QString::fromLatin1(t));
    f.host->box(PaneNumber(0)).setSelected(0, true);
    f.host->box(PaneNumber(0)).setSelected(2, true);
    panes.highlightRow(PaneNumber(0), RowNumber(qint16(row)));
    QCOMPARE(f.host->box(PaneNumber(0)).focusedRow(), expected);
    QCOMPARE(f.host->box(PaneNumber(0)).selectedRows(), QList<int>{expected});
    QCOMPARE(panes.focusedRow(PaneNumber(0)), expected);
}

void TestListDisplay::setFocusLeavesHighlights()
{
    ModelFixture f;
    const ListNumber list = f.showNewList();
    ListItems &items = f.state->lists().at(list).items();
    for (const char *t : {"a", "b", "c"})
        items.addItem(QString::fromLatin1(t));
    f.host->box(PaneNumber(0)).setSelected(0, true);
    f.state->display().setFocusedRow(PaneNumber(0), RowNumber(5));
    QCOMPARE(f.host->box(PaneNumber(0)).focusedRow(), 2);
    QCOMPARE(f.host->box(PaneNumber(0)).selectedRows(), QList<int>{0});
}

QTEST_GUILESS_MAIN(TestListDisplay)
#include "tst_listdisplay.moc"
