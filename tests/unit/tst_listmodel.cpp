// SPDX-License-Identifier: GPL-3.0-or-later
// A list as the model its views watch: each operation leaves the rows and the history journal as
// expected, and Qt's own model tester finds the model's signals true to its rows throughout.
#include "model/ChangeJournal.h"
#include "model/ItemIds.h"
#include "model/ListItems.h"
#include "model/ListRecord.h"
#include "model/seams/TextWidth.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QtTest>

namespace {

class CharacterWidth : public TextWidth {
public:
    double textWidth(QStringView text) const override { return 10.0 * text.size(); }
};

struct List {
    explicit List(bool addAtBottom, qint16 itemLimit)
    {
        record.addAtBottom = addAtBottom;
        record.itemLimit = itemLimit;
        record.captionByWidth = false;
        record.captionLength = 5;
        record.showLength = false;
        journal.setRecording(true);
    }
    ListItems &items() { return record.items(); }

    // Plays a script of steps: "+a" adds "a" as a capture would, "@1 x" inserts "x" at row 1
    // (as at a pinned focus), "-1" deletes row 1, ">0 2" moves row 0 to row 2 as a drop does,
    // "=1 N" names row 1 "N", "!1" takes row 1's name away, "limit 2" lowers the item limit to 2
    // and trims, "clear" empties the list.
    void play(const QString &script)
    {
        for (const QString &step : script.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            const QString op = step.trimmed();
            const QStringList words = op.mid(1).split(QLatin1Char(' '));
            const RowNumber row(words.first().toShort());
            if (op.startsWith(QLatin1Char('+'))) {
                items().addItem(op.mid(1));
            } else if (op.startsWith(QLatin1Char('@'))) {
                RowNumber at = row;
                items().insertItem(words.at(1), at);
            } else if (op.startsWith(QLatin1Char('-'))) {
                items().deleteItem(row);
            } else if (op.startsWith(QLatin1Char('>'))) {
                const ItemNumber moved = items().itemOfRow(row);
                items().removeRow(row);
                RowNumber to(words.at(1).toShort());
                items().insertRow(items().at(moved).text, to, moved, false);
            } else if (op.startsWith(QLatin1Char('='))) {
                items().nameItem(row, words.at(1));
            } else if (op.startsWith(QLatin1Char('!'))) {
                items().removeItemName(row);
            } else if (op.startsWith(QLatin1String("limit"))) {
                record.itemLimit = qint16(words.at(1).toShort());
                items().trimToLimit();
            } else if (op == QLatin1String("clear")) {
                items().clearItems();
            }
        }
    }
    QStringList rows() const
    {
        QStringList shown;
        for (int row = 0; row < record.items().rowCount(); ++row)
            shown << record.items().index(row).data().toString();
        return shown;
    }
    // The journal in a few letters: "w3:text" item 3 written, "k3" its row moved, "d3" dropped, "e" emptied.
    QStringList journalled()
    {
        QStringList entries;
        for (const ChangeJournal::Entry &entry : journal.take().entries) {
            switch (entry.kind) {
            case ChangeJournal::Entry::Kind::ItemWritten:
                entries << QStringLiteral("w%1:%2").arg(entry.item).arg(entry.name.isEmpty() ? entry.text : entry.name);
                break;
            case ChangeJournal::Entry::Kind::RowKeyChanged:
                entries << QStringLiteral("k%1").arg(entry.item);
                break;
            case ChangeJournal::Entry::Kind::ItemDropped:
                entries << QStringLiteral("d%1").arg(entry.item);
                break;
            case ChangeJournal::Entry::Kind::ListEmptied:
                entries << QStringLiteral("e");
                break;
            }
        }
        return entries;
    }

    ChangeJournal journal;
    ItemIds ids;
    CharacterWidth meter;
    ListRecord record{7, journal, ids, meter};
};

} // namespace

class TestListModel : public QObject {
    Q_OBJECT
private slots:
    void operations_data();
    void operations();
    void restoredRowsFollowTheirKeysAndReadOnceCaptioned();
    void restoredRowsReadAsWhenTheListWasShown();
};

