// SPDX-License-Identifier: GPL-3.0-or-later
// Capture and copy-back against an in-memory clipboard: what counts as new, splitting, placement,
// the lamp, the capture switch and the timer rule.
#include "FakeClipboard.h"
#include "FakePaneHost.h"
#include "capture/ClipboardWatcher.h"
#include "model/ListItems.h"
#include "model/ListCollection.h"
#include "model/ListDisplay.h"
#include "model/ListRecord.h"
#include "model/ProgramState.h"
#include "model/GlobalSettings.h"

#include <QRandomGenerator>
#include <array>
#include <QtTest>

namespace {

struct Capture : ModelFixture {
    Capture()
    {
        list = showNewList();
        options().captionByWidth = false;
        options().captionLength = 1000;
        options().showLength = false;
        QObject::connect(&watcher, &ClipboardWatcher::clipboardLooked, [this](bool captured) { looks << captured; });
        watcher.setCapturing(true);
    }
    ListRecord &options() { return state->lists().at(list); }
    ListItems &items() { return options().items(); }
    ListDisplay &panes() { return state->display(); }
    void copy(const QString &text)
    {
        clipboard.setPlainText(text);
        watcher.tick();
    }
    QList<int> highlighted() { return host->box(PaneNumber(0)).selectedRows(); }

    FakeClipboard clipboard;
    ClipboardWatcher watcher{state->lists(), state->display(), state->settings(), clipboard};
    QList<bool> looks; // what each tick found: a new text or not
    bool timerRunning() const { return watcher.timer().isActive(); }
    ListNumber list{0};
};

} // namespace

class TestCapture : public QObject {
    Q_OBJECT
private slots:
    void newTextsBecomeItems();
    void emptyAndMissingTextAndTheLamp();
    void secretContentIsNeverCaptured();
    void richTextFollowsTheSetting();
    void splitting_data();
    void splitting();
    void splitIntoAFullListKeepsTheLastPieces_data();
    void splitIntoAFullListKeepsTheLastPieces();
    void skippingPiecesMatchesAddingThemAll();
    void placementAndHighlight_data();
    void placementAndHighlight();
    void copyBackIsNeverCapturedAgain();
    void clickHonoursTheTextWindow();
    void timerRule();
    void offeredTextsAreCapturedAsTheyArrive();
    void grownMouseSelectionsReplaceTheirItem();
};

void TestCapture::newTextsBecomeItems()
{
    Capture c;
    c.clipboard.setPlainText(QStringLiteral("already there"));
    c.watcher.tick(); // the first tick takes what is on the clipboard
    c.copy(QStringLiteral("A"));
    c.copy(QStringLiteral("B"));
    c.copy(QStringLiteral("A"));
    c.copy(QStringLiteral("A"));
    c.watcher.tick();
    QCOMPARE(c.rows(PaneNumber(0)), (QStringList{"A", "B", "A", "already there"}));
    QCOMPARE(c.highlighted(), QList<int>{0});
    QCOMPARE(c.panes().focusedRow(PaneNumber(0)), 0);
    QCOMPARE(c.watcher.lastClipboardText(), QStringLiteral("A"));

    // Stopped, nothing is taken; on again, the text waiting is.
    c.watcher.setCapturing(false);
    c.copy(QStringLiteral("while stopped"));
    QCOMPARE(c.items().count(), 4);
    c.watcher.setCapturing(true);
    c.watcher.tick();
    QCOMPARE(c.rows(PaneNumber(0)).first(), QStringLiteral("while stopped"));
}

void TestCapture::emptyAndMissingTextAndTheLamp()
{
    Capture c;
    c.copy(QStringLiteral("lit"));
    c.copy(QString()); // text that reads as empty: nothing, and no word to the lamp
    QCOMPARE(c.items().count(), 1);
    c.clipboard.clear(); // only an image, say
    c.watcher.tick();
    c.copy(QStringLiteral("again"));
    c.watcher.tick(); // nothing new
    QCOMPARE(c.looks, (QList<bool>{true, false, true, false}));
    QCOMPARE(c.items().count(), 2);
}

