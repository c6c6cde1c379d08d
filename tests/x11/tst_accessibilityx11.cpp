// SPDX-License-Identifier: GPL-3.0-or-later
// The real program as a screen reader sees it: its accessible tree read over AT-SPI.
#include "X11Program.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusReply>
#include <QDBusVariant>
#include <QtTest>

namespace {
struct Node {
    QString service;
    QString path;
};

QList<QVariant> ask(QDBusConnection &bus, const Node &node, const QString &interface, const QString &method,
                    const QVariantList &arguments = {})
{
    QDBusMessage call = QDBusMessage::createMethodCall(node.service, node.path, interface, method);
    call.setArguments(arguments);
    return bus.call(call, QDBus::Block, 5000).arguments();
}

// "role: name" of every node under the node.
void dump(QDBusConnection &bus, const Node &node, QStringList &lines)
{
    const QString accessible = QStringLiteral("org.a11y.atspi.Accessible");
    const auto children = ask(bus, node, accessible, QStringLiteral("GetChildren")).value(0).value<QDBusArgument>();
    QList<Node> found;
    children.beginArray();
    while (!children.atEnd()) {
        Node child;
        QDBusObjectPath path;
        children.beginStructure();
        children >> child.service >> path;
        children.endStructure();
        child.path = path.path();
        found.append(child);
    }
    children.endArray();
    for (const Node &child : found) {
        const QVariant name = ask(bus, child, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"),
                                  {accessible, QStringLiteral("Name")}).value(0);
        lines.append(ask(bus, child, accessible, QStringLiteral("GetRoleName")).value(0).toString() + QStringLiteral(": ")
                     + name.value<QDBusVariant>().variant().toString());
        dump(bus, child, lines);
    }
}
} // namespace

class TestAccessibilityX11 : public QObject {
    Q_OBJECT
private slots:
    void listsAndToolbarButtonsHaveNames();
};

void TestAccessibilityX11::listsAndToolbarButtonsHaveNames()
{
    // A session bus of the test's own, from which the accessibility bus is started.
    QProcess daemon;
    daemon.start(QStringLiteral("dbus-daemon"), {QStringLiteral("--session"), QStringLiteral("--nofork"),
                                                  QStringLiteral("--print-address=1")});
    QVERIFY(daemon.waitForReadyRead(10000));
    const QString address = QString::fromUtf8(daemon.readLine()).trimmed();
    QDBusConnection session = QDBusConnection::connectToBus(address, QStringLiteral("session"));
    QVERIFY(session.isConnected());
    const QDBusReply<QString> a11yAddress = session.call(QDBusMessage::createMethodCall(
        QStringLiteral("org.a11y.Bus"), QStringLiteral("/org/a11y/bus"), QStringLiteral("org.a11y.Bus"), QStringLiteral("GetAddress")));
    QVERIFY2(a11yAddress.isValid(), qPrintable(a11yAddress.error().message()));
    QDBusConnection a11y = QDBusConnection::connectToBus(a11yAddress.value(), QStringLiteral("a11y"));

    X11Program program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), address);
    environment.insert(QStringLiteral("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"), QStringLiteral("1"));
    program.process().setProcessEnvironment(environment);
    QVERIFY(program.start());
    QVERIFY(!program.waitForWindow(QStringLiteral("Arlen.T.K. QuillKeeper")).isEmpty());

    QStringList lines;
    QTRY_VERIFY_WITH_TIMEOUT(
        [&] {
            lines.clear();
            dump(a11y, {QStringLiteral("org.a11y.atspi.Registry"), QStringLiteral("/org/a11y/atspi/accessible/root")}, lines);
            return lines.contains(QStringLiteral("list: ｸﾘｯﾌﾟ"));
        }(),
        10000);
    for (const char *button : {"push button: ﾍﾙﾌﾟ", "push button: 最小ｳｨﾝﾄﾞｳ化", "push button: ﾌｧｲﾙ操作"})
        QVERIFY2(lines.contains(QString::fromUtf8(button)), qPrintable(lines.join(QLatin1Char('\n'))));
    QVERIFY2(!lines.contains(QStringLiteral("push button: ")), qPrintable(lines.join(QLatin1Char('\n'))));
    program.process().kill();
    program.process().waitForFinished();
    daemon.kill();
    daemon.waitForFinished();
}

QTEST_MAIN(TestAccessibilityX11)
#include "tst_accessibilityx11.moc"