void TestListModel::operations_data()
{
    QTest::addColumn<bool>("addAtBottom");
    QTest::addColumn<int>("itemLimit");
    QTest::addColumn<QString>("setUp");
    QTest::addColumn<QString>("script");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QStringList>("journal");

    const auto row = [](const char *name, bool bottom, int limit, const char *setUp, const char *script,
                        const QStringList &rows, const QStringList &journal) {
        QTest::newRow(name) << bottom << limit << QString::fromUtf8(setUp) << QString::fromUtf8(script) << rows
                            << journal;
    };
    row("add at the top", false, 10, "", "+a;+b", {"b", "a"}, {"w1:a", "w2:b"});
    row("add at the bottom", true, 10, "", "+a;+b", {"a", "b"}, {"w1:a", "w2:b"});
    row("a long text reads as its caption", false, 10, "", "+abcdefgh", {"abcde..."}, {"w1:abcdefgh"});
    row("insert at a pinned row", false, 10, "+a;+b;+c", "@1 x", {"c", "x", "b", "a"}, {"w4:x"});
    row("overflow at the top drops the bottom row", false, 3, "+a;+b;+c", "+d", {"d", "c", "b"}, {"d1", "w4:d"});
    row("overflow at the bottom drops the top row", true, 3, "+a;+b;+c", "+d", {"b", "c", "d"}, {"d1", "w4:d"});
    row("insert into a full list", true, 3, "+a;+b;+c", "@2 x", {"b", "x", "c"}, {"d1", "w4:x"});
    row("delete", false, 10, "+a;+b;+c", "-1", {"c", "a"}, {"d2"});
    row("move", false, 10, "+a;+b;+c", ">0 2", {"b", "a", "c"}, {"k3"});
    row("name and unname", false, 10, "+a;+b", "=0 N;!1", {"N", "a"}, {"w2:N", "w1:a"});
    row("trim to a lower limit", false, 10, "+a;+b;+c;+d", "limit 2", {"d", "c"}, {"d2", "d1"});
    row("trim at the bottom end", true, 10, "+a;+b;+c;+d", "limit 2", {"c", "d"}, {"d1", "d2"});
    row("clear", false, 10, "+a;+b", "clear", {}, {"e"});
    row("out of range changes nothing", false, 10, "+a", "-5;=3 N;!2", {"a"}, {});
}

void TestListModel::operations()
{
    QFETCH(bool, addAtBottom);
    QFETCH(int, itemLimit);
    QFETCH(QString, setUp);
    QFETCH(QString, script);
    QFETCH(QStringList, rows);
    QFETCH(QStringList, journal);

    List list(addAtBottom, qint16(itemLimit));
    QAbstractItemModelTester tester(&list.items(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    list.play(setUp);
    list.journalled();
    if (QTest::currentDataTag() == QByteArray("out of range changes nothing"))
        for (int warnings = 0; warnings < 3; ++warnings)
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("outside")));
    list.play(script);
    QCOMPARE(list.rows(), rows);
    QCOMPARE(list.journalled(), journal);

    // Every row shows one item, every item has one row, and the model's roles read through the row map.
    ListItems &items = list.items();
    QCOMPARE(items.rowCount(), int(items.count()));
    QSet<qint16> shown;
    for (RowNumber r{0}; r < items.rowCount(); ++r) {
        const ItemNumber item = items.itemOfRow(r);
        shown.insert(item.value());
        const QModelIndex index = items.index(r.value());
        QCOMPARE(index.data(ListItems::FullTextRole).toString(), items.at(item).text);
        QCOMPARE(index.data(ListItems::ItemIdRole).toULongLong(), items.at(item).id);
    }
    QCOMPARE(shown.size(), items.rowCount());
}

void TestListModel::restoredRowsFollowTheirKeysAndReadOnceCaptioned()
{
    List list(false, 10);
    QAbstractItemModelTester tester(&list.items(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    QSignalSpy reset(&list.items(), &QAbstractItemModel::modelReset);
    std::deque<ClipItem> kept{{QStringLiteral("oldest text"), QString(), 4},
                              {QStringLiteral("b"), QStringLiteral("named"), 9},
                              {QStringLiteral("newest"), QString(), 12}};
    list.items().restore(std::move(kept), {30, -5, 10});
    QCOMPARE(reset.size(), 1);
    QVERIFY(list.journalled().isEmpty()); // what came from the history is not written back
    list.items().captionRows(false);
    QCOMPARE(list.rows(), (QStringList{"named", "newes...", "oldes..."}));
    // A new item's id comes after every id brought back.
    list.items().addItem(QStringLiteral("new"));
    QCOMPARE(list.items().index(0).data(ListItems::ItemIdRole).toULongLong(), 13u);
}

void TestListModel::restoredRowsReadAsWhenTheListWasShown()
{
    // Captioned when first asked, as the options and the pane's font were when the list was shown.
    struct DoubleWidth : TextWidth {
        double textWidth(QStringView text) const override { return 20.0 * text.size(); }
    };
    List list(false, 10);
    list.record.captionByWidth = true;
    list.record.captionWidth = 80;
    list.items().restore({{QStringLiteral("abcdefghij"), QString(), 1}, {"b", "named", 2}}, {0, 1});
    list.items().captionRows(false, std::make_shared<DoubleWidth>());
    list.record.captionWidth = 200;
    QCOMPARE(list.rows(), (QStringList{"a...", "named"}));
}

QTEST_GUILESS_MAIN(TestListModel)
#include "tst_listmodel.moc"
