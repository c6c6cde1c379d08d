// SPDX-License-Identifier: GPL-3.0-or-later
// One selection request followed through recorded X event sequences: matching, types, INCR.
#include "platform/x11/SelectionTransfer.h"

#include <QtEndian>
#include <QtTest>

namespace {

using Step = SelectionTransfer::Step;
using Failure = SelectionTransfer::Failure;

constexpr quint32 Target = 100, OtherTarget = 101, Property = 200, OtherProperty = 201, Time = 5000;
constexpr quint32 Utf8 = 300, Latin1 = 301, AtomType = 4, Incr = 400;
constexpr qint64 MaxBytes = 16;

// One thing the server tells the requester, and the step expected in answer.
struct Event {
    enum Kind { Notify, NewValue, Read } kind;
    quint32 a = 0, b = 0, c = 0; // Notify: target, property, time; NewValue: property; Read: type, format
    QByteArray value;
    bool complete = true;
    Step expected = Step::Ignore;
};

Event notify(quint32 target, quint32 property, quint32 time, Step expected)
{
    return {Event::Notify, target, property, time, {}, true, expected};
}
Event newValue(quint32 property, Step expected)
{
    return {Event::NewValue, property, 0, 0, {}, true, expected};
}
Event read(quint32 type, int format, const QByteArray &value, Step expected, bool complete = true)
{
    return {Event::Read, type, quint32(format), 0, value, complete, expected};
}
QByteArray incrSize(quint32 bytes)
{
    QByteArray value(4, '\0');
    qToUnaligned(bytes, value.data());
    return value;
}

} // namespace

Q_DECLARE_METATYPE(QList<Event>)
Q_DECLARE_METATYPE(Failure)

class TestSelectionTransfer : public QObject {
    Q_OBJECT
private slots:
    void sequences_data();
    void sequences();
};

void TestSelectionTransfer::sequences_data()
{
    QTest::addColumn<QList<Event>>("events");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<Failure>("failure");
    QTest::addColumn<bool>("ownerMayWriteAgain");

    const Event asked = notify(Target, Property, Time, Step::ReadProperty);
    QTest::newRow("plain reply") << QList<Event>{newValue(Property, Step::Ignore), asked,
                                                 read(Utf8, 8, "hello", Step::Done)}
                                 << QByteArray("hello") << Failure::None << false;
    QTest::newRow("late answers to other requests, then ours")
        << QList<Event>{notify(Target, Property, Time - 7, Step::Ignore),
                        notify(OtherTarget, Property, Time, Step::Ignore),
                        notify(Target, OtherProperty, Time, Step::Ignore), asked, read(Latin1, 8, "x", Step::Done),
                        notify(Target, Property, Time, Step::Ignore)}
        << QByteArray("x") << Failure::None << false;
    QTest::newRow("refused") << QList<Event>{notify(Target, 0, Time, Step::Failed)} << QByteArray()
                             << Failure::Refused << false;
    QTest::newRow("ATOM typed") << QList<Event>{asked, read(AtomType, 32, "\1\0\0\0", Step::Failed)} << QByteArray()
                                << Failure::WrongType << false;
    QTest::newRow("text in 32-bit format") << QList<Event>{asked, read(Utf8, 32, "abcd", Step::Failed)}
                                           << QByteArray() << Failure::WrongType << false;
    QTest::newRow("property missing") << QList<Event>{asked, read(0, 0, {}, Step::Failed)} << QByteArray()
                                      << Failure::Malformed << false;
    QTest::newRow("not read in one piece") << QList<Event>{asked, read(Utf8, 8, "ab", Step::Failed, false)}
                                           << QByteArray() << Failure::Malformed << false;
    QTest::newRow("too large at once") << QList<Event>{asked, read(Utf8, 8, QByteArray(17, 'a'), Step::Failed)}
                                       << QByteArray() << Failure::TooLarge << false;
    QTest::newRow("INCR joined")
        << QList<Event>{asked,
                        read(Incr, 32, incrSize(11), Step::Wait),
                        newValue(OtherProperty, Step::Ignore),
                        newValue(Property, Step::ReadProperty),
                        read(Utf8, 8, "hello ", Step::Wait),
                        newValue(Property, Step::ReadProperty),
                        read(Utf8, 8, "world", Step::Wait),
                        newValue(Property, Step::ReadProperty),
                        read(AtomType, 8, {}, Step::Done)}
        << QByteArray("hello world") << Failure::None << false;
    QTest::newRow("INCR announced too large") << QList<Event>{asked, read(Incr, 32, incrSize(17), Step::Failed)}
                                              << QByteArray() << Failure::TooLarge << false;
    QTest::newRow("INCR without end")
        << QList<Event>{asked,
                        read(Incr, 32, {}, Step::Wait),
                        newValue(Property, Step::ReadProperty),
                        read(Utf8, 8, QByteArray(10, 'a'), Step::Wait),
                        newValue(Property, Step::ReadProperty),
                        read(Utf8, 8, QByteArray(10, 'a'), Step::Failed)}
        << QByteArray() << Failure::TooLarge << true;
    QTest::newRow("INCR chunk changes type")
        << QList<Event>{asked,
                        read(Incr, 32, incrSize(4), Step::Wait),
                        newValue(Property, Step::ReadProperty),
                        read(Utf8, 8, "ab", Step::Wait),
                        newValue(Property, Step::ReadProperty),
                        read(AtomType, 8, "cd", Step::Failed)}
        << QByteArray() << Failure::WrongType << true;
    QTest::newRow("INCR stalled") << QList<Event>{asked, read(Incr, 32, incrSize(4), Step::Wait)} << QByteArray()
                                  << Failure::None << true;
}

void TestSelectionTransfer::sequences()
{
    QFETCH(QList<Event>, events);
    QFETCH(QByteArray, data);
    QFETCH(Failure, failure);
    QFETCH(bool, ownerMayWriteAgain);

    SelectionTransfer transfer({Target, Property, Time, {Utf8, Latin1}, 8}, Incr, MaxBytes);
    for (qsizetype i = 0; i < events.size(); ++i) {
        const Event &e = events[i];
        Step step = Step::Ignore;
        switch (e.kind) {
        case Event::Notify:
            step = transfer.selectionNotify(e.a, e.b, e.c);
            break;
        case Event::NewValue:
            step = transfer.propertyNewValue(e.a);
            break;
        case Event::Read:
            step = transfer.propertyRead(e.a, int(e.b), e.value, e.complete);
            break;
        }
        if (step != e.expected)
            QFAIL(qPrintable(QStringLiteral("event %1: step %2, expected %3").arg(i).arg(int(step)).arg(int(e.expected))));
    }
    QCOMPARE(transfer.data(), data);
    QCOMPARE(transfer.failure(), failure);
    QCOMPARE(transfer.ownerMayWriteAgain(), ownerMayWriteAgain);
}

QTEST_GUILESS_MAIN(TestSelectionTransfer)
#include "tst_selectiontransfer.moc"
