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

// The icon as the tray host shows it, kept beside the test's output for a look.
QImage iconPicture(const QString &window, const QString &file)
{
    X11Program::run(QStringLiteral("import"), {"-window", window, file});
    return QImage(file);
}

// The share of pixels that are plainly green, as the capture button's triangle is.
double greenShare(const QImage &picture)
{
    int green = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QColor c = picture.pixelColor(x, y);
            green += c.green() > 100 && c.green() > c.red() * 3 / 2 && c.green() > c.blue() * 3 / 2;
        }
    }
    return picture.isNull() ? 1.0 : double(green) / (picture.width() * picture.height());
}
} // namespace

class TestTrayX11 : public QObject {
    Q_OBJECT
private slots:
    void iconShowsCaptureAndAClickHidesAndShowsTheWindow();
    void startsWithoutATrayHost();
};

void TestTrayX11::iconShowsCaptureAndAClickHidesAndShowsTheWindow()
{
    QProcess trayer;
    trayer.start(QStringLiteral("trayer"), {"--edge", "top", "--align", "right", "--widthtype", "pixel", "--width",
                                            "100", "--heighttype", "pixel", "--height", "24"});
    QVERIFY(trayer.waitForStarted());
    QTRY_VERIFY(!X11Program::run(QStringLiteral("xdotool"), {"search", "--class", "trayer"}).trimmed().isEmpty());
    X11Program program;
    QVERIFY(program.start());
    const QString main = program.waitForWindow(Title);
    QVERIFY(!main.isEmpty());
    QString icon;
    QTRY_VERIFY(!(icon = trayIconWindow()).isEmpty());
    // Not the capture button's green triangle: a user finds the program by its own icon.
    const QString capturingFile = QDir::current().filePath(QStringLiteral("x11-tray-capturing.png"));
    QImage capturing;
    QTRY_VERIFY(!(capturing = iconPicture(icon, capturingFile)).isNull() && greenShare(capturing) < 0.05);
    X11Program::run(QStringLiteral("xdotool"), {"windowfocus", "--sync", main, "sleep", "0.3", "key", "ctrl+a"});
    const QString stoppedFile = QDir::current().filePath(QStringLiteral("x11-tray-stopped.png"));
    QTRY_VERIFY(iconPicture(icon, stoppedFile) != capturing);
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
    // In the mini window's mode a click hides the strip, and the next one brings the strip back.
    X11Program::run(QStringLiteral("xdotool"), {"windowfocus", "--sync", main, "sleep", "0.3", "key", "ctrl+f"});
    QString strip;
    QTRY_VERIFY(!(strip = visible(program, Title)).isEmpty() && strip != main);
    QTest::qWait(1000);
    click("5");
    QTRY_VERIFY(visible(program, Title).isEmpty());
    QTest::qWait(1000);
    click("9");
    QTRY_COMPARE(visible(program, Title), strip);
    X11Program::run(QStringLiteral("xdotool"), {"windowfocus", "--sync", strip, "sleep", "0.3", "key", "ctrl+f"});
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
