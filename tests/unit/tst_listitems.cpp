// SPDX-License-Identifier: GPL-3.0-or-later
// Items and rows: the item limit, pinned inserts, names, deletion, captions in both modes.
#include "FakePaneHost.h"
#include "model/CaptionBuilder.h"
#include "model/ListItems.h"
#include "model/ListCollection.h"
#include "model/ListDisplay.h"
#include "model/ListRecord.h"
#include "model/ProgramState.h"

#include <QRandomGenerator>
#include <QtTest>

namespace {

// A pane number where a row is due, or a plain integer, does not compile.
template <typename Pane, typename Row>
concept RemovesRow = requires(ListItems &items, Pane pane, Row row) { items.removeRow(row); };
static_assert(RemovesRow<PaneNumber, RowNumber> && !RemovesRow<RowNumber, PaneNumber> && !RemovesRow<PaneNumber, int>);

// A list in pane 0 whose captions are the texts themselves, so rows read plainly.
struct PlainList : ModelFixture {
    explicit PlainList(qint16 upperCount = 32, bool addAtBottom = false)
    {
        list = showNewList();
        ListRecord &options = state->lists().at(list);
        options.captionByWidth = false;
        options.captionLength = 1000;
        options.showLength = false;
        options.itemLimit = upperCount;
        options.addAtBottom = addAtBottom;
    }
    ListItems &items() { return state->lists().at(list).items(); }
    void add(const QStringList &texts)
    {
        for (const QString &t : texts)
            items().addItem(t);
    }
    // Store, row map and list box agree: every row shows its item, every item has one row.
    void checkInStep()
    {
        QCOMPARE(rows(PaneNumber(0)), rowWords(PaneNumber(0)));
        QCOMPARE(items().rowCount(), items().count());
        QList<qint16> shown;
        for (qint16 r = 0; r < items().rowCount(); ++r)
            shown << items().itemOfRow(RowNumber(r)).value();
        std::sort(shown.begin(), shown.end());
        for (qint16 i = 0; i < shown.size(); ++i)
            QCOMPARE(shown[i], i);
    }
    QStringList storeOrder()
    {
        QStringList words;
        for (qint16 i = 0; i < items().count(); ++i)
            words << items().at(ItemNumber(i)).text;
        return words;
    }
    ListNumber list{0};
};

// Widths that differ per character, to catch a caption that measures the wrong prefix.
class UnevenWidth : public TextWidth {
public:
    double textWidth(QStringView text) const override
    {
        double w = 0;
        for (QChar c : text)
            w += 3 + c.unicode() % 7;
        return w;
    }
};

// The caption rule written the slow, obvious way: measure the whole growing caption each time.
QString referenceFit(const QString &text, int width, const QString &s, const TextWidth &meter)
{
    QString b;
    for (qsizetype i = 1; i <= text.size(); ++i) {
        b += text.at(i - 1);
        if (b.endsWith(QStringLiteral("\r\n"))) {
            b.chop(2);
            b += s;
        }
        if (meter.textWidth(QString(b + QStringLiteral("..."))) > width)
            return b.left(i - 1) + QStringLiteral("...");
    }
    return b;
}

} // namespace

class TestListItems : public QObject {
    Q_OBJECT
private slots:
    void limitDropsFarEnd_data();
    void limitDropsFarEnd();
    void pinnedInsertIntoFullList();
    void pinnedInsertAtBottomOfFullList();
    void overfullListKeepsItsSize();
    void deleteKeepsStoreAndRowsInStep();
    void outOfRangeChangesNothing();
    void namesReplaceCaptions();
    void reNewAndClear();
    void lengthCaptions_data();
    void lengthCaptions();
    void widthCaptions_data();
    void widthCaptions();
    void widthCaptionMatchesTheRuleOnRandomTexts();
};

void TestListItems::limitDropsFarEnd_data()
{
    QTest::addColumn<bool>("addAtBottom");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("new items on top: bottom row goes") << false << QStringList{"D", "A", "B"};
    QTest::newRow("new items at bottom: top row goes") << true << QStringList{"B", "C", "D"};
}

