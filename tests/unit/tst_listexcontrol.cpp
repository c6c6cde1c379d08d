// Panes: shares when showing and closing, pane number reuse, bars, focus colours, focused and highlighted rows.
#include "FakePaneHost.h"
#include "model/ItemControl.h"
#include "model/ListControl.h"
#include "model/ListExControl.h"
#include "model/ListOb.h"
#include "model/QKPRGrobal.h"

#include <QtTest>

namespace {
QList<float> shares(ModelFixture &f)
{
    ListExControl &panes = f.grobal->listExControl();
    QList<float> out;
    for (qint16 pos = 0; pos < panes.UBEx(); ++pos)
        out << panes.lecListOb(panes.lecEx(pos)).Hper;
    return out;
}
QList<qint16> order(ModelFixture &f)
{
    ListExControl &panes = f.grobal->listExControl();
    QList<qint16> out;
    for (qint16 pos = 0; pos < panes.UBEx(); ++pos)
        out << panes.lecEx(pos);
    return out;
}
bool near(float a, float b) { return std::abs(a - b) < 1e-5f; }
} // namespace

class TestListExControl : public QObject {
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
    void setBlueClampsAndHighlightsOneRow_data();
    void setBlueClampsAndHighlightsOneRow();
    void setFocusLeavesHighlights();
};

void TestListExControl::rememberedShareRescalesOthers()
{
    ModelFixture f;
    f.showNewList();
    QCOMPARE(shares(f), QList<float>{1.0f});
    ListControl &lists = f.grobal->listControl();
    const qint16 second = lists.lcMakeList();
    lists.lcListOb(second).Hper = 0.25f;
    lists.lcExList(second);
    const QList<float> s = shares(f);
    QVERIFY2(near(s[0], 0.8f) && near(s[1], 0.2f), qPrintable(QString("%1 %2").arg(s[0]).arg(s[1])));
}

void TestListExControl::equalSharesWhenShowingAndClosing()
{
    ModelFixture f;
    f.showNewList();
    f.showNewList();
    QList<float> s = shares(f);
    QVERIFY(near(s[0], 0.5f) && near(s[1], 0.5f));
    f.showNewList();
    s = shares(f);
    QVERIFY(near(s[0], 1 / 3.0f) && near(s[1], 1 / 3.0f) && near(s[2], 1 / 3.0f));

    ListExControl &panes = f.grobal->listExControl();
    panes.lecUnExList(1);
    s = shares(f);
    QCOMPARE(s.size(), 2);
    QVERIFY(near(s[0], 0.5f) && near(s[1], 0.5f));
    QVERIFY(near(f.grobal->listControl().lcListOb(1).Hper, 1 / 3.0f));
    // The focus moves to the pane that took the closed one's place.
    QCOMPARE(panes.lecListFocus(), 2);

    // Shown again, the list comes back with its remembered third.
    f.grobal->listControl().lcExList(1);
    s = shares(f);
    QVERIFY(near(s[2], 1 / 3.0f / (1 + 1 / 3.0f)));
    QVERIFY(near(s[0] + s[1] + s[2], 1.0f));
}

void TestListExControl::closingTheWholeShareGivesTheTopPaneAll()
{
    ModelFixture f;
    f.showNewList();
    f.showNewList();
    ListExControl &panes = f.grobal->listExControl();
    panes.lecSetHper(0, 0.1f);
    panes.lecSetHper(1, 0.9995f);
    panes.lecUnExList(1);
    QCOMPARE(shares(f), QList<float>{1.0f});
    QCOMPARE(panes.lecListFocus(), 0); // the last pane closed: focus goes to the new last one

    // The last shown pane is never closed.
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("last shown pane"));
    panes.lecUnExList(0);
    QCOMPARE(panes.UBEx(), 1);
}

void TestListExControl::paneNumbersReusedOldestFirst()
{
    ModelFixture f;
    for (int i = 0; i < 4; ++i)
        f.showNewList();
    ListExControl &panes = f.grobal->listExControl();
    panes.lecUnExList(2);
    panes.lecUnExList(1);
    QCOMPARE(order(f), (QList<qint16>{0, 3}));
    QVERIFY(!f.host->isLoaded(2) && !f.host->isLoaded(1));
    f.showNewList();
    QCOMPARE(order(f), (QList<qint16>{0, 3, 2}));
    f.showNewList();
    QCOMPARE(order(f), (QList<qint16>{0, 3, 2, 1}));
    f.showNewList();
    QCOMPARE(order(f).last(), 4);
    QCOMPARE(panes.geteLx(3), 1);
    QCOMPARE(panes.geteLx(9), -1);
}

void TestListExControl::highestPaneNumberReturnsToSlotCount()
{
    ModelFixture f;
    for (int i = 0; i < 3; ++i)
        f.showNewList();
    ListExControl &panes = f.grobal->listExControl();
    panes.lecUnExList(2);
    QCOMPARE(panes.paneSlots(), 2);
    f.showNewList();
    QCOMPARE(order(f), (QList<qint16>{0, 1, 2}));

    // Pane 0's list box is only cleared and hidden.
    f.grobal->listControl().lcListOb(0).loItemControl().icMakeItem(0, QStringLiteral("x"));
    panes.lecUnExList(0);
    QVERIFY(f.host->isLoaded(0));
    QVERIFY(!f.host->box(0).visible);
    QVERIFY(f.host->box(0).rows.isEmpty());
    QCOMPARE(f.grobal->listControl().lcListOb(0).loItemControl().UB(), 1);
    f.grobal->listControl().lcExList(0);
    QCOMPARE(order(f), (QList<qint16>{1, 2, 0}));
}

