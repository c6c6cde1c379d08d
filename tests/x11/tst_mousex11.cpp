// SPDX-License-Identifier: GPL-3.0-or-later
// Mouse gestures in the main window on a real X server, the pointer driven through the server
// (xdotool), so that the button grab and the pointer's way are the system's; also run under a
// window manager.
#include "TestProgram.h"
#include "XDoTool.h"
#include "mainwindow/PaneArea.h"
#include "mainwindow/MainWindow.h"
#include "platform/ListBoxWidget.h"

#include <QFrame>
#include <QStandardPaths>
#include <QtTest>

namespace {
struct Program {
    explicit Program(int lists)
    {
        p.start();
        for (int i = 1; i < lists; ++i)
            p.command(Command::NewList)->trigger();
        p.window().resize(320, 420);
        QVERIFY(QTest::qWaitForWindowExposed(&p.window()));
        QTest::qWait(200);
    }
    QPoint row(int position, int row)
    {
        ListBoxWidget *list = p.listAt(position);
        return list->viewport()->mapToGlobal(list->rowRect(row).center());
    }
    TestProgram p;
};
} // namespace

class TestMouseX11 : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void sweepSelectsAndTheReleaseCopies();
    void dragMovesItemsIntoAnotherList();
    void dividerDragResizesTheLists();
    void backgroundDragMovesTheWindow();
};

void TestMouseX11::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
    QVERIFY(!QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty());
}

void TestMouseX11::sweepSelectsAndTheReleaseCopies()
{
    Program w(1);
    w.p.fill(0, QStringLiteral("abcdefgh"));
    ListBoxWidget *list = w.p.listAt(0);
    QTRY_VERIFY(list->rowRect(7).bottom() < list->viewport()->height());
    QVERIFY(XDoTool::drag({w.row(0, 1), w.row(0, 5), w.row(0, 3)}));
    QTRY_COMPARE(list->selectedRows(), (QList<int>{1, 2, 3}));
    // The release is a click on the focused row, which goes to the clipboard.
    QTRY_VERIFY(!w.p.clipboard.writes().isEmpty());
    QCOMPARE(w.p.clipboard.writes().last().text, QStringLiteral("d"));
}

void TestMouseX11::dragMovesItemsIntoAnotherList()
{
    Program w(2);
    w.p.fill(0, QStringLiteral("abcde"));
    w.p.fill(1, QStringLiteral("xy"));
    ListBoxWidget *from = w.p.listAt(0);
    QTRY_VERIFY(from->rowRect(4).bottom() < from->viewport()->height());
    from->clearSelection();
    from->setSelected(1, true);
    from->setSelected(3, true);
    QVERIFY(XDoTool::drag({w.row(0, 3), w.row(0, 4), w.row(1, 1)}));
    QTRY_COMPARE(w.p.rows(1), QStringLiteral("xbdy"));
    QCOMPARE(w.p.rows(0), QStringLiteral("ace"));
    QVERIFY(!QGuiApplication::overrideCursor());
}

void TestMouseX11::dividerDragResizesTheLists()
{
    Program w(2);
    ListBoxWidget *upper = w.p.listAt(0);
    ListBoxWidget *lower = w.p.listAt(1);
    const int upperHeight = upper->height();
    const int lowerHeight = lower->height();
    const QPoint grab = w.p.root.panes().barWidget(1)->mapToGlobal(QPoint(40, 1));
    QVERIFY(XDoTool::drag({grab, grab + QPoint(0, 40)}));
    QTRY_COMPARE(upper->height(), upperHeight + 40);
    QCOMPARE(lower->height(), lowerHeight - 40);
}

void TestMouseX11::backgroundDragMovesTheWindow()
{
    Program w(1);
    MainWindow &window = w.p.window();
    const QPoint before = window.frameGeometry().topLeft();
    // The tool strip's room at the top of the client area is background.
    const QPoint grab = w.p.root.panes().mapToGlobal(QPoint(60, 6));
    QVERIFY(XDoTool::drag({grab, grab + QPoint(40, 30)}));
    QTRY_COMPARE(window.frameGeometry().topLeft(), before + QPoint(40, 30));
}

QTEST_MAIN(TestMouseX11)
#include "tst_mousex11.moc"