void TestCapture::secretContentIsNeverCaptured()
{
    Capture c;
    c.copy(QStringLiteral("before"));
    c.clipboard.setPlainText(QStringLiteral("hunter2"));
    c.clipboard.setSecret(true);
    c.watcher.tick();
    c.watcher.tick();
    QCOMPARE(c.rows(PaneNumber(0)), QStringList{"before"});
    QVERIFY(!c.watcher.lastClipboardText().contains(QStringLiteral("hunter2")));
    QCOMPARE(c.looks.mid(1), (QList<bool>{false, false}));
}

void TestCapture::richTextFollowsTheSetting()
{
    Capture c;
    c.state->settings().richText = true;
    c.copy(QStringLiteral("plain only"));
    QCOMPARE(c.items().count(), 0);
    const QString rtf = QStringLiteral("{\\rtf1 bold}");
    c.clipboard.setPlainText(QStringLiteral("bold"));
    c.clipboard.setRichText(rtf);
    c.watcher.tick();
    QCOMPARE(c.rows(PaneNumber(0)), QStringList{rtf});

    // Copied back, it goes out as rich text.
    c.panes().highlightRow(PaneNumber(0), RowNumber(0));
    c.watcher.clickItem(PaneNumber(0));
    QCOMPARE(c.clipboard.writes().last(), (FakeClipboard::Write{rtf, true}));
}

void TestCapture::splitting_data()
{
    QTest::addColumn<bool>("atLineBreaks");
    QTest::addColumn<QString>("letter");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("rows"); // top first, new items on top
    QTest::newRow("two lines") << true << "." << "one\r\ntwo\r\n" << QStringList{"", "two\r\n", "one\r\n"};
    QTest::newRow("no letter in text") << false << "." << "no dot here" << QStringList{"no dot here"};
    QTest::newRow("at a letter") << false << "." << "a.b.c" << QStringList{"c", "b.", "a."};
    QTest::newRow("empty letter splits at line breaks") << false << "" << "x\r\ny" << QStringList{"y", "x\r\n"};
    QTest::newRow("lone line feeds stay") << true << "." << "x\ny" << QStringList{"x\ny"};
    QTest::newRow("longer letter") << false << "--" << "a--b-c" << QStringList{"b-c", "a--"};
}

void TestCapture::splitting()
{
    QFETCH(bool, atLineBreaks);
    QFETCH(QString, letter);
    QFETCH(QString, text);
    QFETCH(QStringList, rows);
    Capture c;
    GlobalSettings &settings = c.state->settings();
    settings.splitCaptures = true;
    settings.splitAtLineBreaks = atLineBreaks;
    settings.splitString = letter;
    c.copy(text);
    QCOMPARE(c.rowWords(PaneNumber(0)), rows);
    QCOMPARE(c.highlighted(), QList<int>{0});
}

void TestCapture::splitIntoAFullListKeepsTheLastPieces_data()
{
    QTest::addColumn<bool>("addAtFocus");
    QTest::addColumn<QStringList>("rows"); // top first
    QTest::newRow("at the top") << false << QStringList{"e", "d\r\n", "c\r\n"};
    // The first piece goes to the bottom and is focused; the others line up above it.
    QTest::newRow("pinned, no focus before") << true << QStringList{"d\r\n", "e", "a\r\n"};
}

void TestCapture::splitIntoAFullListKeepsTheLastPieces()
{
    QFETCH(bool, addAtFocus);
    QFETCH(QStringList, rows);
    Capture c;
    c.state->settings().splitCaptures = true;
    c.options().itemLimit = 3;
    c.options().addAtFocus = addAtFocus;
    c.options().addAtBottom = addAtFocus;
    c.copy(QStringLiteral("a\r\nb\r\nc\r\nd\r\ne"));
    QCOMPARE(c.rowWords(PaneNumber(0)), rows);
    QCOMPARE(c.items().count(), 3);
}

