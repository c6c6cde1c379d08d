// The real program on a real X server: its window, caption, first-run size and place, and a clean end.
#include "X11Program.h"

#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QtTest>

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void firstRunWindowIsCentredAndEndsCleanly();
};

void TestStartup::firstRunWindowIsCentredAndEndsCleanly()
{
    X11Program program;
    QVERIFY(program.start());
    const QString id = program.waitForWindow(QStringLiteral("Arlen.T.K. QuillKeeper"));
    QVERIFY2(!id.isEmpty(), "the main window did not appear");
    QCOMPARE(program.windowName(id), QStringLiteral("Arlen.T.K. QuillKeeper"));

    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    // No window manager runs here, so the outer frame is the window itself.
    QTRY_COMPARE(program.geometry(id).size(), QSize(307, 215));
    const QRect placed = program.geometry(id);
    QCOMPARE(placed.left(), int(std::nearbyint((screen.width() - 307) / 2.0)));
    QCOMPARE(placed.top(), int(std::nearbyint((screen.height() - 215) / 2.0)));

    QVERIFY(program.screenshot(QDir::current().filePath(QStringLiteral("x11-startup.png"))));
    QCOMPARE(program.closeAndWait(id), 0);
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
