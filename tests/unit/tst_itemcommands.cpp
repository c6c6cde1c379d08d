// SPDX-License-Identifier: GPL-3.0-or-later
// Deleting, joining and moving the highlighted rows, with the item limit questions.
#include "FakePaneHost.h"
#include "ScriptedMessageBoxes.h"
#include "capture/ItemCommands.h"
#include "model/ListItems.h"
#include "model/ListCollection.h"
#include "model/ListDisplay.h"
#include "model/ListRecord.h"
#include "model/ProgramState.h"
#include "model/GlobalSettings.h"

#include <QtTest>

namespace {

using Answer = MessageBoxPort::Answer;

// Two lists shown in panes 0 and 1, captions equal to the texts.
struct Commands : ModelFixture {
    Commands()
    {
        for (int i = 0; i < 2; ++i) {
            const ListNumber list = showNewList();
            ListRecord &o = state->lists().at(list);
            o.captionByWidth = false;
            o.captionLength = 1000;
            o.showLength = false;
        }
    }
    ListRecord &list(PaneNumber pane) { return state->display().recordOfPane(pane); }
    ListItems &items(PaneNumber pane) { return list(pane).items(); }
    // Fills a pane so that its rows read as given, top first.
    void fill(PaneNumber pane, const QStringList &rowsTopFirst)
    {
        list(pane).itemLimit = 32767;
        for (auto t = rowsTopFirst.crbegin(); t != rowsTopFirst.crend(); ++t)
            items(pane).addItem(*t);
    }
    void highlight(PaneNumber pane, const QList<int> &rows, int focus)
    {
        FakeClipListBox &b = host->box(pane);
        for (int r : b.selectedRows())
            b.setSelected(r, false);
        for (int r : rows)
            b.setSelected(r, true);
        b.setFocusedRow(focus);
    }
    void focusPane(PaneNumber pane) { state->display().focusPane(pane); }
    QStringList store(PaneNumber pane)
    {
        QStringList words;
        for (qint16 i = 0; i < items(pane).count(); ++i)
            words << items(pane).at(ItemNumber(i)).text;
        return words;
    }
    void checkInStep(PaneNumber pane)
    {
        QStringList captions;
        for (const QString &w : rowWords(pane))
            captions << QString(w).replace(QStringLiteral("\r\n"), QStringLiteral("  "));
        for (qint16 r = 0; r < items(pane).rowCount(); ++r) {
            const ClipItem &shown = items(pane).at(items(pane).itemOfRow(RowNumber(r)));
            if (!shown.name.isEmpty())
                captions[r] = shown.name;
        }
        QCOMPARE(rows(pane), captions);
        QCOMPARE(items(pane).rowCount(), items(pane).count());
    }
    ScriptedMessageBoxes boxes;
    ItemCommands commands{state->lists(), state->display(), state->settings(), boxes};
};

} // namespace

class TestItemCommands : public QObject {
    Q_OBJECT
private slots:
    void deleteKeepsTheFocusOnItsItem();
    void deleteOfTheFocusedItemFocusesTheNext();
    void nothingHighlightedOrNoFocusChangesNothing();
    void joinInsertsAtTheFocusAndLosesNames();
    void dragWithinAListKeepsOrder_data();
    void dragWithinAListKeepsOrder();
    void moveBetweenListsKeepsNames();
    void moveOverTheLimit_data();
    void moveOverTheLimit();
};

void TestItemCommands::deleteKeepsTheFocusOnItsItem()
{
    Commands c;
    c.fill(PaneNumber(0), {"a", "b", "c", "d", "e"});
    c.focusPane(PaneNumber(0));
    QSignalSpy rowsChanged(&c.state->display().recordOfPane(PaneNumber(0)).items(), &ListItems::rowsRearranged);
    c.highlight(PaneNumber(0), {0, 2}, 3);
    c.commands.deleteItems();
    QCOMPARE(c.rows(PaneNumber(0)), (QStringList{"b", "d", "e"}));
    QCOMPARE(c.host->box(PaneNumber(0)).focusedRow(), 1); // still on "d"
    QCOMPARE(c.host->box(PaneNumber(0)).selectedRows(), QList<int>{1});
    QCOMPARE(c.store(PaneNumber(0)), (QStringList{"e", "d", "b"}));
    c.checkInStep(PaneNumber(0));
    QVERIFY(!rowsChanged.isEmpty());
}