void TestListExControl::barsAndPointersFollowThePanes()
{
    ModelFixture f;
    f.showNewList();
    QCOMPARE(f.host->barPointers, (QList<int>{0, 0}));
    f.showNewList();
    f.showNewList();
    // Every bar below a pane but the last can be dragged.
    QCOMPARE(f.host->barPointers, (QList<int>{0, 99, 99, 0}));
    f.grobal->listExControl().lecUnExList(1);
    QCOMPARE(f.host->barPointers, (QList<int>{0, 99, 0}));
    QVERIFY(f.host->resizes >= 4);
}

void TestListExControl::focusColoursFontAndTimerRule()
{
    ModelFixture f;
    ListControl &lists = f.grobal->listControl();
    const qint16 a = f.showNewList();
    const qint16 b = lists.lcMakeList();
    lists.lcListOb(b).FontSize = 14;
    lists.lcListOb(b).MovAdd = 1;
    lists.lcListOb(b).BackClrFcs = 0x123456;
    lists.lcExList(b);
    ListExControl &panes = f.grobal->listExControl();
    QCOMPARE(panes.lecListFocus(), 1);
    QCOMPARE(f.host->box(1).backColour(), Colour(0x123456));
    QCOMPARE(f.host->box(0).backColour(), lists.lcListOb(a).BackClr);
    QCOMPARE(f.host->fontSize, 14.0f);
    QCOMPARE(f.host->lastMovAdd, 1);

    panes.lecChaFocus(0);
    QCOMPARE(f.host->box(0).backColour(), lists.lcListOb(a).BackClrFcs);
    QCOMPARE(f.host->box(1).backColour(), lists.lcListOb(b).BackClr);
    QCOMPARE(quint32(f.host->box(1).foreColour()), 0x80000008u);
    QCOMPARE(f.host->fontSize, 9.0f);
    QCOMPARE(f.host->lastMovAdd, 0);
}

void TestListExControl::hiddenListComesBackWithTheRowsOfItsCapture()
{
    ModelFixture f;
    // Shown again while a 9-point list has the focus, the list's captions still fit its own font.
    f.host->widthFollowsFontSize = true;
    f.showNewList();
    ListControl &lists = f.grobal->listControl();
    const qint16 list = lists.lcMakeList();
    lists.lcListOb(list).FontSize = 14;
    lists.lcExList(list);
    ItemControl &items = lists.lcListOb(list).loItemControl();
    for (const char *t : {"hello", "two\r\nlines", "a text far too long for the width of its row", "to name"})
        items.icMakeItem(1, QString::fromLatin1(t));
    items.icNameItem(1, 0, QStringLiteral("a name longer than the caption width allows"));
    const QStringList captured = f.rows(1);
    QCOMPARE(captured.last(), QStringLiteral("hello [5]"));

    f.grobal->listExControl().lecUnExList(1);
    QCOMPARE(items.UB(), 4);
    lists.lcExList(list);
    QCOMPARE(f.rows(1), captured);
    QCOMPARE(f.host->box(1).fontName, QStringLiteral("ＭＳ Ｐゴシック"));
}

void TestListExControl::setBlueClampsAndHighlightsOneRow_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("expected");
    QTest::newRow("beyond last") << 9 << 2;
    QTest::newRow("negative") << -1 << 0;
    QTest::newRow("inside") << 1 << 1;
}

void TestListExControl::setBlueClampsAndHighlightsOneRow()
{
    QFETCH(int, row);
    QFETCH(int, expected);
    ModelFixture f;
    const qint16 list = f.showNewList();
    ItemControl &items = f.grobal->listControl().lcListOb(list).loItemControl();
    ListExControl &panes = f.grobal->listExControl();
    panes.lecItemSetBlue(0, 0); // empty list: nothing
    QCOMPARE(f.host->box(0).listIndex(), -1);
    for (const char *t : {"a", "b", "c"})
        items.icMakeItem(0, QString::fromLatin1(t));
    f.host->box(0).setSelected(0, true);
    f.host->box(0).setSelected(2, true);
    panes.lecItemSetBlue(0, qint16(row));
    QCOMPARE(f.host->box(0).listIndex(), expected);
    QCOMPARE(f.host->box(0).selectedRows(), QList<int>{expected});
    QCOMPARE(panes.lecItemGetFocus(0), expected);
}

void TestListExControl::setFocusLeavesHighlights()
{
    ModelFixture f;
    const qint16 list = f.showNewList();
    ItemControl &items = f.grobal->listControl().lcListOb(list).loItemControl();
    for (const char *t : {"a", "b", "c"})
        items.icMakeItem(0, QString::fromLatin1(t));
    f.host->box(0).setSelected(0, true);
    f.grobal->listExControl().lecItemSetFocus(0, 5);
    QCOMPARE(f.host->box(0).listIndex(), 2);
    QCOMPARE(f.host->box(0).selectedRows(), QList<int>{0});
}

QTEST_GUILESS_MAIN(TestListExControl)
#include "tst_listexcontrol.moc"
