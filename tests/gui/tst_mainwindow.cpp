// SPDX-License-Identifier: GPL-3.0-or-later
// The main window on real widgets: pane layout, the list display menu, list commands and keys.
#include "TestProgram.h"
#include "capture/ClipboardWatcher.h"
#include "mainwindow/ListCommands.h"
#include "mainwindow/ListDisplayMenu.h"
#include "mainwindow/MainCommands.h"
#include "mainwindow/MainMenus.h"
#include "mainwindow/PaneArea.h"
#include "mainwindow/MainWindow.h"
#include "model/ListItems.h"
#include "model/ListCollection.h"
#include "model/ListDisplay.h"
#include "model/ListRecord.h"
#include "model/ProgramState.h"
#include "model/NewListDefaults.h"
#include "model/GlobalSettings.h"
#include "platform/ListBoxWidget.h"
#include "storage/ClipListFile.h"
#include "storage/ClipListStore.h"
#include "mainwindow/ListFileCommands.h"
#include "storage/SettingsFile.h"

#include <QAction>
#include <QFrame>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>
#include <memory>

namespace {

struct Window {
    Window()
    {
        p.start();
        QVERIFY(QTest::qWaitForWindowExposed(window));
    }
    ListDisplay &panes() { return state.display(); }
    PaneArea &area() { return p.root.panes(); }
    ListCommands &lists() { return p.root.listCommands(); }
    MainMenus &menus() { return p.root.menus(); }
    QAction *command(Command command) { return p.command(command); }
    ListBoxWidget *listAt(int position) { return p.listAt(position); }
    int inner() { return area().height(); }
    int minimumHeight()
    {
        return int(std::nearbyint(float(window->logicalDpiY() / 72.0) * 9.0f + 4.0f));
    }
    QStringList menuCaptions()
    {
        ListDisplayMenu &menu = menus().listDisplay;
        emit menus().barMenus[1]->aboutToShow();
        QStringList captions;
        for (int j = 0; j < menu.entryCount(); ++j)
            captions << menu.entry(j)->text() + (menu.entry(j)->isChecked() ? "*" : "");
        return captions;
    }
    TestProgram p;
    ProgramState &state = p.state();
    MainWindow *window = &p.window();
};

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void startsWithOneEmptyPane();
    void oneListFillsTheAreaBelowTheToolStrip();
    void toolbarOffGivesTheListsItsStrip();
    void tooLowWindowGrowsByTheShortfall();
    void manyListsLeaveTheWindowItsSize();
    void minimisedStateDoesNoLayout();
    void listMenuCaptionsNumberDuplicatesAndBracketTheFocus();
    void hidingAndShowingListsKeepsShares();
    void onlyShownListCannotBeHiddenOrDeleted();
    void deleteListRenumbersTheMenu();
    void commandKeysTakeEffect();
    void endRunsTheEndSequence();
    void deleteKeyDeletesHighlightedRows();
    void maximisedStateAndNormalBoundsRoundTrip();
    void unwritableSettingsAreReportedOnceAndTheProgramEnds();
    void picturesAreInTheResourcesOfEveryProgram();
    void captionsAreMeasuredInTheListsFontWhichLeavesTheMenuBarAlone();
};

void TestMainWindow::startsWithOneEmptyPane()
{
    Window w;
    QCOMPARE(w.window->windowTitle(), QStringLiteral("Arlen.T.K. QuillKeeper"));
    QCOMPARE(w.panes().paneCount(), 1);
    QCOMPARE(w.state.lists().count(), 1);
    QCOMPARE(w.listAt(0)->count(), 0);
    QVERIFY(w.listAt(0)->isVisible());
    QCOMPARE(w.area().barCount(), 2);
    QCOMPARE(w.menus().listDisplay.entryCount(), 1);
    QCOMPARE(w.p.root.watcher().timer().interval(), 500);
    // The bottom bar closes the client area, below the menu bar, from the first show on.
    QTRY_COMPARE(w.area().barWidget(1)->geometry().bottom() + 1, w.inner());
    // Hiding the menu bar gives its height to the lists.
    const int listHeight = w.listAt(0)->height();
    w.window->setMenuBarShown(false);
    QTRY_VERIFY(w.listAt(0)->height() > listHeight);
    QCOMPARE(w.area().barWidget(1)->geometry().bottom() + 1, w.inner());
}

