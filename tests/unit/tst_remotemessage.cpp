// SPDX-License-Identifier: GPL-3.0-or-later
// What a later start sends the running program, and its reply, as bytes: what is sent is read back
// the same, and anything malformed, cut short or claiming too much is refused before it is used.
#include "storage/RemoteMessage.h"

#include <QDataStream>
#include <QtTest>

class TestRemoteMessage : public QObject {
    Q_OBJECT
private slots:
    void sentIsReadBack();
    void malformedIsRefused_data();
    void malformedIsRefused();
};

void TestRemoteMessage::sentIsReadBack()
{
    const RemoteRequest request{QStringLiteral("add"), {QStringLiteral("二行の\r\nﾃｷｽﾄ \U0001F600")}};
    const QByteArray bytes = RemoteMessage::request(request);
    QCOMPARE(RemoteMessage::framedSize(bytes.left(RemoteMessage::HeadSize)), std::optional<qint64>(bytes.size()));
    QCOMPARE(RemoteMessage::framedSize(bytes.left(RemoteMessage::HeadSize - 1)), std::nullopt);
    const auto read = RemoteMessage::read(bytes);
    QVERIFY(read && std::holds_alternative<RemoteRequest>(*read));
    QCOMPARE(std::get<RemoteRequest>(*read), request);

    const RemoteReply reply{RemoteReply::Refused, "0\tx\n", QStringLiteral("行 5 はありません。")};
    QCOMPARE(RemoteMessage::readReply(RemoteMessage::reply(reply)), std::optional(reply));
    // A reply is not a request, and the other way round.
    QVERIFY(!RemoteMessage::read(RemoteMessage::reply(reply)));
    QVERIFY(!RemoteMessage::readReply(bytes));

    // Files, as every version has sent them.
    const QStringList files = {QStringLiteral("/home/me/my clips.qkp"), QString()};
    const auto names = RemoteMessage::read(RemoteMessage::files(files));
    QVERIFY(names && std::holds_alternative<QStringList>(*names));
    QCOMPARE(std::get<QStringList>(*names), files);
}

void TestRemoteMessage::malformedIsRefused_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray request = RemoteMessage::request({QStringLiteral("read"), {QStringLiteral("3")}});
    QTest::newRow("cut short") << request.left(request.size() - 1);
    QTest::newRow("bytes after it") << request + "x";
    QByteArray claims;
    QDataStream out(&claims, QIODevice::WriteOnly);
    out << quint32(0xFFFFFFFFu) << quint64(RemoteMessage::MaxSize + 1);
    QTest::newRow("a size past the limit") << claims + QByteArray(64, 'x');
    QByteArray names;
    QDataStream list(&names, QIODevice::WriteOnly);
    list << quint32(0x7FFFFFFF) << QStringLiteral("one");
    QTest::newRow("files: a count no message holds") << names;
    QByteArray payload;
    QDataStream inner(&payload, QIODevice::WriteOnly);
    inner.setVersion(QDataStream::Qt_6_0);
    inner << QStringLiteral("add") << quint32(1000000) << QStringLiteral("one");
    QByteArray framed;
    QDataStream head(&framed, QIODevice::WriteOnly);
    head << quint32(0xFFFFFFFFu) << quint64(payload.size());
    QTest::newRow("request: more arguments claimed than sent") << framed + payload;
}

void TestRemoteMessage::malformedIsRefused()
{
    QFETCH(QByteArray, bytes);
    QVERIFY(!RemoteMessage::read(bytes));
    QVERIFY(!RemoteMessage::readReply(bytes));
}

QTEST_GUILESS_MAIN(TestRemoteMessage)
#include "tst_remotemessage.moc"
