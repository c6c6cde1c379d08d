// SPDX-License-Identifier: GPL-3.0-or-later
// The window switches, the mini window, the version box and the help page, on real widgets.
#include "DesktopRecorder.h"
#include "TestProgram.h"
#include "capture/ClipboardWatcher.h"
#include "mainwindow/MainCommands.h"
#include "mainwindow/MainWindow.h"
#include "model/ProgramTexts.h"
#include "model/ProgramVersion.h"
#include "model/ProgramState.h"
#include "platform/ProgramFolders.h"
#include "platform/ProgramPictures.h"
#include "storage/SettingsFile.h"
#include "windows/MiniWindow.h"
#include "windows/VersionWindow.h"
#include "model/NewListDefaults.h"
#include "model/GlobalSettings.h"

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Program {
    explicit Program(const QString &settings = QString())
    {
        p.start({}, settings);
        window.move(200, 150);
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
    }
    QPoint restoreButton() const { return mini.buttonImages[1]->mapToGlobal(QPoint(0, 0)); }
    QPoint miniButtonOfMain() const { return window.frameGeometry().topLeft() + window.miniButtonOffset(); }
    // Clicks the strip's restore button with the cursor 8 pixels inside it.
    void clickRestore()
    {
        QCursor::setPos(restoreButton() + QPoint(8, 8));
        QTest::mouseClick(mini.buttonImages[1], Qt::LeftButton, {}, QPoint(8, 8));
    }
    QRgb lamp() const { return mini.lamp->palette().color(QPalette::Window).rgb() & 0xFFFFFF; }

    TestProgram p;
    MainWindow &window = p.window();
    MiniWindow &mini = p.root.miniWindow();
};

QPoint centre(const QRect &r) { return QPoint(2 * r.left() + r.width(), 2 * r.top() + r.height()); }

} // namespace

class TestWindowState : public QObject {
    Q_OBJECT
private slots:
    void minimiseAndRestoreByMouseKeepTheCursorOnTheButton();
    void minimiseAndRestoreByKeyCentre();
    void restorePulledOntoTheDesktopReturnsTheStripToItsPlace();
    void lampLightsFromACaptureUntilATickWithNothingNew();
    void stripSwitchesCaptureByButtonAndKey();
    void closingTheStripEndsTheProgramAndKeepsItsPlace();
    void alwaysOnTopKeepsTheWindowShownWhereItIs();
    void switchesFollowTheirCommands_data();
    void switchesFollowTheirCommands();
    void maximiseAndRestoreReturnToTheSameBounds();
    void versionBoxShowsTheProgramAndOpensTheHomePage();
    void helpPageIsFoundBesideOrInstalled_data();
    void helpPageIsFoundBesideOrInstalled();
    void helpCommandHandsThePageToTheDesktop();
};

void TestWindowState::minimiseAndRestoreByMouseKeepTheCursorOnTheButton()
{
    Program w;
    const QPoint cursor(420, 330);
    QCursor::setPos(cursor);
    w.p.command(Command::Minimise)->trigger();
    QVERIFY(w.mini.isVisible());
    QVERIFY(w.mini.miniShown());
    QVERIFY(!w.window.isVisible());
    QCOMPARE(w.mini.size(), QSize(59, 32));
    QVERIFY(w.mini.windowFlags() & Qt::WindowStaysOnTopHint);
    QCOMPARE(w.mini.windowTitle(), ProgramTexts::title());
    QCOMPARE(cursor - w.restoreButton(), QPoint(8, 8));
    QCOMPARE(w.mini.buttonImages[1]->toolTip(), QStringLiteral("元に戻す"));

    w.clickRestore();
    QVERIFY(!w.mini.isVisible());
    QVERIFY(!w.mini.miniShown());
    QVERIFY(w.window.isVisible());
    QCOMPARE(QCursor::pos() - w.miniButtonOfMain(), QPoint(8, 8));
    QVERIFY(!w.p.state().flags.ending);
}