void TestMainWindow::oneListFillsTheAreaBelowTheToolStrip()
{
    Window w;
    w.window->resize(320, 300);
    const int h = w.inner();
    QCOMPARE(w.listAt(0)->geometry().top(), 22);
    QCOMPARE(w.listAt(0)->height(), h - 19 - 6);
    QCOMPARE(w.area().barWidget(1)->geometry().top(), h - 3);
    QCOMPARE(w.area().barWidget(1)->height(), 3);
    QCOMPARE(w.area().barWidget(1)->width(), w.area().width());
    QCOMPARE(w.area().barWidget(0)->geometry().top(), 19);
}

void TestMainWindow::toolbarOffGivesTheListsItsStrip()
{
    Window w;
    w.lists().makeNewList();
    w.window->resize(320, 400);
    const int first = w.listAt(0)->height();
    const int second = w.listAt(1)->height();
    w.window->setToolbarShown(false);
    QCOMPARE(w.area().barWidget(0)->geometry().top(), 0);
    QCOMPARE(w.listAt(0)->geometry().top(), 3);
    // The 19 pixels are shared out as spare height, half each (rounded).
    QVERIFY(std::abs(w.listAt(0)->height() - first - 9.5) <= 0.5);
    // Each list rounds its own part of the spare height, so the sum may be off by one.
    QVERIFY(std::abs(w.listAt(0)->height() + w.listAt(1)->height() - (first + second + 19)) <= 1);
    w.window->setToolbarShown(true);
    QCOMPARE(w.listAt(0)->height(), first);
    QCOMPARE(w.listAt(1)->height(), second);
}

void TestMainWindow::tooLowWindowGrowsByTheShortfall()
{
    Window w;
    w.lists().makeNewList();
    w.lists().makeNewList();
    w.window->resize(320, 300);
    const int menuAndFrame = w.window->height() - w.inner();
    w.window->resize(320, menuAndFrame + 40);
    const int needed = 19 + 3 * 4 + 3 * w.minimumHeight();
    // Rounding the summed minimums can differ from summing rounded ones by a pixel.
    QTRY_VERIFY2(std::abs(w.inner() - needed) <= 1, qPrintable(QString("%1 vs %2").arg(w.inner()).arg(needed)));
    for (int i = 0; i < 3; ++i)
        QCOMPARE(w.listAt(i)->height(), w.minimumHeight());
}

void TestMainWindow::manyListsLeaveTheWindowItsSize()
{
    Window w;
    const QSize size = w.window->size();
    for (Command command : {Command::NewList, Command::DeleteList}) {
        for (int i = 0; i < 600; ++i)
            w.command(command)->trigger();
        QTest::qWait(20);
    }
    QCOMPARE(w.window->size(), size);
}

void TestMainWindow::minimisedStateDoesNoLayout()
{
    Window w;
    w.window->resize(320, 300);
    const QRect before = w.listAt(0)->geometry();
    w.window->setSizeState(MainWindowSettings::SizeState::Minimised);
    w.window->resize(320, 500);
    QCOMPARE(w.listAt(0)->geometry(), before);
    w.window->setSizeState(MainWindowSettings::SizeState::Normal);
    w.window->layOutPanes();
    QVERIFY(w.listAt(0)->height() > before.height());
}

void TestMainWindow::listMenuCaptionsNumberDuplicatesAndBracketTheFocus()
{
    Window w;
    QCOMPARE(w.menuCaptions(), QStringList{"[ｸﾘｯﾌﾟ]*"});
    w.lists().makeNewList();
    QCOMPARE(w.menuCaptions(), (QStringList{"ｸﾘｯﾌﾟ(1)*", "[ｸﾘｯﾌﾟ(2)]*"}));
    w.state.lists().at(ListNumber(0)).name = QStringLiteral("A&B");
    w.state.lists().at(ListNumber(0)).sameNameNumber = 0;
    // Hide the first list: it moves behind the shown ones, unchecked.
    w.lists().toggleListShown(0);
    QCOMPARE(w.menuCaptions(), (QStringList{"[ｸﾘｯﾌﾟ(2)]*", "A&&B"}));
    QCOMPARE(w.menus().listDisplay.listAt(1), 0);
}

