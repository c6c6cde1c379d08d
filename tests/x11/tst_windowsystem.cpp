// SPDX-License-Identifier: GPL-3.0-or-later
// The real program with the window system: one running program per user and display, always on
// top kept by the window manager, and the mini window closed from outside.
#include "TestProgram.h"
#include "X11Program.h"
#include "mainwindow/MainWindow.h"
#include "model/ProgramTexts.h"
#include "model/NewListDefaults.h"
#include "model/GlobalSettings.h"
#include "platform/SingleInstance.h"
#include "storage/ClipListFile.h"
#include "storage/SettingsFile.h"
#include "storage/WindowSettings.h"

#include <QDeadlineTimer>
#include <QLocalSocket>
#include <QRegularExpression>
#include <QThread>
#include <QtTest>

namespace {
const QString Title = ProgramTexts::title();

void key(const QString &windowId, const char *keys)
{
    X11Program::run(QStringLiteral("xdotool"), {QStringLiteral("windowfocus"), QStringLiteral("--sync"), windowId});
    // Qt takes the window for active a moment after the focus arrives; shortcuts wait for that.
    QTest::qWait(300);
    X11Program::run(QStringLiteral("xdotool"), {QStringLiteral("key"), QString::fromLatin1(keys)});
}

// The program's shown windows with a title.
QStringList shown(X11Program &program, const QString &title)
{
    return X11Program::run(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                                       QStringLiteral("--pid"), QString::number(program.process().processId()),
                                                       QStringLiteral("--name"), QLatin1Char('^') + QRegularExpression::escape(title) + QLatin1Char('$')})
        .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

// The program's one shown window once the other one is gone; empty when that does not happen.
QString onlyShown(X11Program &program)
{
    QDeadlineTimer deadline(10000);
    while (!deadline.hasExpired()) {
        const QStringList ids = shown(program, Title);
        if (ids.size() == 1)
            return ids.first();
        QThread::msleep(100);
    }
    return QString();
}

void closeFromOutside(const QString &windowId)
{
    X11Program::run(QCoreApplication::applicationDirPath() + QStringLiteral("/helpers/closewindow"), {windowId});
}

bool above(const QString &windowId)
{
    return X11Program::run(QStringLiteral("xprop"), {QStringLiteral("-id"), windowId, QStringLiteral("_NET_WM_STATE")})
        .contains(QStringLiteral("_NET_WM_STATE_ABOVE"));
}

WindowSettings settingsIn(const QString &folder)
{
    GlobalSettings settings;
    NewListDefaults defaults;
    WindowSettings windows;
    SettingsFile(settings, defaults, windows).readSettingsAtStart(SettingsFile::pathIn(folder), QRect(0, 0, 1024, 768));
    return windows;
}
} // namespace

class TestWindowSystem : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void secondStartHandsItsFilesToTheFirstAndLeaves();
    void socketOfAKilledRunDoesNotBlockTheNextStart();
    void alwaysOnTopKeepsTheWindowInPlace();
    void stripClosedFromOutsideEndsTheProgram();
    void toolbarMaximiseAndRestoreKeepTheBounds();
};

void TestWindowSystem::initTestCase()
{
    // The keys sent here toggle; none may repeat.
    QCOMPARE(QProcess::execute(QCoreApplication::applicationDirPath() + QStringLiteral("/helpers/norepeat"), {}), 0);
}

void TestWindowSystem::secondStartHandsItsFilesToTheFirstAndLeaves()
{
    X11Program first;
    QVERIFY(first.start());
    const QString id = first.waitForWindow(Title);
    QVERIFY(!id.isEmpty());
    {
        QLocalSocket liar; // claims four billion names and holds none: dropped
        liar.connectToServer(SingleInstance::defaultName());
        QVERIFY(liar.waitForConnected(5000) && liar.write("\xff\xff\xff\xfe", 4) == 4 && liar.waitForBytesWritten(5000));
    }

    // A file that is no clip list: the first program's read error shows it opened the file.
    X11Program second;
    QFile broken(second.folder() + QStringLiteral("/broken.qkp"));
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("not a clip list at all");
    broken.close();
    second.process().setWorkingDirectory(second.folder());
    QVERIFY(second.start({QStringLiteral("broken.qkp")}));
    QVERIFY(second.process().waitForFinished(10000));
    QCOMPARE(second.process().exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.process().exitCode(), 0);
    QVERIFY(!QFile::exists(SettingsFile::pathIn(second.folder())));

    const QString box = first.waitForWindow(ClipListFile::readErrorTitle());
    QVERIFY2(!box.isEmpty(), "the running program did not open the handed file");
    // The running program's main window came to the front (it is still the one shown besides the box).
    QVERIFY(shown(first, Title).contains(id));
}

