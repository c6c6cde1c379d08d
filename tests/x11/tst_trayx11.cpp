// SPDX-License-Identifier: GPL-3.0-or-later
// The real program's icon in the desktop's notification area, with an XEmbed tray host (trayer)
// on the X server and without one.
#include "X11Program.h"

#include <QtTest>

namespace {
const QString Title = QStringLiteral("Arlen.T.K. QuillKeeper");

// The program's visible windows named exactly `name`.
QString visible(X11Program &program, const QString &name)
{
    return X11Program::run(QStringLiteral("xdotool"), {"search", "--all", "--onlyvisible", "--pid",
                                                       QString::number(program.process().processId()), "--name",
                                                       "^" + name + "$"})
        .trimmed();
}

// The icon's window, embedded in the tray host's: named after the program, of its class.
QString trayIconWindow()
{
    const QRegularExpression icon(QStringLiteral("(0x[0-9a-f]+) \"QuillKeeper\": \\(\"quillkeeper\""));
    return icon.match(X11Program::run(QStringLiteral("xwininfo"), {"-root", "-tree"})).captured(1);
}
} // namespace

class TestTrayX11 : public QObject {
    Q_OBJECT
private slots:
    void clickOnTheIconHidesAndShowsTheWindow();
    void startsWithoutATrayHost();
};

void TestTrayX11::clickOnTheIconHidesAndShowsTheWindow()
{
    QProcess trayer;
    trayer.start(QStringLiteral("trayer"), {"--edge", "top", "--align", "right", "--widthtype", "pixel", "--width",
                                            "100", "--heighttype", "pixel", "--height", "24"});
    QVERIFY(trayer.waitForStarted());
    QTRY_VERIFY(!X11Program::run(QStringLiteral("xdotool"), {"search", "--class", "trayer"}).trimmed().isEmpty());
    X11Program program;
    QVERIFY(program.start());
    QVERIFY(!program.waitForWindow(Title).isEmpty());
    QString icon;
    QTRY_VERIFY(!(icon = trayIconWindow()).isEmpty());
    const auto click = [&icon](const char *at) {
        X11Program::run(QStringLiteral("xdotool"), {"mousemove", "--sync", "--window", icon, at, at, "click", "1"});
    };
    click("5");
    QTRY_VERIFY(visible(program, Title).isEmpty());
    // Hidden, the program runs on.
    QCOMPARE(program.process().state(), QProcess::Running);
    // Not a double click; elsewhere on the icon: a pointer that does not move keeps --sync waiting.
    QTest::qWait(1000);
    click("9");
    QTRY_VERIFY(!visible(program, Title).isEmpty());
    // From the mini window a click brings the main window back in its place, the strip gone.
    const QString main = visible(program, Title);
    X11Program::run(QStringLiteral("xdotool"), {"windowfocus", "--sync", main, "sleep", "0.3", "key", "ctrl+f"});
    QTRY_VERIFY(!visible(program, Title).isEmpty() && visible(program, Title) != main);
    QTest::qWait(1000);
    click("5");
    QTRY_COMPARE(visible(program, Title), main);
    QCOMPARE(program.closeAndWait(main), 0);
    trayer.kill();
    trayer.waitForFinished();
}

void TestTrayX11::startsWithoutATrayHost()
{
    X11Program program;
    QVERIFY(program.start());
    const QString id = program.waitForWindow(Title);
    QVERIFY(!id.isEmpty());
    QCOMPARE(program.closeAndWait(id), 0);
}

QTEST_MAIN(TestTrayX11)
#include "tst_trayx11.moc"