void TestCapture::skippingPiecesMatchesAddingThemAll()
{
    // A split adds only the pieces that can stay; the result must be that of adding every piece.
    QRandomGenerator rng(7);
    for (int round = 0; round < 2000; ++round) {
        const int limit = int(rng.bounded(7)); // a limit of 0 keeps one item
        const int held = std::array{0, limit, int(rng.bounded(9))}[rng.bounded(3)]; // may exceed the limit
        const int focus = held > 0 && rng.bounded(2) ? int(rng.bounded(held)) : -1;
        const int pieces = 1 + rng.bounded(12);
        QStringList lines;
        for (int i = 0; i < pieces; ++i)
            lines << QStringLiteral("p%1").arg(i);
        const QString text = lines.join(QStringLiteral("\r\n"));

        Capture split, oneByOne;
        for (Capture *c : {&split, &oneByOne}) {
            QRandomGenerator same(round);
            ListRecord &options = c->options();
            options.addAtBottom = same.bounded(2);
            options.addAtFocus = same.bounded(2);
            options.focusMode = FocusMode(same.bounded(2));
            options.itemLimit = 32767;
            for (int i = 0; i < held; ++i)
                c->items().addItem(QStringLiteral("old%1").arg(i));
            options.itemLimit = qint16(limit);
            for (int i = 0; i < held; ++i)
                c->host->box(PaneNumber(0)).setSelected(i, same.bounded(2));
            c->host->box(PaneNumber(0)).setFocusedRow(focus);
        }
        split.state->settings().splitCaptures = true;
        split.watcher.itemMaker().makeItems(PaneNumber(0), split.list, text);
        for (int i = 0; i < pieces; ++i)
            oneByOne.watcher.itemMaker().addOneItem(PaneNumber(0), oneByOne.list,
                                                      lines[i] + (i + 1 < pieces ? QStringLiteral("\r\n") : QString()));
        QCOMPARE(split.rowWords(PaneNumber(0)), oneByOne.rowWords(PaneNumber(0)));
        QCOMPARE(split.rows(PaneNumber(0)), oneByOne.rows(PaneNumber(0)));
        QCOMPARE(split.highlighted(), oneByOne.highlighted());
        QCOMPARE(split.panes().focusedRow(PaneNumber(0)), oneByOne.panes().focusedRow(PaneNumber(0)));
        QCOMPARE(split.items().count(), oneByOne.items().count());
        for (qint16 i = 0; i < split.items().count(); ++i)
            QCOMPARE(split.items().at(ItemNumber(i)).text, oneByOne.items().at(ItemNumber(i)).text);
    }
}

void TestCapture::placementAndHighlight_data()
{
    QTest::addColumn<bool>("addAtFocus");
    QTest::addColumn<bool>("addAtBottom");
    QTest::addColumn<int>("focus");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<int>("highlighted");
    // Rows before: C B A (top first), then "X" and "Y" are captured in that order.
    QTest::newRow("top") << false << false << 1 << QStringList{"Y", "X", "C", "B", "A"} << 0;
    QTest::newRow("bottom") << false << true << 1 << QStringList{"C", "B", "A", "X", "Y"} << 4;
    QTest::newRow("at focus, keeping it") << true << true << 1 << QStringList{"C", "X", "Y", "B", "A"} << 3;
    QTest::newRow("at focus, following the new") << true << false << 1 << QStringList{"C", "Y", "X", "B", "A"} << 1;
    QTest::newRow("at focus but none") << true << false << -1 << QStringList{"Y", "X", "C", "B", "A"} << 0;
}

void TestCapture::placementAndHighlight()
{
    QFETCH(bool, addAtFocus);
    QFETCH(bool, addAtBottom);
    QFETCH(int, focus);
    QFETCH(QStringList, rows);
    QFETCH(int, highlighted);
    Capture c;
    for (const char *t : {"A", "B", "C"})
        c.items().addItem(QString::fromLatin1(t));
    c.options().addAtFocus = addAtFocus;
    c.options().addAtBottom = addAtBottom;
    c.host->box(PaneNumber(0)).setFocusedRow(focus);
    c.copy(QStringLiteral("X"));
    c.copy(QStringLiteral("Y"));
    QCOMPARE(c.rowWords(PaneNumber(0)), rows);
    QCOMPARE(c.highlighted(), QList<int>{highlighted});
    QCOMPARE(c.panes().focusedRow(PaneNumber(0)), highlighted);
}