void TestWindowState::minimiseAndRestoreByKeyCentre()
{
    Program w;
    QCursor::setPos(10, 10);
    QTest::keyClick(&w.window, Qt::Key_F, Qt::ControlModifier);
    QVERIFY(w.mini.isVisible());
    // Centred: twice the centres agree within the rounding of each half.
    QVERIFY((centre(w.mini.frameGeometry()) - centre(w.window.frameGeometry())).manhattanLength() <= 2);

    w.mini.move(300, 400);
    QTest::keyClick(&w.mini, Qt::Key_F, Qt::ControlModifier);
    QVERIFY(w.window.isVisible());
    QVERIFY(!w.mini.isVisible());
    QVERIFY((centre(w.mini.frameGeometry()) - centre(w.window.frameGeometry())).manhattanLength() <= 2);
}

void TestWindowState::restorePulledOntoTheDesktopReturnsTheStripToItsPlace()
{
    Program w;
    const QRect desktop = QGuiApplication::primaryScreen()->geometry();
    w.p.command(Command::Minimise)->trigger();
    const QPoint nearEdge(desktop.right() - w.mini.width(), 300);
    w.mini.move(nearEdge);
    w.clickRestore();
    QVERIFY(w.mini.restoreFitted());
    QCOMPARE(w.window.frameGeometry().right(), desktop.right());

    QCursor::setPos(100, 100);
    w.p.command(Command::Minimise)->trigger();
    QCOMPARE(w.mini.pos(), nearEdge);

    // Once the main window has moved, the strip goes under the cursor again.
    w.clickRestore();
    w.window.move(w.window.pos() - QPoint(30, 0));
    w.p.command(Command::Minimise)->trigger();
    QCOMPARE(QCursor::pos() - w.restoreButton(), QPoint(8, 8));
}

void TestWindowState::lampLightsFromACaptureUntilATickWithNothingNew()
{
    Program w;
    ClipboardWatcher &watcher = w.p.root.watcher();
    w.p.clipboard.setPlainText(QStringLiteral("before"));
    watcher.tick();
    w.p.command(Command::Minimise)->trigger();
    QCOMPARE(w.lamp(), MiniWindow::LampOff);
    QCOMPARE(w.mini.lamp->toolTip(), QStringLiteral("コピー認識ランプ"));

    w.p.clipboard.setPlainText(QStringLiteral("new"));
    watcher.tick();
    QVERIFY(w.mini.lampLit());
    QCOMPARE(w.lamp(), MiniWindow::LampOn);
    w.p.clipboard.setPlainText(QStringLiteral("newer"));
    watcher.tick();
    QVERIFY(w.mini.lampLit());
    watcher.tick();
    QVERIFY(!w.mini.lampLit());
    QCOMPARE(w.lamp(), MiniWindow::LampOff);

    // A lamp left lit goes out when the strip opens again.
    w.p.clipboard.setPlainText(QStringLiteral("last"));
    watcher.tick();
    w.clickRestore();
    w.p.command(Command::Minimise)->trigger();
    QCOMPARE(w.lamp(), MiniWindow::LampOff);
}

void TestWindowState::stripSwitchesCaptureByButtonAndKey()
{
    Program w;
    ClipboardWatcher &watcher = w.p.root.watcher();
    QSignalSpy toolbar(&watcher, &ClipboardWatcher::capturingShown);
    w.p.command(Command::Minimise)->trigger();
    QLabel *button = w.mini.buttonImages[0];
    QCOMPARE(button->toolTip(), QStringLiteral("作動中"));
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, 8));
    QVERIFY(!watcher.capturing());
    QCOMPARE(button->toolTip(), QStringLiteral("停止中"));
    QTest::keyClick(&w.mini, Qt::Key_A, Qt::ControlModifier);
    QVERIFY(watcher.capturing());
    QCOMPARE(button->toolTip(), QStringLiteral("作動中"));
    QTest::keyClick(&w.mini, Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(watcher.capturing());
    // A press that drags the strip away is no click.
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(4, 4));
    QMouseEvent move(QEvent::MouseMove, QPointF(4, 4), button->mapToGlobal(QPointF(40, 30)), Qt::NoButton,
                     Qt::LeftButton, {});
    QApplication::sendEvent(button, &move);
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(4, 4));
    QVERIFY(watcher.capturing());
    // The toolbar shows the switch only once the main window is back.
    QCOMPARE(toolbar.size(), 0);
    w.clickRestore();
    QCOMPARE(toolbar.size(), 1);
}

