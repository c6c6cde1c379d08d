// SPDX-License-Identifier: GPL-3.0-or-later
// The real program on a real X server: its window, caption, first-run size and place, and a clean end.
#include "X11Program.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QtEndian>

#include <csignal>
#include <sys/stat.h>
#include <QtTest>

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void firstRunWindowIsCentredAndEndsCleanly();
    void doubleScaleDoublesTheWindow();
    void placementAndSwitchesSurviveARestart();
    void damagedSettingsFileGivesFactoryValues();
    void settingsPipeHoldsNothingAndASignalEndsTheExitBox();
    void signalEndTellsStandardErrorNotABox();
    void terminationSignalsRunTheEndSequence_data();
    void terminationSignalsRunTheEndSequence();
    void killedFirstStartLeavesNoSettingsFile();
};

void TestStartup::firstRunWindowIsCentredAndEndsCleanly()
{
    X11Program program;
    QVERIFY(program.start());
    const QString id = program.waitForWindow(QStringLiteral("Arlen.T.K. QuillKeeper"));
    QVERIFY2(!id.isEmpty(), "the main window did not appear");
    QCOMPARE(program.windowName(id), QStringLiteral("Arlen.T.K. QuillKeeper"));

    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    // The outer frame: the window itself, or under a window manager its decorated frame.
    QTRY_COMPARE(program.geometry(id).size(), QSize(307, 215));
    const QRect placed = program.geometry(id);
    QCOMPARE(placed.left(), int(std::nearbyint((screen.width() - 307) / 2.0)));
    QCOMPARE(placed.top(), int(std::nearbyint((screen.height() - 215) / 2.0)));

    // The window icon comes from the program's own resources.
    const QString icon = X11Program::run(QStringLiteral("xprop"), {"-id", id, "_NET_WM_ICON"});
    QVERIFY2(icon.contains(QStringLiteral("_NET_WM_ICON(CARDINAL) = ")), qPrintable(icon.left(200)));

    QVERIFY(program.screenshot(QDir::current().filePath(QStringLiteral("x11-startup.png"))));
    QCOMPARE(program.closeAndWait(id), 0);
    // The settings are written beside the program at the end of the first run.
    QVERIFY(QFileInfo::exists(program.folder() + QStringLiteral("/QKPRUtil.dat")));
}

void TestStartup::doubleScaleDoublesTheWindow()
{
    // As on a high-density screen: every size doubles, and the toolbar shows its 32-pixel drawings.
    X11Program program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_SCALE_FACTOR"), QStringLiteral("2"));
    program.process().setProcessEnvironment(environment);
    QVERIFY(program.start());
    const QString id = program.waitForWindow(QStringLiteral("Arlen.T.K. QuillKeeper"));
    QVERIFY2(!id.isEmpty(), "the main window did not appear");
    // A window manager's frame need not be a whole number of logical pixels: a pixel or two may go.
    const auto doubled = [&] {
        const QSize outer = program.geometry(id).size();
        return std::abs(outer.width() - 614) <= 2 && std::abs(outer.height() - 430) <= 2;
    };
    QTRY_VERIFY2(doubled(), qPrintable(QStringLiteral("outer size %1 x %2").arg(program.geometry(id).width())
                                           .arg(program.geometry(id).height())));
    const QString shot = QDir::current().filePath(QStringLiteral("x11-startup-2x.png"));
    QTest::qWait(300);
    QVERIFY(program.screenshot(shot));
    QVERIFY(QImage(shot).copy(program.geometry(id)).save(shot));
    QCOMPARE(program.closeAndWait(id), 0);
}