void TestCapture::copyBackIsNeverCapturedAgain()
{
    Capture c;
    c.copy(QStringLiteral("first"));
    c.copy(QStringLiteral("second"));
    c.items().nameItem(RowNumber(1), QStringLiteral("a name"));
    c.panes().highlightRow(PaneNumber(0), RowNumber(1));
    c.watcher.clickItem(PaneNumber(0));
    // The text goes back, never the name.
    QCOMPARE(c.clipboard.writes().last(), (FakeClipboard::Write{"first", false}));
    QCOMPARE(c.watcher.lastClipboardText(), QStringLiteral("first"));
    for (int tick = 0; tick < 5; ++tick)
        c.watcher.tick();
    QCOMPARE(c.items().count(), 2);

    // Text put there by another program while ours is on the clipboard is seen as new.
    c.copy(QStringLiteral("elsewhere"));
    QCOMPARE(c.items().count(), 3);

    // Marking the clipboard as seen skips what is there now.
    c.clipboard.setPlainText(QStringLiteral("skip me"));
    c.watcher.markClipboardSeen();
    c.watcher.tick();
    QCOMPARE(c.items().count(), 3);
}

void TestCapture::clickHonoursTheTextWindow()
{
    Capture c;
    c.watcher.clickItem(PaneNumber(0)); // empty list: nothing
    QVERIFY(c.clipboard.writes().isEmpty());
    c.copy(QStringLiteral("one"));
    c.copy(QStringLiteral("two"));
    c.items().nameItem(RowNumber(1), QStringLiteral("named"));
    QSignalSpy clicked(&c.watcher, &ClipboardWatcher::itemClicked);

    c.watcher.setTextWindowEditing(true); // unsaved edits: the click does nothing
    c.panes().highlightRow(PaneNumber(0), RowNumber(1));
    c.watcher.clickItem(PaneNumber(0));
    QVERIFY(c.clipboard.writes().isEmpty());
    QVERIFY(clicked.isEmpty());

    c.watcher.setTextWindowEditing(false);
    c.watcher.clickItem(PaneNumber(0));
    QCOMPARE(clicked.size(), 1);
    const QVariantList &click = clicked[0]; // pane, list, row, item
    QCOMPARE(click[0].value<PaneNumber>(), PaneNumber(0));
    QCOMPARE(click[1].value<ListNumber>(), ListNumber(0));
    QCOMPARE(click[2].value<RowNumber>(), RowNumber(1));
    QCOMPARE(click[3].value<ItemNumber>(), ItemNumber(0));

    // A capture into the text window's pane means its item may have moved.
    QSignalSpy rowsChanged(&c.panes().recordOfPane(PaneNumber(0)).items(), &ListItems::rowsRearranged);
    c.copy(QStringLiteral("three"));
    QVERIFY(!rowsChanged.isEmpty());
}

void TestCapture::timerRule()
{
    Capture c;
    QVERIFY(c.timerRunning());
    const int timerId = c.watcher.timer().timerId();
    c.watcher.setCapturing(true); // a running timer is not restarted
    QCOMPARE(c.watcher.timer().timerId(), timerId);
    QSignalSpy toolbar(&c.watcher, &ClipboardWatcher::capturingShown);
    QSignalSpy caption(&c.watcher, &ClipboardWatcher::captureSwitched);
    c.options().focusMode = FocusMode::Stays;
    c.watcher.setCapturing(false);
    QVERIFY(!c.timerRunning());
    QVERIFY(!c.watcher.capturing());
    QCOMPARE(toolbar.takeFirst().first().toBool(), false);

    // A list that steps at screen edges needs the timer even while capture is off.
    const ListNumber second = c.state->lists().makeList();
    c.state->lists().at(ListNumber(second)).focusMode = FocusMode::MovesAtScreenEdges;
    c.state->display().showList(ListNumber(second));
    c.watcher.followFocusedList(FocusMode::MovesAtScreenEdges);
    QVERIFY(c.timerRunning());
    c.watcher.followFocusedList(FocusMode::Stays);
    QVERIFY(!c.timerRunning());

    QSignalSpy stepped(&c.watcher, &ClipboardWatcher::edgeTick);
    c.watcher.followFocusedList(FocusMode::MovesAtScreenEdges);
    c.copy(QStringLiteral("not captured"));
    QCOMPARE(stepped.size(), 1);
    QCOMPARE(c.state->lists().at(ListNumber(second)).items().count(), 0);

    // Remote switching leaves the toolbar alone until it is re-applied.
    c.watcher.setCapturingFromElsewhere(true);
    QVERIFY(c.timerRunning() && c.watcher.capturing());
    QVERIFY(toolbar.isEmpty());
    c.watcher.restoreCapture();
    QCOMPARE(toolbar.takeFirst().first().toBool(), true);
    // Every switch reaches the text window's caption.
    QCOMPARE(caption.size(), 2);
    QCOMPARE(caption.last().first().toBool(), true);
}