void TestMainWindow::hidingAndShowingListsKeepsShares()
{
    Window w;
    w.lists().makeNewList();
    w.lists().makeNewList();
    w.menuCaptions();
    w.lists().toggleListShown(1); // hide the middle list
    QCOMPARE(w.panes().paneCount(), 2);
    QCOMPARE(w.panes().focusedList(), 2);
    QVERIFY(std::abs(w.state.lists().at(ListNumber(1)).heightShare - 1 / 3.0f) < 1e-5f);
    w.menuCaptions();
    w.lists().toggleListShown(2); // show it again, at the bottom, with its third
    QCOMPARE(w.panes().paneCount(), 3);
    QCOMPARE(w.state.display().listOfPane(w.panes().paneAtPosition(2)), 1);
    QCOMPARE(w.panes().focusedList(), 1);
    float sum = 0;
    for (qint16 p = 0; p < 3; ++p)
        sum += w.panes().paneRecord(w.panes().paneAtPosition(p)).heightShare;
    QVERIFY(std::abs(sum - 1.0f) < 1e-5f);
}

void TestMainWindow::onlyShownListCannotBeHiddenOrDeleted()
{
    Window w;
    w.lists().makeNewList();
    w.menuCaptions();
    w.lists().toggleListShown(0);
    QCOMPARE(w.menuCaptions().size(), 2);
    w.lists().toggleListShown(0); // the only shown list now
    QCOMPARE(w.panes().paneCount(), 1);

    emit w.menus().barMenus[0]->aboutToShow();
    QVERIFY(!w.command(Command::DeleteList)->isEnabled());
    w.lists().deleteList();
    QCOMPARE(w.state.lists().count(), 2);

    w.window->setMenuBarShown(false);
    w.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.window));
    QTest::keyClick(w.listAt(0), Qt::Key_D, Qt::ControlModifier);
    QCOMPARE(w.state.lists().count(), 2);
}

void TestMainWindow::deleteListRenumbersTheMenu()
{
    Window w;
    w.lists().makeNewList();
    w.lists().makeNewList();
    w.state.lists().renameList(ListNumber(2), QStringLiteral("last"));
    w.state.lists().numberSameNames(ListNumber(2));
    w.panes().focusPane(w.panes().paneAtPosition(1));
    emit w.menus().barMenus[0]->aboutToShow();
    QVERIFY(w.command(Command::DeleteList)->isEnabled());
    w.command(Command::DeleteList)->trigger();
    QCOMPARE(w.state.lists().count(), 2);
    QCOMPARE(w.menus().listDisplay.entryCount(), 2);
    QCOMPARE(w.menuCaptions(), (QStringList{"ｸﾘｯﾌﾟ(1)*", "[last]*"}));
}

void TestMainWindow::commandKeysTakeEffect()
{
    Window w;
    w.window->setMenuBarShown(false);
    w.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.window));
    QTest::keyClick(w.listAt(0), Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(w.state.lists().count(), 2);
    QCOMPARE(w.menus().listDisplay.entryCount(), 2);
    QTest::keyClick(w.listAt(0), Qt::Key_A, Qt::ControlModifier);
    QVERIFY(!w.window->capturing());
    QTest::keyClick(w.listAt(0), Qt::Key_N, Qt::ShiftModifier | Qt::ControlModifier);
    QCOMPARE(w.state.lists().count(), 2);
}

void TestMainWindow::endRunsTheEndSequence()
{
    Window w;
    int ended = 0;
    QObject::connect(w.window, &MainWindow::ending, [&] {
        ++ended;
        QVERIFY(!w.state.flags.ending); // the settings are written before anything closes
    });
    w.command(Command::EndProgram)->trigger();
    QCOMPARE(ended, 1);
    QVERIFY(w.state.flags.ending);
    QVERIFY(!w.window->isVisible());
}

void TestMainWindow::deleteKeyDeletesHighlightedRows()
{
    Window w;
    ListItems &items = w.state.lists().at(ListNumber(0)).items();
    for (const char *t : {"a", "b", "c", "d"})
        items.addItem(QString::fromLatin1(t));
    ListBoxWidget *list = w.listAt(0);
    list->setFocus();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->rowRect(1).center());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier, list->rowRect(3).center());
    QCOMPARE(list->selectedCount(), 2);
    QTest::keyClick(list, Qt::Key_Delete);
    QCOMPARE(list->count(), 2);
    QCOMPARE(items.count(), 2);
    QCOMPARE(list->rowText(0).left(1), QStringLiteral("d"));
    QCOMPARE(list->rowText(1).left(1), QStringLiteral("b"));

    // Whatever the menu bar's state.
    w.window->setMenuBarShown(false);
    list->clearSelection();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->rowRect(0).center());
    QTest::keyClick(w.window, Qt::Key_Delete);
    QCOMPARE(list->count(), 1);
}