void TestWindowSystem::socketOfAKilledRunDoesNotBlockTheNextStart()
{
    X11Program killed;
    QVERIFY(killed.start());
    QVERIFY(!killed.waitForWindow(Title).isEmpty());
    killed.process().kill();
    QVERIFY(killed.process().waitForFinished(5000));

    X11Program next;
    QVERIFY(next.start());
    const QString id = next.waitForWindow(Title);
    QVERIFY2(!id.isEmpty(), "a socket left by a killed run kept the program from starting");
    QCOMPARE(next.closeAndWait(id), 0);
}

void TestWindowSystem::alwaysOnTopKeepsTheWindowInPlace()
{
    X11Program program;
    QVERIFY(program.start());
    QString id = program.waitForWindow(Title);
    QVERIFY(!id.isEmpty());
    QTRY_COMPARE(program.geometry(id).size(), QSize(307, 215));
    const QRect before = program.geometry(id);
    key(id, "ctrl+e");
    if (X11Program::underWindowManager())
        QTRY_VERIFY(above(id));
    // The same window, still shown, not moved.
    QCOMPARE(program.waitForWindow(Title, 1000), id);
    QCOMPARE(program.geometry(id), before);
    QCOMPARE(program.closeAndWait(id), 0);
    QVERIFY(settingsIn(program.folder()).main.alwaysOnTop);

    // The next run comes up on top, and Ctrl+E takes it down again.
    QProcess &again = program.process();
    again.start(again.program(), {});
    QVERIFY(again.waitForStarted());
    id = program.waitForWindow(Title);
    QVERIFY(!id.isEmpty());
    if (X11Program::underWindowManager()) {
        QTRY_VERIFY(above(id));
        key(id, "ctrl+e");
        QTRY_VERIFY(!above(id));
    }
    QCOMPARE(program.closeAndWait(id), 0);
}

void TestWindowSystem::stripClosedFromOutsideEndsTheProgram()
{
    X11Program program;
    QVERIFY(program.start());
    const QString id = program.waitForWindow(Title);
    QVERIFY(!id.isEmpty());
    QTRY_COMPARE(program.geometry(id).size(), QSize(307, 215));

    key(id, "ctrl+f");
    QTRY_VERIFY(!shown(program, Title).contains(id));
    QString strip = onlyShown(program);
    QVERIFY2(!strip.isEmpty(), "the mini window did not appear in place of the main window");
    QTRY_COMPARE(program.geometry(strip).size(), QSize(59, 32));
    if (X11Program::underWindowManager())
        QTRY_VERIFY(above(strip));
    // Ctrl+F on the strip brings the main window back.
    key(strip, "ctrl+f");
    QTRY_COMPARE(shown(program, Title), QStringList{id});

    key(id, "ctrl+f");
    QTRY_VERIFY(!shown(program, Title).contains(id));
    strip = onlyShown(program);
    QVERIFY(!strip.isEmpty());
    // A window manager takes requests for a window only once it manages it again; the state
    // above may linger from before it was hidden.
    if (X11Program::underWindowManager())
        QTRY_VERIFY(X11Program::run(QStringLiteral("xprop"), {QStringLiteral("-id"), strip, QStringLiteral("WM_STATE")})
                        .contains(QStringLiteral("window state: Normal")));
    QTest::qWait(300);
    QVERIFY(program.screenshot(QDir::current().filePath(QStringLiteral("x11-mini-window.png"))));
    closeFromOutside(strip);
    const bool ended = program.process().waitForFinished(10000);
    QVERIFY2(ended, qPrintable(QStringLiteral("closing the mini window %1 did not end the program; shown: %2")
                                   .arg(strip, shown(program, Title).join(QLatin1Char(' ')))));
    QCOMPARE(program.process().exitCode(), 0);
    const WindowSettings written = settingsIn(program.folder());
    QVERIFY(written.mini.restoreX != -1);
}

void TestWindowSystem::toolbarMaximiseAndRestoreKeepTheBounds()
{
    if (!X11Program::underWindowManager())
        QSKIP("only a window manager maximises");
    TestProgram p;
    p.start();
    QTRY_VERIFY(p.window().frameGeometry() != p.window().geometry());
    QTest::qWait(300);
    const QRect normal = p.window().geometry();
    p.command(Command::Maximise)->trigger();
    QTRY_VERIFY(p.window().geometry().height() > normal.height());
    QTest::qWait(300);
    p.command(Command::Maximise)->trigger();
    QTest::qWait(500);
    QCOMPARE(p.window().geometry(), normal);
}

QTEST_MAIN(TestWindowSystem)
#include "tst_windowsystem.moc"