void TestWindowState::closingTheStripEndsTheProgramAndKeepsItsPlace()
{
    QTemporaryDir dir;
    const QString path = SettingsFile::pathIn(dir.path());
    QPoint restoredAt;
    {
        Program w(path);
        QCOMPARE(w.window.windowSettings().mini.restoreX, -1);
        w.p.command(Command::Minimise)->trigger();
        w.clickRestore();
        restoredAt = w.window.pos();
        w.p.command(Command::Minimise)->trigger();
        QSignalSpy ending(&w.window, &MainWindow::ending);
        w.mini.close();
        QCOMPARE(ending.size(), 1);
        QVERIFY(w.p.state().flags.ending);
    }
    GlobalSettings settings;
    NewListDefaults defaults;
    WindowSettings windows;
    SettingsFile(settings, defaults, windows).readSettingsAtStart(path, QRect(0, 0, 1024, 768));
    QCOMPARE(QPoint(windows.mini.restoreX, windows.mini.restoreY), restoredAt);
}

void TestWindowState::alwaysOnTopKeepsTheWindowShownWhereItIs()
{
    Program w;
    const QRect before = w.window.frameGeometry();
    int hides = 0;
    struct Counter : QObject {
        int &hides;
        explicit Counter(int &h) : hides(h) {}
        bool eventFilter(QObject *, QEvent *e) override
        {
            hides += e->type() == QEvent::Hide;
            return false;
        }
    } counter(hides);
    w.window.installEventFilter(&counter);
    QSignalSpy followed(&w.window, &MainWindow::alwaysOnTopChanged);
    QTest::keyClick(&w.window, Qt::Key_E, Qt::ControlModifier);
    QVERIFY(w.window.alwaysOnTop());
    QVERIFY(w.window.windowFlags() & Qt::WindowStaysOnTopHint);
    QVERIFY(w.window.windowHandle()->flags() & Qt::WindowStaysOnTopHint);
    w.p.command(Command::AlwaysOnTop)->trigger();
    QVERIFY(!(w.window.windowHandle()->flags() & Qt::WindowStaysOnTopHint));
    QCOMPARE(hides, 0);
    QVERIFY(w.window.isVisible());
    QCOMPARE(w.window.frameGeometry(), before);
    QCOMPARE(followed.size(), 2);
}

void TestWindowState::switchesFollowTheirCommands_data()
{
    QTest::addColumn<Command>("command");
    QTest::newRow("menu bar") << Command::ShowMenuBar;
    QTest::newRow("toolbar") << Command::ShowToolbar;
    QTest::newRow("on top") << Command::AlwaysOnTop;
}

void TestWindowState::switchesFollowTheirCommands()
{
    QFETCH(Command, command);
    Program w;
    auto state = [&] {
        return command == Command::ShowMenuBar   ? w.window.menuBarShown()
               : command == Command::ShowToolbar ? w.window.toolbarShown()
                                                 : w.window.alwaysOnTop();
    };
    QAction *action = w.p.root.commands().action(command);
    for (int i = 0; i < 2; ++i) {
        const bool before = state();
        action->trigger();
        QCOMPARE(state(), !before);
        w.p.root.commands().updateOptionMenu();
        QCOMPARE(action->isChecked(), state());
    }
}

void TestWindowState::maximiseAndRestoreReturnToTheSameBounds()
{
    Program w;
    w.window.resize(330, 240);
    const QRect normal = w.window.frameGeometry();
    w.window.toggleMaximised(false);
    QCOMPARE(w.window.sizeState(), MainWindowSettings::SizeState::Normal);
    w.window.toggleMaximised(true);
    QCOMPARE(w.window.sizeState(), MainWindowSettings::SizeState::Maximised);
    QTRY_VERIFY(w.window.isMaximized());
    QTRY_COMPARE(w.window.frameGeometry(), QGuiApplication::primaryScreen()->availableGeometry());
    w.window.toggleMaximised(true);
    QCOMPARE(w.window.sizeState(), MainWindowSettings::SizeState::Normal);
    QTRY_COMPARE(w.window.frameGeometry(), normal);
}