void TestMainWindow::maximisedStateAndNormalBoundsRoundTrip()
{
    QTemporaryDir dir;
    const QString path = SettingsFile::pathIn(dir.path());
    {
        GlobalSettings settings;
        settings.setFactoryValues();
        NewListDefaults defaults;
        defaults.setFactoryValues();
        WindowSettings windows;
        windows.main.sizeState = MainWindowSettings::SizeState::Maximised;
        windows.main.Left = 40;
        windows.main.Top = 50;
        windows.main.Width = 350;
        windows.main.Height = 260;
        windows.main.toolbarShown = false;
        SettingsFile::Found nothing = SettingsFile::Found::Nothing;
        QVERIFY(SettingsFile(settings, defaults, windows).writeSettingsAtEnd(path, nothing));
    }
    {
        TestProgram p;
        p.start({}, path);
        MainWindow &window = p.window();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(window.isMaximized());
        QCOMPARE(window.sizeState(), MainWindowSettings::SizeState::Maximised);
        QVERIFY(!window.toolbarShown());
        window.close();
    }
    GlobalSettings settings;
    NewListDefaults defaults;
    WindowSettings windows;
    SettingsFile(settings, defaults, windows).readSettingsAtStart(path, QRect(0, 0, 1024, 768));
    QCOMPARE(windows.main.sizeState, MainWindowSettings::SizeState::Maximised);
    QCOMPARE(QRect(windows.main.Left, windows.main.Top, windows.main.Width, windows.main.Height), QRect(40, 50, 350, 260));
    QVERIFY(!windows.main.toolbarShown);
}

void TestMainWindow::unwritableSettingsAreReportedOnceAndTheProgramEnds()
{
    QTemporaryDir dir;
    // A folder that is really a file cannot hold the settings, not even for an administrator.
    const QString blocker = dir.filePath(QStringLiteral("blocker"));
    QFile file(blocker);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    TestProgram p;
    ScriptedMessageBoxes &boxes = p.messages;
    boxes.willAnswer(MessageBoxPort::Answer::Ok);
    p.start({}, blocker + QStringLiteral("/QKPRUtil.dat"));
    MainWindow &window = p.window();
    window.close();
    QVERIFY(p.state().flags.ending);
    QCOMPARE(boxes.asked.size(), 1);
    QCOMPARE(boxes.asked.first().title, QStringLiteral("Arlen.T.K. QuillKeeper"));
    QCOMPARE(boxes.asked.first().icon, MessageBoxPort::Icon::Critical);
    window.close(); // a second close does not ask again
    QCOMPARE(boxes.asked.size(), 1);
}

void TestMainWindow::picturesAreInTheResourcesOfEveryProgram()
{
    // Linked from the windows' static library, with no initialisation call of the test's own.
    for (int size : {16, 32, 48, 64}) {
        const QString name = size == 64 ? QStringLiteral(":/icons/quillkeeper.png")
                                        : QStringLiteral(":/icons/quillkeeper-%1.png").arg(size);
        QCOMPARE(QImage(name).size(), QSize(size, size));
    }
}

void TestMainWindow::captionsAreMeasuredInTheListsFontWhichLeavesTheMenuBarAlone()
{
    Window w;
    const QFont menuFont = w.window->menuBar()->font();
    const int menuHeight = w.window->menuBar()->height();
    QCOMPARE(QFontInfo(w.area().measuringFont()).family(), QFontInfo(w.listAt(0)->font()).family());
    QCOMPARE(w.area().measuringFont().pointSizeF(), w.listAt(0)->font().pointSizeF());

    // A file's list with a large font of its own, opened into the focused list.
    QTemporaryDir dir;
    ClipListContent big;
    big.options.itemLimit = 32;
    big.options.fontName = QStringLiteral("DejaVu Serif");
    big.options.fontSize = 24;
    const QString path = dir.filePath(QStringLiteral("big.qkp"));
    QVERIFY(ClipListFile::write(path, big));
    QVERIFY(w.p.root.listFiles().store().openListFile(path));
    QCOMPARE(QFontInfo(w.area().measuringFont()).family(), QFontInfo(w.listAt(0)->font()).family());
    QCOMPARE(w.area().measuringFont().pointSizeF(), 24.0);
    QCOMPARE(w.window->menuBar()->font(), menuFont);
    QTRY_COMPARE(w.window->menuBar()->height(), menuHeight);
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