void TestListItems::limitDropsFarEnd()
{
    QFETCH(bool, addAtBottom);
    QFETCH(QStringList, expected);
    PlainList f(3, addAtBottom);
    f.add(addAtBottom ? QStringList{"A", "B", "C"} : QStringList{"C", "B", "A"});
    QCOMPARE(f.rows(PaneNumber(0)), (QStringList{"A", "B", "C"}));
    const RowNumber row = f.items().addItem(QStringLiteral("D"));
    QCOMPARE(f.rows(PaneNumber(0)), expected);
    QCOMPARE(row, addAtBottom ? 2 : 0);
    f.checkInStep();
    // The store keeps creation order: the dropped item is gone, D is last.
    QCOMPARE(f.storeOrder().last(), QStringLiteral("D"));
    QCOMPARE(f.storeOrder().size(), 3);
}

void TestListItems::pinnedInsertIntoFullList()
{
    PlainList f(3, true);
    f.add({"A", "B", "C"});
    RowNumber row{2};
    f.items().insertItem(QStringLiteral("X"), row);
    QCOMPARE(row, 1);
    QCOMPARE(f.rows(PaneNumber(0)), (QStringList{"B", "X", "C"}));
    QCOMPARE(f.storeOrder(), (QStringList{"B", "C", "X"}));
    f.checkInStep();
}

void TestListItems::pinnedInsertAtBottomOfFullList()
{
    // The bottom (-1) of a full list that drops its top row stays the bottom.
    PlainList f(3, true);
    f.add({"A", "B", "C"});
    RowNumber row{-1};
    f.items().insertItem(QStringLiteral("X"), row);
    QCOMPARE(f.rows(PaneNumber(0)), (QStringList{"B", "C", "X"}));
    QCOMPARE(f.storeOrder(), (QStringList{"B", "C", "X"}));
    f.checkInStep();
}

void TestListItems::overfullListKeepsItsSize()
{
    PlainList f(5, false);
    f.add({"1", "2", "3", "4", "5"});
    f.state->lists().at(f.list).itemLimit = 2;
    f.add({"6", "7"});
    QCOMPARE(f.rows(PaneNumber(0)), (QStringList{"7", "6", "5", "4", "3"}));
    f.checkInStep();
}

void TestListItems::deleteKeepsStoreAndRowsInStep()
{
    PlainList f;
    f.add({"A", "B", "C", "D"}); // rows D C B A, items A B C D
    f.items().deleteItem(RowNumber(2));   // row 2 shows B
    QCOMPARE(f.rows(PaneNumber(0)), (QStringList{"D", "C", "A"}));
    QCOMPARE(f.storeOrder(), (QStringList{"A", "C", "D"}));
    f.checkInStep();
    f.items().removeRow(RowNumber(0)); // row only: D stays in the store
    QCOMPARE(f.rows(PaneNumber(0)), (QStringList{"C", "A"}));
    QCOMPARE(f.items().count(), 3);
    QCOMPARE(f.items().rowCount(), 2);

    PlainList empty;
    empty.items().deleteItem(RowNumber(0)); // nothing to delete
    QCOMPARE(empty.items().count(), 0);
}

void TestListItems::outOfRangeChangesNothing()
{
    PlainList f;
    f.add({"A", "B"});
    const QStringList before = f.rows(PaneNumber(0));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("deleteItem: row 5"));
    f.items().deleteItem(RowNumber(5));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("nameItem: row -1"));
    f.items().nameItem(RowNumber(-1), QStringLiteral("n"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("removeRow"));
    f.items().removeRow(RowNumber(2));
    RowNumber row{7};
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("insertRow: row 7"));
    f.items().insertItem(QStringLiteral("X"), row);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("insertRow: item 9"));
    row = RowNumber(0);
    QVERIFY(!f.items().insertRow(QStringLiteral("X"), row, ItemNumber(9), false));
    QCOMPARE(f.rows(PaneNumber(0)), before);
    f.checkInStep();
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, f.items().at(ItemNumber(2)));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, f.items().itemOfRow(RowNumber(-1)));
}

void TestListItems::namesReplaceCaptions()
{
    PlainList f;
    ListRecord &options = f.state->lists().at(f.list);
    options.captionLength = 3;
    f.add({"first text", "second text"});
    QCOMPARE(f.rows(PaneNumber(0)), (QStringList{"sec...", "fir..."}));
    // A name is shown whole, however long.
    f.items().nameItem(RowNumber(1), QStringLiteral("a long name"));
    QCOMPARE(f.rows(PaneNumber(0)), (QStringList{"sec...", "a long name"}));
    QCOMPARE(f.items().at(ItemNumber(0)).name, QStringLiteral("a long name"));
    QCOMPARE(f.items().at(ItemNumber(0)).text, QStringLiteral("first text"));
    f.items().removeItemName(RowNumber(1));
    QCOMPARE(f.rows(PaneNumber(0)), (QStringList{"sec...", "fir..."}));
    QVERIFY(f.items().at(ItemNumber(0)).name.isEmpty());
}