void TestCapture::offeredTextsAreCapturedAsTheyArrive()
{
    Capture c;
    c.clipboard.setPushing(true);
    c.watcher.setCapturing(true);
    QVERIFY(c.clipboard.watching);
    // Three copies between two ticks: three items, in order, without a read.
    for (const char *text : {"one", "two", "three"})
        c.clipboard.offer(QString::fromLatin1(text));
    c.clipboard.offer(QStringLiteral("three")); // the same again: nothing new
    c.clipboard.offer(QString());               // no text: nothing
    QCOMPARE(c.rows(PaneNumber(0)), (QStringList{"three", "two", "one"}));
    QCOMPARE(c.clipboard.readCount(), 0);
    // The lamp lights at the capture and stays lit until a tick with nothing new.
    c.watcher.tick();
    c.watcher.tick();
    QCOMPARE(c.looks, (QList<bool>{true, true, true, false}));

    // An owner that did not answer is asked again on the next tick, once.
    c.clipboard.fail();
    c.watcher.tick();
    c.watcher.tick();
    QCOMPARE(c.clipboard.retries, 1);
    // Rich text switched on: the next tick reads the content again, as rich text.
    c.state->settings().richText = true;
    c.watcher.tick();
    QVERIFY(c.clipboard.watching && c.clipboard.watchingRich);
    QCOMPARE(c.clipboard.retries, 2);

    // Capture stopped reads nothing, and a text that arrives late is not taken.
    c.watcher.setCapturing(false);
    QVERIFY(!c.clipboard.watching);
    c.clipboard.offer(QStringLiteral("while stopped"));
    QCOMPARE(c.items().count(), 3);
}

void TestCapture::grownMouseSelectionsReplaceTheirItem()
{
    Capture c;
    c.clipboard.setPushing(true);
    c.watcher.setCapturing(true);
    const CopySource selected{QStringLiteral("xterm"), true};
    c.clipboard.offer(QStringLiteral("beta"), selected);
    c.clipboard.offer(QStringLiteral("beta gamma"), selected);       // grown at the end
    c.clipboard.offer(QStringLiteral("alpha beta gamma"), selected); // and at the start
    QCOMPARE(c.rows(PaneNumber(0)), QStringList{"alpha beta gamma"});
    QCOMPARE(c.items().data(c.items().index(0), Qt::ToolTipRole).toString(), QStringLiteral("ｺﾋﾟｰ元: xterm"));
    c.clipboard.offer(QStringLiteral("delta"), selected); // made anew elsewhere
    // A copy in between: a selection growing from it is an item of its own.
    c.clipboard.offer(QStringLiteral("copied"));
    c.clipboard.offer(QStringLiteral("copied more"), selected);
    // Its item deleted meanwhile, growing the selection does not bring it back in place.
    c.items().deleteItem(RowNumber(0));
    c.clipboard.offer(QStringLiteral("copied more still"), selected);
    QCOMPARE(c.rows(PaneNumber(0)), (QStringList{"copied more still", "copied", "delta", "alpha beta gamma"}));
}

QTEST_GUILESS_MAIN(TestCapture)
#include "tst_capture.moc"
