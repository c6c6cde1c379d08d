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

// "role: name" of every node under the node; the focusable ones without a name also in nameless.
void dump(QDBusConnection &bus, const Node &node, QStringList &lines, QStringList &nameless)
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
        const QString line = ask(bus, child, accessible, QStringLiteral("GetRoleName")).value(0).toString()
                             + QStringLiteral(": ") + name.value<QDBusVariant>().variant().toString();
        lines.append(line);
        constexpr uint Focusable = 1u << 11;
        const auto states = qdbus_cast<QList<uint>>(ask(bus, child, accessible, QStringLiteral("GetState")).value(0));
        if (line.endsWith(QStringLiteral(": ")) && !states.isEmpty() && (states[0] & Focusable))
            nameless.append(line + child.path);
        dump(bus, child, lines, nameless);
    }
}
} // namespace

class TestAccessibilityX11 : public QObject {
    Q_OBJECT
private slots:
    void everyControlHasAName();
};

void TestAccessibilityX11::everyControlHasAName()
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
    const QString window = program.waitForWindow(QStringLiteral("Arlen.T.K. QuillKeeper"));
    QVERIFY(!window.isEmpty());

    QStringList lines;
    QStringList nameless;
    const auto walk = [&](const QString &awaited) {
        lines.clear();
        nameless.clear();
        dump(a11y, {QStringLiteral("org.a11y.atspi.Registry"), QStringLiteral("/org/a11y/atspi/accessible/root")},
             lines, nameless);
        return lines.contains(awaited);
    };
    QTRY_VERIFY_WITH_TIMEOUT(walk(QStringLiteral("list: ｸﾘｯﾌﾟ")), 10000);
    for (const char *button : {"push button: ﾍﾙﾌﾟ", "push button: 最小ｳｨﾝﾄﾞｳ化", "push button: ﾌｧｲﾙ操作"})
        QVERIFY2(lines.contains(QString::fromUtf8(button)), qPrintable(lines.join(QLatin1Char('\n'))));
    QVERIFY2(!lines.contains(QStringLiteral("push button: ")), qPrintable(lines.join(QLatin1Char('\n'))));
    // With the find bar open and the settings dialog up, whose pages are all in the tree.
    X11Program::run(QStringLiteral("xdotool"),
                    {"windowfocus", "--sync", window, "sleep", "0.3", "key", "--delay", "300", "ctrl+k", "alt+o", "u"});
    QTRY_VERIFY_WITH_TIMEOUT(walk(QStringLiteral("page tab: その他の設定")), 10000);
    QVERIFY2(nameless.isEmpty(), qPrintable(nameless.join(QLatin1Char('\n'))));
    program.process().kill();
    program.process().waitForFinished();
    daemon.kill();
    daemon.waitForFinished();
}

QTEST_MAIN(TestAccessibilityX11)
#include "tst_accessibilityx11.moc"