void TestStartup::placementAndSwitchesSurviveARestart()
{
    X11Program program;
    QVERIFY(program.start());
    QString id = program.waitForWindow(QStringLiteral("Arlen.T.K. QuillKeeper"));
    QVERIFY(!id.isEmpty());
    QTRY_COMPARE(program.geometry(id).size(), QSize(307, 215)); // placed, and framed if at all
    X11Program::run(QStringLiteral("xdotool"), {QStringLiteral("windowmove"), QStringLiteral("--sync"), id,
                                                QStringLiteral("100"), QStringLiteral("120")});
    X11Program::run(QStringLiteral("xdotool"), {QStringLiteral("windowsize"), QStringLiteral("--sync"), id,
                                                QStringLiteral("400"), QStringLiteral("300")});
    // A window manager frames and places the window as it sees fit: what it made must come back.
    QTRY_VERIFY(program.geometry(id).width() >= 400 && program.geometry(id).height() >= 300);
    QTest::qWait(300);
    const QRect before = program.geometry(id);
    if (!X11Program::underWindowManager())
        QCOMPARE(before, QRect(100, 120, 400, 300));
    // Stop capturing with Ctrl+A before ending: the switch is remembered too.
    X11Program::run(QStringLiteral("xdotool"), {QStringLiteral("windowfocus"), QStringLiteral("--sync"), id});
    X11Program::run(QStringLiteral("xdotool"), {QStringLiteral("key"), QStringLiteral("ctrl+a")});
    QCOMPARE(program.closeAndWait(id), 0);

    QProcess &again = program.process();
    again.start(again.program(), {});
    QVERIFY(again.waitForStarted());
    id = program.waitForWindow(QStringLiteral("Arlen.T.K. QuillKeeper"));
    QVERIFY(!id.isEmpty());
    QTRY_COMPARE(program.geometry(id), before);
    // And it stays there: nothing grows or moves once the window manager has framed it.
    QTest::qWait(500);
    QCOMPARE(program.geometry(id), before);
    QCOMPARE(program.closeAndWait(id), 0);

    QFile settings(program.folder() + QStringLiteral("/QKPRUtil.dat"));
    QVERIFY(settings.open(QIODevice::ReadOnly));
    const QByteArray bytes = settings.readAll();
    // The main window's section ends the file: four switches, the state, then the rectangle.
    const QByteArray tail = bytes.right(2 * 4 + 2 + 4 * 4);
    QCOMPARE(tail.mid(4, 2), QByteArray("\0\0", 2)); // capture stopped
    const auto stored = [&](int field) { return qFromLittleEndian<qint32>(tail.constData() + 10 + 4 * field); };
    QCOMPARE(QRect(stored(0), stored(1), stored(2), stored(3)), before);
}

void TestStartup::damagedSettingsFileGivesFactoryValues()
{
    X11Program program;
    QFile damaged(program.folder() + QStringLiteral("/QKPRUtil.dat"));
    QVERIFY(damaged.open(QIODevice::WriteOnly));
    damaged.write(QByteArray(50, '\xff'));
    damaged.close();
    QVERIFY(program.start());
    const QString id = program.waitForWindow(QStringLiteral("Arlen.T.K. QuillKeeper"));
    QVERIFY(!id.isEmpty());
    QTRY_COMPARE(program.geometry(id).size(), QSize(307, 215));
    // The user is told at once, in a box that leaves the main window to its keys.
    QVERIFY(!program.waitForWindow(QStringLiteral("Arlen.T.K. QuillKeeper ﾌｧｲﾙ読み込みｴﾗｰ")).isEmpty());
    QCOMPARE(program.closeAndWait(id), 0);
    QVERIFY(QFileInfo(damaged.fileName()).size() > 76);
}

