// SPDX-License-Identifier: GPL-3.0-or-later
// The text window on a real X server, driven by the pointer and the keyboard through the X server
// (xdotool); also run under a window manager.
#include "TestProgram.h"
#include "XDoTool.h"
#include "app/QtSeams.h"
#include "mainwindow/MainCommands.h"
#include "mainwindow/MainWindow.h"
#include "model/ListItems.h"
#include "model/ListCollection.h"
#include "model/ListDisplay.h"
#include "model/ListRecord.h"
#include "model/ProgramState.h"
#include "platform/ListBoxWidget.h"
#include "windows/ListInfoDialog.h"
#include "windows/NamingDialog.h"
#include "windows/TextWindow.h"

#include <QApplication>
#include <QDir>
#include <QTimer>
#include <QScreen>
#include <QStandardPaths>
#include <QtTest>

class TestTextWindowX11 : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void doubleClickEditSaveThenClickAway();
    void staysOpenUnderItsOwnMessageBox();
    void dialogsStayUntilTheMainWindowIsClicked_data();
    void dialogsStayUntilTheMainWindowIsClicked();
};

void TestTextWindowX11::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
    QVERIFY(!QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty());
}

void TestTextWindowX11::doubleClickEditSaveThenClickAway()
{
    TestProgram p;
    p.start();
    QVERIFY(QTest::qWaitForWindowExposed(&p.window()));
    ListDisplay &panes = p.state().display();
    ListItems &items = p.state().lists().at(ListNumber(0)).items();
    for (const char *text : {"one", "two", "three"})
        items.addItem(QString::fromLatin1(text));
    ListBoxWidget *list = p.listAt(0);
    QTRY_VERIFY(list->rowRect(2).bottom() < list->viewport()->height());
    // Near the left end of a row: the text window opens to the right of it.
    const auto rowPoint = [list](int row) {
        const QRect rect = list->rowRect(row);
        return list->viewport()->mapToGlobal(QPoint(rect.left() + 15, rect.center().y()));
    };
    const ItemNumber item = items.itemOfRow(RowNumber(1));
    const QString shown = items.at(item).text;

    QVERIFY(XDoTool::pointTo(rowPoint(1)));
    QVERIFY(XDoTool::run({"click", "--repeat", "2", "--delay", "80", "1"}));
    TextWindow &text = p.root.textWindow();
    QTRY_VERIFY(text.isVisible() && text.isActiveWindow());
    // Whatever a window manager does with the activation while the window appears, it stays.
    QTest::qWait(800);
    QVERIFY(text.isVisible());
    QCOMPARE(text.windowTitle(), QStringLiteral("ﾃｷｽﾄ表示"));
    QVERIFY(XDoTool::run({"key", "--clearmodifiers", "ctrl+End"}));
    QVERIFY(XDoTool::run({"type", "--delay", "30", "ZZ"}));
    QTRY_COMPARE(text.windowTitle(), QStringLiteral("* ﾃｷｽﾄ表示"));
    QVERIFY(XDoTool::run({"key", "--clearmodifiers", "ctrl+s"}));
    QTRY_COMPARE(items.at(item).text, QString(shown + "ZZ"));
    QCOMPARE(list->rowText(1), items.caption(shown + "ZZ"));
    QCOMPARE(text.windowTitle(), QStringLiteral("ﾃｷｽﾄ表示"));
    QGuiApplication::primaryScreen()->grabWindow(0).save(QDir::current().filePath(
        QStringLiteral("x11-textwindow.png")));

    // A click on the main window closes it; the edit was saved, so nothing is asked.
    QVERIFY(XDoTool::clickAt(rowPoint(0)));
    QTRY_VERIFY(!text.isVisible());
    QVERIFY(p.messages.asked.isEmpty());
    QVERIFY(!text.showsItem());

    // Opened and clicked away at once, again and again: a window manager frames the window anew
    // at every opening, and Qt may not know that frame yet when it closes.
    const TextWindowSettings first = p.window().windowSettings().text;
    const QPoint corner = p.window().mapToGlobal(QPoint(10, p.window().height() - 10));
    for (int opening = 0; opening < 10; ++opening) {
        QVERIFY(XDoTool::pointTo(rowPoint(1)));
        QVERIFY(XDoTool::run({"click", "--repeat", "2", "--delay", "80", "1"}));
        QTest::qWait(100);
        QVERIFY(XDoTool::clickAt(corner));
        QTest::qWait(400);
        QVERIFY(XDoTool::run({"click", "1"}));
        QTRY_VERIFY(!text.isVisible());
        QVERIFY(p.window().windowSettings().text == first);
    }
}

void TestTextWindowX11::staysOpenUnderItsOwnMessageBox()
{
    // The system's message boxes, really shown.
    QtSeams system;
    ProgramRoot root(system.seams());
    root.window().startUp();
    root.window().show();
    QVERIFY(QTest::qWaitForWindowExposed(&root.window()));
    const PaneNumber pane = root.state().display().focusedPane();
    root.state().lists().at(ListNumber(0)).items().addItem(QStringLiteral("text"));
    root.state().display().highlightRow(pane, RowNumber(0));
    root.commands().action(Command::ShowText)->trigger();
    TextWindow &text = root.textWindow();
    QTRY_VERIFY(text.isVisible() && text.isActiveWindow());
    QTest::qWait(500);
    // The list changed: saving is refused in a box, which Enter closes.
    root.state().lists().at(ListNumber(0)).items().addItem(QStringLiteral("changed"));
    bool boxShown = false;
    QTimer::singleShot(1000, &text, [&] {
        boxShown = QApplication::activeModalWidget() != nullptr;
        XDoTool::run({"key", "Return"});
    });
    text.findChild<QAction *>(QStringLiteral("saveAction"))->trigger();
    QVERIFY(boxShown);
    QTest::qWait(800);
    QVERIFY(text.isVisible());
    const QPoint corner = root.window().mapToGlobal(QPoint(10, root.window().height() - 10));
    QVERIFY(XDoTool::clickAt(corner));
    QTRY_VERIFY(!text.isVisible());
}

void TestTextWindowX11::dialogsStayUntilTheMainWindowIsClicked_data()
{
    QTest::addColumn<Command>("command");
    QTest::newRow("naming") << Command::NameList;
    QTest::newRow("list information") << Command::ListInfo;
}

void TestTextWindowX11::dialogsStayUntilTheMainWindowIsClicked()
{
    QFETCH(Command, command);
    TestProgram p;
    p.start();
    QVERIFY(QTest::qWaitForWindowExposed(&p.window()));
    const QString name = p.state().lists().at(ListNumber(0)).name;
    p.command(command)->trigger();
    QWidget *dialog = command == Command::NameList ? static_cast<QWidget *>(&p.root.nameDialog())
                                          : static_cast<QWidget *>(&p.root.listDataDialog());
    QTRY_VERIFY(dialog->isVisible() && dialog->isActiveWindow());
    QTest::qWait(800);
    QVERIFY(dialog->isVisible());
    // The main window's bottom-left corner, away from the dialog.
    const QPoint corner = p.window().mapToGlobal(QPoint(10, p.window().height() - 10));
    // Without --sync: the pointer may be there already from the row before, and would never move.
    QVERIFY(XDoTool::clickAt(corner));
    QTRY_VERIFY(!dialog->isVisible());
    QCOMPARE(p.state().lists().at(ListNumber(0)).name, name);
}

QTEST_MAIN(TestTextWindowX11)
#include "tst_textwindowx11.moc"
