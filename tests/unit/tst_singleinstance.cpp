// SPDX-License-Identifier: GPL-3.0-or-later
// The single-instance socket answers the user's own commands and drops another user's unread, even
// when the socket itself has been opened to everyone.
#include "platform/SingleInstance.h"

#include <QLocalSocket>
#include <QTemporaryDir>
#include <QtTest>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

class TestSingleInstance : public QObject {
    Q_OBJECT
private slots:
    void anotherUsersCommandIsDropped();
};

void TestSingleInstance::anotherUsersCommandIsDropped()
{
    const passwd *nobody = ::geteuid() == 0 ? ::getpwnam("nobody") : nullptr;
    if (!nobody)
        QSKIP("needs root, to connect as another user");
    QTemporaryDir folder;
    QVERIFY(::chmod(QFile::encodeName(folder.path()).constData(), 0755) == 0);
    const QString name = folder.filePath(QStringLiteral("socket"));
    SingleInstance running(name);
    QVERIFY(running.claim({}));
    QVERIFY(::chmod(QFile::encodeName(name).constData(), 0777) == 0);
    int answered = 0;
    running.setAnswer([&answered](const RemoteRequest &) {
        ++answered;
        return RemoteReply{RemoteReply::Done, "mine\n", {}};
    });
    const RemoteRequest request{QStringLiteral("read"), {QStringLiteral("0")}};

    // Credentials go with the connection as it is made.
    QVERIFY(::seteuid(nobody->pw_uid) == 0);
    QLocalSocket foreign;
    foreign.connectToServer(name);
    const bool connected = foreign.waitForConnected(2000);
    QVERIFY(::seteuid(0) == 0);
    QVERIFY(connected);
    foreign.write(RemoteMessage::request(request));
    QTRY_COMPARE(foreign.state(), QLocalSocket::UnconnectedState);
    QCOMPARE(foreign.readAll(), QByteArray());

    QLocalSocket own;
    own.connectToServer(name);
    QVERIFY(own.waitForConnected(2000));
    own.write(RemoteMessage::request(request));
    QTRY_COMPARE(own.state(), QLocalSocket::UnconnectedState);
    QCOMPARE(RemoteMessage::readReply(own.readAll()), std::optional(RemoteReply{RemoteReply::Done, "mine\n", {}}));
    QCOMPARE(answered, 1);
}

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
