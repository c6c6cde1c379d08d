// SPDX-License-Identifier: GPL-3.0-or-later
// What the history journal hands over: writes of one item merged only where nothing came between,
// rounds kept apart, nothing while it is off, and one word per round.
#include "model/ChangeJournal.h"
#include "model/ClipItem.h"

#include <QtTest>

namespace {
using Kind = ChangeJournal::Entry::Kind;

// Plays a script of steps on the journal, each step's place its row key: "w1a" writes item 1 with the
// text "a", "k1" changes item 1's row key, "d1" drops item 1, "e1" empties list 1, "l" changes the
// layout, "t" takes, "on"/"off" switch recording. Returns what each take handed over, rounds apart.
QString play(ChangeJournal &journal, const QString &script)
{
    QStringList rounds;
    const auto take = [&] {
        const ChangeJournal::Changes changes = journal.take();
        QStringList round;
        for (const ChangeJournal::Entry &entry : changes.entries) {
            switch (entry.kind) {
            case Kind::ItemWritten:
                round << QStringLiteral("w%1%2").arg(entry.item).arg(entry.text);
                break;
            case Kind::RowKeyChanged:
                round << QStringLiteral("k%1").arg(entry.item);
                break;
            case Kind::ItemDropped:
                round << QStringLiteral("d%1").arg(entry.item);
                break;
            case Kind::ListEmptied:
                round << QStringLiteral("e%1").arg(entry.list);
                break;
            }
        }
        if (changes.layout)
            round << QStringLiteral("+layout");
        rounds << round.join(QLatin1Char(' '));
    };
    const QStringList steps = script.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (qsizetype place = 0; place < steps.size(); ++place) {
        const QString &step = steps[place];
        const quint64 number = step.mid(1, 1).toULongLong();
        if (step == QLatin1String("on") || step == QLatin1String("off"))
            journal.setRecording(step == QLatin1String("on"));
        else if (step.startsWith(QLatin1Char('w')))
            journal.itemWritten(1, ClipItem{step.mid(2), QString(), number}, place);
        else if (step.startsWith(QLatin1Char('k')))
            journal.rowKeyChanged(number, place);
        else if (step.startsWith(QLatin1Char('d')))
            journal.itemDropped(number);
        else if (step.startsWith(QLatin1Char('e')))
            journal.listEmptied(quint32(number));
        else if (step == QLatin1String("l"))
            journal.layoutChanged();
        else if (step == QLatin1String("t"))
            take();
    }
    take();
    return rounds.join(QLatin1String(" | "));
}
} // namespace

class TestChangeJournal : public QObject {
    Q_OBJECT
private slots:
    void handsOverWhatChanged_data();
    void handsOverWhatChanged();
};

void TestChangeJournal::handsOverWhatChanged_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("handedOver");
    QTest::addColumn<int>("wordsOfChanges");
    QTest::newRow("added, then named: written once, as it ends up") << "on w1a w1A" << "w1A" << 1;
    QTest::newRow("a layout change between still merges") << "on w1a l w1b" << "w1b +layout" << 1;
    QTest::newRow("written again after its list was emptied") << "on w1a e1 w1b" << "w1a e1 w1b" << 1;
    QTest::newRow("written, moved, dropped") << "on w1a k1 d1" << "w1a k1 d1" << 1;
    QTest::newRow("a take ends the round") << "on w1a t w1b e1" << "w1a | w1b e1" << 2;
    QTest::newRow("a layout change alone") << "on l l t l" << "+layout | +layout" << 2;
    QTest::newRow("nothing while off") << "w1a k1 d1 e1 l on w2b" << "w2b" << 1;
    QTest::newRow("switched off, what waited is forgotten") << "on w1a l off on w2b" << "w2b" << 2;
}

void TestChangeJournal::handsOverWhatChanged()
{
    QFETCH(QString, script);
    QFETCH(QString, handedOver);
    QFETCH(int, wordsOfChanges);
    ChangeJournal journal;
    QSignalSpy waiting(&journal, &ChangeJournal::changesWaiting);
    QCOMPARE(play(journal, script), handedOver);
    QCOMPARE(waiting.size(), wordsOfChanges);
}

QTEST_GUILESS_MAIN(TestChangeJournal)
#include "tst_changejournal.moc"
