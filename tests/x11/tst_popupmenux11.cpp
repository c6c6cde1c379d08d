// SPDX-License-Identifier: GPL-3.0-or-later
// The pop-up menu and the toolbar on a real X server, driven through the X server (xdotool).
#include "TestProgram.h"
#include "XDoTool.h"
#include "mainwindow/PaneArea.h"
#include "mainwindow/PopUpMenu.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/ToolButton.h"
#include "mainwindow/ToolbarField.h"
#include "mainwindow/ToolStrip.h"
#include "model/ListItems.h"
#include "model/ListCollection.h"
#include "model/ListDisplay.h"
#include "model/ListRecord.h"
#include "model/ProgramState.h"
#include "platform/ListBoxWidget.h"

#include <QDir>
#include <QMenu>
#include <QScreen>
#include <QStandardPaths>
#include <QtTest>

namespace {
QPoint centreOf(const QMenu *menu, QAction *action)
{
    return menu->mapToGlobal(menu->actionGeometry(action).center());
}

// A part of the screen, saved beside the test for a reviewer to look at; small parts enlarged
// pixel for pixel.
void saveScreen(const QRect &part, const QString &name, int scale = 1)
{
    const QPixmap shot = QGuiApplication::primaryScreen()->grabWindow(0).copy(part);
    shot.scaled(shot.size() * scale).save(QDir::current().filePath(name));
}
} // namespace

class TestPopUpMenuX11 : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void toolbarFieldOpensAndCloses();
    void joinFromThePopUpMenu();
};

void TestPopUpMenuX11::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
    QVERIFY(!QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty());
}

void TestPopUpMenuX11::toolbarFieldOpensAndCloses()
{
    TestProgram p;
    p.start();
    QVERIFY(QTest::qWaitForWindowExposed(&p.window()));
    ToolStrip &strip = p.root.toolStrip();
    const auto buttonCentre = [](QWidget *button) { return button->mapToGlobal(button->rect().center()); };
    QVERIFY(XDoTool::clickAt(buttonCentre(strip.button(0))));
    QTRY_COMPARE(strip.openGroup(), 0);
    QVERIFY(strip.field().isVisible());
    // Over a field button: its frame shows.
    QVERIFY(XDoTool::pointTo(buttonCentre(strip.field().buttons().at(1))));
    QTRY_COMPARE(strip.field().hoveredButton(), 1);
    QTest::qWait(200);
    const QPoint topLeft = p.root.panes().mapToGlobal(QPoint(0, 0));
    saveScreen(QRect(topLeft, QSize(p.root.panes().width(), 60)), QStringLiteral("x11-toolbar.png"), 3);
    // A press on the list below closes a field opened by a click.
    QVERIFY(XDoTool::clickAt(buttonCentre(p.listAt(0)->viewport())));
    QTRY_COMPARE(strip.openGroup(), -1);
    QVERIFY(!strip.field().isVisible());
}

void TestPopUpMenuX11::joinFromThePopUpMenu()
{
    TestProgram p;
    p.start();
    QVERIFY(QTest::qWaitForWindowExposed(&p.window()));
    ListDisplay &panes = p.state().display();
    ListItems &items = p.state().lists().at(ListNumber(0)).items();
    for (const char *text : {"one", "two", "three", "four"})
        items.addItem(QString::fromLatin1(text));
    ListBoxWidget *list = p.listAt(0);
    QTRY_VERIFY(list->rowRect(3).bottom() < list->viewport()->height());
    // Rows highlighted with the focus on the first of them, as a sweep leaves them.
    panes.setFocusedRow(panes.focusedPane(), RowNumber(1));
    list->setSelected(1, true);
    list->setSelected(2, true);
    const QList<int> highlighted = list->selectedRows();
    QCOMPARE(highlighted.size(), 2);

    // The right press on another row opens the menu and leaves the highlight as it is.
    const QRect row = list->rowRect(3);
    QVERIFY(XDoTool::clickAt(list->viewport()->mapToGlobal(QPoint(row.left() + 15, row.center().y())), 3));
    PopUpMenu &popUp = p.root.popUpMenu();
    QTRY_VERIFY(popUp.menu()->isVisible());
    QCOMPARE(list->selectedRows(), highlighted);
    QVERIFY(popUp.action(Command::JoinItems)->isEnabled());

    QVERIFY(XDoTool::clickAt(centreOf(popUp.menu(), popUp.itemMenu->menuAction())));
    QTRY_VERIFY(popUp.itemMenu->isVisible());
    QAction *join = popUp.action(Command::JoinItems);
    QCOMPARE(join->text(), QStringLiteral("結合(&J)"));
    QVERIFY(XDoTool::pointTo(centreOf(popUp.itemMenu, join)));
    QTest::qWait(300);
    const QRect menus = popUp.menu()->geometry().united(popUp.itemMenu->geometry()).adjusted(-4, -4, 4, 4);
    saveScreen(menus.united(QRect(p.window().mapToGlobal(QPoint(0, 0)), p.window().size())),
               QStringLiteral("x11-popupmenu.png"));
    QVERIFY(XDoTool::run({"click", "1"})); // the pointer is there already
    QTRY_COMPARE(items.rowCount(), qint16(3));
    QTRY_VERIFY(!popUp.menu()->isVisible());
    QStringList words;
    for (qint16 r = 0; r < items.rowCount(); ++r)
        words << items.at(items.itemOfRow(RowNumber(r))).text;
    QVERIFY2(words.contains(QStringLiteral("threetwo")) || words.contains(QStringLiteral("twothree")),
             qPrintable(words.join(',')));
}

QTEST_MAIN(TestPopUpMenuX11)
#include "tst_popupmenux11.moc"