void TestWindowState::versionBoxShowsTheProgramAndOpensTheHomePage()
{
    Program w;
    DesktopRecorder &desktop = DesktopRecorder::install();
    desktop.opened.clear();
    w.window.setAlwaysOnTop(true);
    bool checked = false;
    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<VersionWindow *>(QApplication::activeModalWidget());
        QVERIFY(box);
        // A failed check below still closes the box.
        const auto close = qScopeGuard([box] { box->reject(); });
        QCOMPARE(box->windowTitle(), QStringLiteral("Arlen.T.K. QuillKeeper ﾊﾞｰｼﾞｮﾝ情報"));
        QCOMPARE(box->messageLabels[0]->text(), QStringLiteral("Arlen.T.K. QuillKeeper 1.0"));
        QCOMPARE(box->messageLabels[1]->text(), ProgramVersion::legalNotice());
        QCOMPARE(box->messageLabels[2]->text(), ProgramVersion::fileDescription());
        QVERIFY(!box->messageLabels[1]->text().isEmpty() && !box->messageLabels[2]->text().isEmpty());
        QVERIFY(box->licenceLabel->text().contains(QStringLiteral("GPL-3.0-or-later")));
        QVERIFY(box->windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(!box->iconLabel->pixmap().isNull());
        QCOMPARE(box->addressLabel->toolTip(), QStringLiteral("作者ﾎｰﾑﾍﾟｰｼﾞへｱｸｾｽ"));
        QCOMPARE(box->addressLabel->cursor().pixmap().toImage(), ProgramPictures::cursor(ProgramPictures::LinkCursor).pixmap().toImage());
        QTest::mouseClick(box->addressLabel, Qt::LeftButton);
        QCOMPARE(box->addressLabel->palette().color(QPalette::WindowText).rgb() & 0xFFFFFF, VersionWindow::visitedColour);
        QCOMPARE(desktop.opened, QList<QUrl>{QUrl(ProgramVersion::homePage())});
        // Switched meanwhile, always-on-top is put back when the box closes.
        w.window.setAlwaysOnTop(false);
        box->okButton->click();
        checked = true;
    });
    w.p.command(Command::Version)->trigger();
    QVERIFY(checked);
    QVERIFY(w.window.alwaysOnTop());
    QVERIFY(w.window.windowHandle()->flags() & Qt::WindowStaysOnTopHint);
}

void TestWindowState::helpPageIsFoundBesideOrInstalled_data()
{
    QTest::addColumn<QString>("programFolder");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("found");
    QTest::addColumn<bool>("installed");
    QTest::newRow("beside") << "app" << "app/GuideQKPR/guidetop.htm" << "app/GuideQKPR/guidetop.htm" << false;
    QTest::newRow("installed") << "usr/bin" << "usr/share/quillkeeper/GuideQKPR/guidetop.htm"
                               << "usr/share/quillkeeper/GuideQKPR/guidetop.htm" << true;
    QTest::newRow("missing") << "app" << "" << "app/GuideQKPR/guidetop.htm" << false;
    QTest::newRow("a bin folder of another program") << "bin" << "" << "bin/GuideQKPR/guidetop.htm" << false;
}

void TestWindowState::helpPageIsFoundBesideOrInstalled()
{
    QFETCH(QString, programFolder);
    QFETCH(QString, page);
    QFETCH(QString, found);
    QFETCH(bool, installed);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath(programFolder));
    if (!page.isEmpty()) {
        QVERIFY(QDir(dir.path()).mkpath(QFileInfo(page).path()));
        QFile file(dir.filePath(page));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    const ProgramFolders folders(dir.filePath(programFolder));
    QCOMPARE(folders.helpPage(), dir.filePath(found));
    QCOMPARE(folders.installed(), installed);
    // An installed program keeps its settings in the user's configuration folder.
    QCOMPARE(folders.settingsFolder().isEmpty(), installed);
}

void TestWindowState::helpCommandHandsThePageToTheDesktop()
{
    Program w;
    DesktopRecorder &desktop = DesktopRecorder::install();
    desktop.opened.clear();
    QTest::keyClick(&w.window, Qt::Key_F1);
    QCOMPARE(desktop.opened.size(), 1);
    QCOMPARE(desktop.opened.first().toLocalFile(),
             QCoreApplication::applicationDirPath() + QStringLiteral("/GuideQKPR/guidetop.htm"));
    QCOMPARE(w.p.messages.asked.size(), 0);
}

QTEST_MAIN(TestWindowState)
#include "tst_windowstate.moc"