void TestItemCommands::deleteOfTheFocusedItemFocusesTheNext()
{
    Commands c;
    c.fill(PaneNumber(0), {"a", "b", "c"});
    c.focusPane(PaneNumber(0));
    c.highlight(PaneNumber(0), {1, 2}, 2);
    c.commands.deleteItems();
    QCOMPARE(c.rows(PaneNumber(0)), QStringList{"a"});
    QCOMPARE(c.host->box(PaneNumber(0)).selectedRows(), QList<int>{0});
    c.highlight(PaneNumber(0), {0}, 0);
    c.commands.deleteItems();
    QVERIFY(c.rows(PaneNumber(0)).isEmpty());
    QCOMPARE(c.items(PaneNumber(0)).count(), 0);
}

void TestItemCommands::nothingHighlightedOrNoFocusChangesNothing()
{
    Commands c;
    c.fill(PaneNumber(0), {"a", "b"});
    c.fill(PaneNumber(1), {"x"});
    c.focusPane(PaneNumber(0));
    c.highlight(PaneNumber(0), {}, 1);
    c.commands.deleteItems();
    c.commands.joinItems();
    c.commands.setDragSource(PaneNumber(0));
    c.commands.setDropRow(RowNumber(0));
    c.commands.dropItems(PaneNumber(1));
    c.highlight(PaneNumber(0), {0}, -1);
    c.commands.deleteItems();
    c.commands.joinItems();
    QCOMPARE(c.rows(PaneNumber(0)), (QStringList{"a", "b"}));
    QCOMPARE(c.rows(PaneNumber(1)), QStringList{"x"});
}

void TestItemCommands::joinInsertsAtTheFocusAndLosesNames()
{
    Commands c;
    c.fill(PaneNumber(0), {"r0", "r1\r\n", "r2", "r3", "r4"});
    c.items(PaneNumber(0)).nameItem(RowNumber(3), QStringLiteral("named"));
    c.focusPane(PaneNumber(0));
    c.highlight(PaneNumber(0), {1, 3}, 2);
    c.commands.joinItems();
    QCOMPARE(c.rowWords(PaneNumber(0)), (QStringList{"r0", "r1\r\nr3", "r2", "r4"}));
    QCOMPARE(c.rows(PaneNumber(0)).at(1), QStringLiteral("r1  r3"));
    QCOMPARE(c.host->box(PaneNumber(0)).selectedRows(), QList<int>{1});
    QCOMPARE(c.host->box(PaneNumber(0)).focusedRow(), 1);
    QVERIFY(c.items(PaneNumber(0)).at(c.items(PaneNumber(0)).itemOfRow(RowNumber(1))).name.isEmpty());
    QCOMPARE(c.store(PaneNumber(0)).last(), QStringLiteral("r1\r\nr3"));
    c.checkInStep(PaneNumber(0));

    // Joining the last rows with the focus on the last one.
    c.highlight(PaneNumber(0), {2, 3}, 3);
    c.commands.joinItems();
    QCOMPARE(c.rowWords(PaneNumber(0)), (QStringList{"r0", "r1\r\nr3", "r2r4"}));
    c.checkInStep(PaneNumber(0));
}