void TestStartup::settingsPipeHoldsNothingAndASignalEndsTheExitBox()
{
    X11Program program;
    const QString pipe = program.folder() + QStringLiteral("/QKPRUtil.dat");
    QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    QVERIFY(program.start());
    const QString id = program.waitForWindow(QStringLiteral("Arlen.T.K. QuillKeeper"));
    QVERIFY2(!id.isEmpty(), "the start waits on the pipe");
    QVERIFY(!program.waitForWindow(QStringLiteral("Arlen.T.K. QuillKeeper ﾌｧｲﾙ読み込みｴﾗｰ")).isEmpty());
    // The settings cannot be written over a pipe: the end waits on its box, until a signal comes.
    QCOMPARE(program.closeAndWait(id, 2000), -1);
    QVERIFY(::kill(pid_t(program.process().processId()), SIGTERM) == 0);
    QVERIFY(program.process().waitForFinished(5000));
    QVERIFY(QFileInfo(pipe).exists() && !QFileInfo(pipe).isFile());
}

void TestStartup::signalEndTellsStandardErrorNotABox()
{
    X11Program program;
    program.process().setProcessChannelMode(QProcess::SeparateChannels);
    QVERIFY(program.start());
    QVERIFY(!program.waitForWindow(QStringLiteral("Arlen.T.K. QuillKeeper")).isEmpty());
    // The settings cannot be written once the program's folder is gone; at a logout nobody would
    // answer a box about it.
    QVERIFY(QDir(program.folder()).removeRecursively());
    QVERIFY(::kill(pid_t(program.process().processId()), SIGTERM) == 0);
    QVERIFY(program.process().waitForFinished(5000));
    QVERIFY(QString::fromUtf8(program.process().readAllStandardError()).contains(QStringLiteral("設定を保存できませんでした")));
}

void TestStartup::terminationSignalsRunTheEndSequence_data()
{
    QTest::addColumn<int>("signal");
    QTest::newRow("SIGTERM") << int(SIGTERM);
    QTest::newRow("SIGHUP") << int(SIGHUP);
    QTest::newRow("SIGINT") << int(SIGINT);
}

void TestStartup::terminationSignalsRunTheEndSequence()
{
    QFETCH(int, signal);
    X11Program program;
    QVERIFY(program.start());
    const QString id = program.waitForWindow(QStringLiteral("Arlen.T.K. QuillKeeper"));
    QVERIFY(!id.isEmpty());
    QTRY_COMPARE(program.geometry(id).size(), QSize(307, 215));
    X11Program::run(QStringLiteral("xdotool"), {QStringLiteral("windowmove"), QStringLiteral("--sync"), id,
                                                QStringLiteral("60"), QStringLiteral("70")});
    X11Program::run(QStringLiteral("xdotool"), {QStringLiteral("windowfocus"), QStringLiteral("--sync"), id});
    X11Program::run(QStringLiteral("xdotool"), {QStringLiteral("key"), QStringLiteral("ctrl+a")});
    QTest::qWait(300);
    const QRect placed = program.geometry(id);

    QVERIFY(::kill(pid_t(program.process().processId()), signal) == 0);
    QVERIFY(program.process().waitForFinished(10000));
    QCOMPARE(program.process().exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.process().exitCode(), 0);

    QFile settings(program.folder() + QStringLiteral("/QKPRUtil.dat"));
    QVERIFY(settings.open(QIODevice::ReadOnly));
    const QByteArray tail = settings.readAll().right(2 * 4 + 2 + 4 * 4);
    QCOMPARE(tail.mid(4, 2), QByteArray("\0\0", 2)); // capture stopped
    QCOMPARE(qFromLittleEndian<qint32>(tail.constData() + 10), placed.left());
    QCOMPARE(qFromLittleEndian<qint32>(tail.constData() + 14), placed.top());
}

void TestStartup::killedFirstStartLeavesNoSettingsFile()
{
    X11Program program;
    QVERIFY(program.start());
    QVERIFY(!program.waitForWindow(QStringLiteral("Arlen.T.K. QuillKeeper")).isEmpty());
    program.process().kill();
    QVERIFY(program.process().waitForFinished(10000));
    QVERIFY(!QFileInfo::exists(program.folder() + QStringLiteral("/QKPRUtil.dat")));
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