void TestListItems::reNewAndClear()
{
    PlainList f;
    f.add({"A", "B"});
    f.items().at(ItemNumber(0)).text = QStringLiteral("edited");
    f.items().refreshRow(RowNumber(1), ItemNumber(0));
    QCOMPARE(f.rows(PaneNumber(0)), (QStringList{"B", "edited"}));
    f.items().refreshRow(RowNumber(-1), ItemNumber(0)); // no row: nothing
    f.items().at(ItemNumber(1)).name = QStringLiteral("named");
    f.items().refreshRow(RowNumber(0), ItemNumber(1));
    QCOMPARE(f.rows(PaneNumber(0)), (QStringList{"named", "edited"}));
    f.items().clearItems();
    QVERIFY(f.rows(PaneNumber(0)).isEmpty());
    QCOMPARE(f.items().count(), 0);
    QCOMPARE(f.items().rowCount(), 0);
    f.add({"again"});
    f.checkInStep();
}

void TestListItems::lengthCaptions_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("length");
    QTest::addColumn<bool>("showLength");
    QTest::addColumn<QString>("caption");
    QTest::newRow("cut with count") << "abcdef" << 5 << true << "abcde... [6]";
    QTest::newRow("fits exactly") << "abcde" << 5 << false << "abcde";
    QTest::newRow("line break shown") << "ab\r\ncd" << 48 << true << "ab  cd [6]";
    QTest::newRow("half line break kept") << "ab\r\ncd" << 3 << false << "ab\r...";
    QTest::newRow("lone breaks kept") << "a\nb\rc" << 48 << false << "a\nb\rc";
    QTest::newRow("zero length") << "abc" << 0 << true << "... [3]";
    QTest::newRow("empty text") << "" << 48 << true << " [0]";
}

void TestListItems::lengthCaptions()
{
    QFETCH(QString, text);
    QFETCH(int, length);
    QFETCH(bool, showLength);
    QFETCH(QString, caption);
    PlainList f;
    ListRecord &options = f.state->lists().at(f.list);
    options.captionLength = qint16(length);
    options.showLength = showLength;
    QCOMPARE(f.items().caption(text), caption);
}

void TestListItems::widthCaptions_data()
{
    // The fake main window measures 10 per character; "..." is 30.
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("caption");
    QTest::newRow("cut") << "abcdefgh" << 50 << "ab...";
    QTest::newRow("fits whole") << "abc" << 60 << "abc";
    QTest::newRow("line break replaced before cut") << "a\r\nbcdef" << 60 << "a  ...";
    QTest::newRow("nothing fits") << "abc" << 10 << "...";
    QTest::newRow("empty") << "" << 10 << "";
}

void TestListItems::widthCaptions()
{
    QFETCH(QString, text);
    QFETCH(int, width);
    QFETCH(QString, caption);
    PlainList f;
    ListRecord &options = f.state->lists().at(f.list);
    options.captionByWidth = true;
    options.captionWidth = width;
    QCOMPARE(f.items().caption(text), caption);
    options.showLength = true;
    QCOMPARE(f.items().caption(text), caption + QStringLiteral(" [%1]").arg(text.size()));
}

void TestListItems::widthCaptionMatchesTheRuleOnRandomTexts()
{
    const QString crLf = QStringLiteral("\r\n");
    UnevenWidth meter;
    CaptionBuilder builder(crLf, meter);
    QRandomGenerator rng(20261207);
    const QString alphabet = QStringLiteral("ab\r\n\r\n あ漢ｸ.");
    const QStringList breaks = {QStringLiteral("  "), QStringLiteral(""), QStringLiteral("\r"), QStringLiteral("⏎")};
    for (int round = 0; round < 2000; ++round) {
        QString text;
        const int n = rng.bounded(40);
        for (int i = 0; i < n; ++i)
            text += alphabet.at(rng.bounded(alphabet.size()));
        const int width = rng.bounded(120);
        const QString &s = breaks.at(rng.bounded(breaks.size()));
        QCOMPARE(builder.fitCaption(text, width, s), referenceFit(text, width, s, meter));
    }
}

QTEST_GUILESS_MAIN(TestListItems)
#include "tst_listitems.moc"