void TestItemCommands::dragWithinAListKeepsOrder_data()
{
    QTest::addColumn<QList<int>>("dragged");
    QTest::addColumn<int>("dropRow");
    QTest::addColumn<QStringList>("rows");
    QTest::newRow("down onto row 4") << QList<int>{0, 1} << 4 << QStringList{"c", "d", "a", "b", "e"};
    QTest::newRow("up onto row 0") << QList<int>{2, 4} << 0 << QStringList{"c", "e", "a", "b", "d"};
    QTest::newRow("onto a dragged row") << QList<int>{1, 2} << 2 << QStringList{"a", "b", "c", "d", "e"};
    QTest::newRow("below the last row") << QList<int>{0} << 9 << QStringList{"b", "c", "d", "e", "a"};
}

void TestItemCommands::dragWithinAListKeepsOrder()
{
    QFETCH(QList<int>, dragged);
    QFETCH(int, dropRow);
    QFETCH(QStringList, rows);
    Commands c;
    c.fill(PaneNumber(0), {"a", "b", "c", "d", "e"});
    c.items(PaneNumber(0)).nameItem(RowNumber(0), QStringLiteral("A"));
    const QStringList storeBefore = c.store(PaneNumber(0));
    c.highlight(PaneNumber(0), dragged, dragged.first());
    c.commands.setDragSource(PaneNumber(0));
    c.commands.setDropRow(RowNumber(dropRow));
    c.commands.dropItems(PaneNumber(0));
    QCOMPARE(c.rowWords(PaneNumber(0)), rows);
    QCOMPARE(c.store(PaneNumber(0)), storeBefore); // items stay where they were in the store
    QCOMPARE(c.items(PaneNumber(0)).rowCount(), 5);
    QCOMPARE(c.host->box(PaneNumber(0)).selectedRows().size(), 1);
    // A named item keeps showing its name wherever it goes.
    QVERIFY(c.rows(PaneNumber(0)).contains(QStringLiteral("A")));
}

void TestItemCommands::moveBetweenListsKeepsNames()
{
    Commands c;
    c.fill(PaneNumber(0), {"a", "b", "c"});
    c.fill(PaneNumber(1), {"x", "y"});
    c.items(PaneNumber(0)).nameItem(RowNumber(1), QStringLiteral("bee"));
    c.highlight(PaneNumber(0), {0, 1}, 1);
    c.commands.setDragSource(PaneNumber(0));
    c.commands.setDropRow(RowNumber(1));
    c.commands.dropItems(PaneNumber(1));
    QCOMPARE(c.rowWords(PaneNumber(1)), (QStringList{"x", "a", "b", "y"}));
    QCOMPARE(c.rows(PaneNumber(1)), (QStringList{"x", "a", "bee", "y"}));
    QCOMPARE(c.rows(PaneNumber(0)), QStringList{"c"});
    QCOMPARE(c.host->box(PaneNumber(0)).focusedRow(), 0);
    // Moved items are new in the target: appended to its store last to first.
    QCOMPARE(c.store(PaneNumber(1)), (QStringList{"y", "x", "b", "a"}));
    QCOMPARE(c.commands.dragSource(), 1);
    QCOMPARE(c.host->box(PaneNumber(1)).selectedRows(), QList<int>{1});
    c.checkInStep(PaneNumber(0));
    QCOMPARE(c.items(PaneNumber(1)).rowCount(), c.items(PaneNumber(1)).count());
}

void TestItemCommands::moveOverTheLimit_data()
{
    QTest::addColumn<bool>("addDelete");
    QTest::addColumn<bool>("ask");
    QTest::addColumn<int>("answer"); // -1: no question expected
    QTest::addColumn<int>("targetCount");
    QTest::addColumn<int>("sourceCount");
    QTest::addColumn<int>("targetFromSource");
    QTest::newRow("keep, no question") << false << false << -1 << 10 << 3 << 2;
    QTest::newRow("keep, asked, OK") << false << true << int(Answer::Ok) << 10 << 3 << 2;
    QTest::newRow("keep, asked, cancel") << false << true << int(Answer::Cancel) << 8 << 5 << 0;
    QTest::newRow("delete, no question") << true << false << -1 << 10 << 0 << 5;
    QTest::newRow("delete, asked, yes") << true << true << int(Answer::Yes) << 10 << 0 << 5;
    QTest::newRow("delete, asked, no") << true << true << int(Answer::No) << 8 << 5 << 0;
}

void TestItemCommands::moveOverTheLimit()
{
    QFETCH(bool, addDelete);
    QFETCH(bool, ask);
    QFETCH(int, answer);
    QFETCH(int, targetCount);
    QFETCH(int, sourceCount);
    QFETCH(int, targetFromSource);
    Commands c;
    c.fill(PaneNumber(0), {"s0", "s1", "s2", "s3", "s4"});
    c.fill(PaneNumber(1), {"t0", "t1", "t2", "t3", "t4", "t5", "t6", "t7"});
    c.list(PaneNumber(1)).itemLimit = 10;
    GlobalSettings &settings = c.state->settings();
    settings.dropOverflowOnMove = addDelete;
    settings.warnOnOverflow = ask;
    if (answer >= 0)
        c.boxes.willAnswer(Answer(answer));
    c.highlight(PaneNumber(0), {0, 1, 2, 3, 4}, 0);
    c.commands.setDragSource(PaneNumber(0));
    c.commands.setDropRow(RowNumber(0));
    const QStringList sourceBefore = c.rows(PaneNumber(0)), targetBefore = c.rows(PaneNumber(1));
    c.commands.dropItems(PaneNumber(1));

    QCOMPARE(c.items(PaneNumber(1)).count(), targetCount);
    QCOMPARE(c.items(PaneNumber(0)).count(), sourceCount);
    int fromSource = 0;
    for (const QString &w : c.rowWords(PaneNumber(1)))
        fromSource += w.startsWith('s');
    QCOMPARE(fromSource, targetFromSource);
    QVERIFY(c.boxes.allAnswered());
    if (answer < 0) {
        QVERIFY(c.boxes.asked.isEmpty());
    } else {
        QCOMPARE(c.boxes.asked.size(), 1);
        const auto &q = c.boxes.asked.first();
        QCOMPARE(q.title, QStringLiteral("Arlen.T.K. QuillKeeper"));
        QCOMPARE(q.icon, MessageBoxPort::Icon::Question);
        QCOMPARE(q.buttons, addDelete ? MessageBoxPort::Buttons::YesNo : MessageBoxPort::Buttons::OkCancel);
        QCOMPARE(q.text, addDelete ? QStringLiteral("移動させると、上限項目数を超えます。\r\nあふれた項目を削除しますか?")
                                   : QStringLiteral("移動させると、上限項目数を超えるため、\r\nあふれた項目は移動しません。\r\nよろしいですか?"));
    }
    if (targetFromSource == 0) {
        // Cancelled: both lists as they were, the target focused at the drop row all the same.
        QCOMPARE(c.rows(PaneNumber(0)), sourceBefore);
        QCOMPARE(c.rows(PaneNumber(1)), targetBefore);
        QCOMPARE(c.host->box(PaneNumber(1)).selectedRows(), QList<int>{0});
    } else if (!addDelete) {
        // The first ones in row order went; the rest stayed.
        QCOMPARE(c.rowWords(PaneNumber(1)).mid(0, 2), (QStringList{"s0", "s1"}));
        QCOMPARE(c.rowWords(PaneNumber(0)), (QStringList{"s2", "s3", "s4"}));
    } else {
        // All went; the target dropped three of its own rows from its far end (new items on top).
        QCOMPARE(c.rowWords(PaneNumber(1)), (QStringList{"s0", "s1", "s2", "s3", "s4", "t0", "t1", "t2", "t3", "t4"}));
    }
    c.checkInStep(PaneNumber(0));
    c.checkInStep(PaneNumber(1));
}

QTEST_GUILESS_MAIN(TestItemCommands)
#include "tst_itemcommands.moc"
