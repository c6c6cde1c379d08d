// SPDX-License-Identifier: GPL-3.0-or-later
// The mouse in the main window on real widgets: selecting rows by press and sweep, dragging
// items between and within lists and onto bars, dragging a divider, moving the window. Moves and
// the release go to the widget that saw the press, as the system's mouse grab sends them.
#include "TestProgram.h"
#include "mainwindow/PaneArea.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/ToolButton.h"
#include "mainwindow/ToolStrip.h"
#include "model/ListDisplay.h"
#include "model/PaneRecord.h"
#include "model/ProgramState.h"
#include "platform/ListBoxWidget.h"
#include "windows/TextWindow.h"

#include <QFrame>
#include <QGuiApplication>
#include <QtTest>
#include <algorithm>

using Rows = QList<int>;

namespace {

struct Window {
    explicit Window(int lists)
    {
        p.start();
        for (int i = 1; i < lists; ++i)
            p.command(Command::NewList)->trigger();
        p.window().resize(300, 400);
        QVERIFY(QTest::qWaitForWindowExposed(&p.window()));
    }
    PaneArea &area() { return p.root.panes(); }
    float &share(int position)
    {
        ListDisplay &panes = p.state().display();
        return panes.paneRecord(panes.paneAtPosition(qint16(position))).heightShare;
    }
    // A point of a widget in the viewport of the list where the gesture began; a row past the
    // last is just above the list's bottom.
    static QPoint in(ListBoxWidget *from, QWidget *widget, QPoint at)
    {
        return from->viewport()->mapFromGlobal(widget->mapToGlobal(at));
    }
    static QPoint row(ListBoxWidget *from, ListBoxWidget *list, int row)
    {
        return in(from, list->viewport(), row < list->count() ? list->rowRect(row).center()
                                                               : QPoint(10, list->viewport()->height() - 2));
    }
    TestProgram p;
};

void select(ListBoxWidget *list, const Rows &rows)
{
    list->clearSelection();
    for (int row : rows)
        list->setSelected(row, true);
}

} // namespace

class TestMouse : public QObject {
    Q_OBJECT
private slots:
    void sweepSelects_data()
    {
        QTest::addColumn<Rows>("before");
        QTest::addColumn<bool>("ctrl");
        QTest::addColumn<bool>("holdsEdits"); // the text window holds edits
        QTest::addColumn<Rows>("path");    // the pressed row, then the rows the mouse passes
        QTest::addColumn<Rows>("after");
        QTest::newRow("click keeps only its row") << Rows{1, 2} << false << false << Rows{7} << Rows{7};
        QTest::newRow("click on a highlighted row") << Rows{1, 2} << false << false << Rows{2} << Rows{2};
        QTest::newRow("grow down") << Rows{} << false << false << Rows{2, 3, 4, 5} << Rows{2, 3, 4, 5};
        QTest::newRow("grow up in one move") << Rows{} << false << false << Rows{5, 2} << Rows{2, 3, 4, 5};
        QTest::newRow("shrink") << Rows{} << false << false << Rows{2, 6, 3} << Rows{2, 3};
        QTest::newRow("shrink above") << Rows{} << false << false << Rows{6, 1, 4} << Rows{4, 5, 6};
        QTest::newRow("cross down to up") << Rows{} << false << false << Rows{5, 7, 3} << Rows{3, 4, 5};
        QTest::newRow("cross up to down") << Rows{} << false << false << Rows{5, 3, 7} << Rows{5, 6, 7};
        QTest::newRow("back to the anchor") << Rows{} << false << false << Rows{5, 8, 2, 5} << Rows{5};
        QTest::newRow("ctrl adds a sweep") << Rows{1} << true << false << Rows{5, 7} << Rows{1, 5, 6, 7};
        QTest::newRow("ctrl on a highlighted row") << Rows{1, 5} << true << false << Rows{5, 7} << Rows{1};
        QTest::newRow("edited text: pressed row only") << Rows{1, 3} << false << true << Rows{5, 7} << Rows{5};
    }
    void sweepSelects()
    {
        QFETCH(Rows, before);
        QFETCH(bool, ctrl);
        QFETCH(bool, holdsEdits);
        QFETCH(Rows, path);
        QFETCH(Rows, after);
        Window w(1);
        w.p.fill(0, QStringLiteral("abcdefghij"));
        ListBoxWidget *list = w.p.listAt(0);
        QTRY_VERIFY(list->rowRect(9).bottom() < list->viewport()->height());
        select(list, before);
        emit w.p.root.textWindow().editingChanged(holdsEdits);
        const Qt::KeyboardModifiers modifiers = ctrl ? Qt::ControlModifier : Qt::NoModifier;
        QTest::mousePress(list->viewport(), Qt::LeftButton, modifiers, Window::row(list, list, path.first()));
        for (int row : path.mid(1)) {
            QTest::mouseMove(list->viewport(), Window::row(list, list, row));
            QCOMPARE(list->focusedRow(), row);
        }
        QTest::mouseRelease(list->viewport(), Qt::LeftButton, modifiers, Window::row(list, list, path.last()));
        QCOMPARE(list->selectedRows(), after);
        QVERIFY(!QGuiApplication::overrideCursor());
    }

    void sweepBelowTheBoxScrolls()
    {
        Window w(1);
        w.p.fill(0, QString(40, QLatin1Char('a')));
        ListBoxWidget *list = w.p.listAt(0);
        const int lastShown = list->indexAt(QPoint(1, list->viewport()->height() - 1)).row();
        QVERIFY(lastShown > 0 && lastShown < 30);
        select(list, {});
        QTest::mousePress(list->viewport(), Qt::LeftButton, {}, Window::row(list, list, 1));
        // Each move below the box goes one row further.
        for (int step = 0; step < lastShown + 3; ++step)
            QTest::mouseMove(list->viewport(), QPoint(10, list->viewport()->height() + 5));
        QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, QPoint(10, list->viewport()->height() + 5));
        QCOMPARE(list->focusedRow(), lastShown + 4);
        QCOMPARE(list->selectedCount(), lastShown + 4);
        QTRY_VERIFY(list->topIndex() > 0);
    }

    void dragMovesItems_data()
    {
        QTest::addColumn<QString>("onto"); // "list", "bar" or "strip"
        QTest::addColumn<int>("at");       // display position of the list, number of the bar
        QTest::addColumn<int>("row");      // past the last: below the rows
        QTest::addColumn<QString>("after"); // the lists' items from the top, the dragged list in the middle
        QTest::addColumn<int>("selected");  // left highlighted in the dragged list, -1: not looked at
        QTest::newRow("into another list") << "list" << 0 << 1 << "xbdy|ace|" << -1;
        QTest::newRow("below the rows: before the last") << "list" << 0 << 9 << "xbdy|ace|" << -1;
        QTest::newRow("into an empty list") << "list" << 2 << 0 << "xy|ace|bd" << -1;
        QTest::newRow("within the list") << "list" << 1 << 4 << "xy|acbde|" << -1;
        QTest::newRow("onto the tool strip: nothing") << "strip" << 0 << 0 << "xy|abcde|" << -1;
        // A drop on a bar moves the whole list; the bars on either side of it change nothing.
        QTest::newRow("top bar") << "bar" << 0 << 0 << "abcde|xy|" << 0;
        QTest::newRow("bar above the list") << "bar" << 1 << 0 << "xy|abcde|" << 2;
        QTest::newRow("bar below the list") << "bar" << 2 << 0 << "xy|abcde|" << 2;
        QTest::newRow("bottom bar") << "bar" << 3 << 0 << "xy||abcde" << 0;
    }
    void dragMovesItems()
    {
        QFETCH(QString, onto);
        QFETCH(int, at);
        QFETCH(int, row);
        QFETCH(QString, after);
        QFETCH(int, selected);
        Window w(3);
        w.p.fill(0, QStringLiteral("xy"));
        w.p.fill(1, QStringLiteral("abcde"));
        ListBoxWidget *from = w.p.listAt(1);
        QTRY_VERIFY(from->rowRect(4).bottom() < from->viewport()->height());
        select(from, {1, 3});
        const qsizetype writes = w.p.clipboard.writes().size();
        QTest::mousePress(from->viewport(), Qt::LeftButton, {}, Window::row(from, from, 3));
        QCOMPARE(from->selectedRows(), (Rows{1, 3})); // a press on a highlighted row keeps them for the drag
        QVERIFY(!QGuiApplication::overrideCursor());  // no drag without a move
        const QPoint drop = onto == "strip" ? Window::in(from, &w.area(), QPoint(20, 5))
                            : onto == "bar" ? Window::in(from, w.area().barWidget(qint16(at)), QPoint(20, 1))
                                            : Window::row(from, w.p.listAt(at), row);
        QTest::mouseMove(from->viewport(), Window::row(from, from, 2));
        QVERIFY(QGuiApplication::overrideCursor());
        QTest::mouseMove(from->viewport(), drop);
        QTest::mouseRelease(from->viewport(), Qt::LeftButton, {}, drop);
        QVERIFY(!QGuiApplication::overrideCursor());
        QCOMPARE(w.p.rows(0) + '|' + w.p.rows(1) + '|' + w.p.rows(2), after);
        if (selected >= 0)
            QCOMPARE(from->selectedCount(), selected);
        QVERIFY(w.p.listAt(0)->y() < w.p.listAt(1)->y() && w.p.listAt(1)->y() < w.p.listAt(2)->y());
        // A drop is no click on the source list: nothing goes to the clipboard.
        QCOMPARE(w.p.clipboard.writes().size(), writes);
    }

    void dividerSetsHeightsAndShares_data()
    {
        QTest::addColumn<int>("areaHeight"); // 0: as the window is
        QTest::addColumn<int>("by");         // how far the bar is dragged
        QTest::addColumn<bool>("rightEnd");  // a right press ends the drag
        QTest::addColumn<int>("atMinimum");  // 1 the upper list, 2 the lower, 3 both
        QTest::newRow("inside the limits") << 0 << 30 << false << 0;
        QTest::newRow("ended by the right button") << 0 << -30 << true << 0;
        QTest::newRow("past the lower list") << 0 << 1000 << false << 2;
        QTest::newRow("above the upper list") << 0 << -1000 << false << 1;
        QTest::newRow("both at their minimum") << 10 << 5 << false << 3;
    }
    void dividerSetsHeightsAndShares()
    {
        QFETCH(int, areaHeight);
        QFETCH(int, by);
        QFETCH(bool, rightEnd);
        QFETCH(int, atMinimum);
        Window w(2);
        ListBoxWidget *upper = w.p.listAt(0);
        ListBoxWidget *lower = w.p.listAt(1);
        const int minimum = qRound(w.area().minimumListHeight(w.p.state().display().paneAtPosition(0)));
        if (areaHeight > 0) {
            // Too low: the window grows until both lists have their minimum.
            w.p.window().resize(300, w.p.window().height() - w.area().height() + areaHeight);
            QTRY_VERIFY(upper->height() == minimum && lower->height() == minimum);
            QTRY_VERIFY(w.area().height() >= lower->y() + lower->height());
        }
        const int top = upper->y();
        const int bottom = lower->y() + lower->height();
        const float shares = w.share(0) + w.share(1);
        const float upperShare = w.share(0);
        const QPoint windowAt = w.p.window().pos();
        QFrame *bar = w.area().barWidget(1);
        const int barTop = bar->y();
        const QFrame &line = *w.area().findChild<QFrame *>(QStringLiteral("dividerIndicator"));

        QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(20, 1));
        QTest::mouseMove(bar, QPoint(20, 1 + by));
        QVERIFY(line.isVisible());
        QCOMPARE(line.y(), std::clamp(barTop + by, top, bottom - 4));
        if (rightEnd) {
            QTest::mousePress(bar, Qt::RightButton, {}, QPoint(20, 1 + by));
            QVERIFY(!line.isVisible());
        }
        // Once a right press has ended the drag, the rest of the way changes nothing.
        QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(20, 1 + by + (rightEnd ? 20 : 0)));
        QVERIFY(!line.isVisible());

        if (atMinimum != 2)
            QCOMPARE(upper->height(), atMinimum & 1 ? minimum : barTop + by - top);
        if (atMinimum != 1)
            QCOMPARE(lower->height(), atMinimum & 2 ? minimum : bottom - (barTop + by + PaneArea::BarHeight));
        QCOMPARE(upper->height() + PaneArea::BarHeight + lower->height(), bottom - top);
        QCOMPARE(bar->y(), top + upper->height());
        QCOMPARE(w.share(0) + w.share(1), shares);
        if (atMinimum == 3)
            QCOMPARE(w.share(0), upperShare);
        QCOMPARE(w.p.window().pos(), windowAt); // an inner bar is no handle of the window
        // Laid out again from the shares, the lists keep their heights.
        const int heightAfter = upper->height();
        w.area().layOutPanes();
        QVERIFY(qAbs(upper->height() - heightAfter) <= 1);
    }

    void backgroundBarsAndButtonsMoveANormalWindow_data()
    {
        QTest::addColumn<int>("bar"); // -1: the tool strip's background, -2: its clear button
        QTest::addColumn<bool>("maximised");
        QTest::newRow("background") << -1 << false;
        QTest::newRow("clear button: no click") << -2 << false;
        QTest::newRow("top bar") << 0 << false;
        QTest::newRow("bottom bar") << 2 << false;
        QTest::newRow("maximised: no move") << -1 << true;
    }
    void backgroundBarsAndButtonsMoveANormalWindow()
    {
        QFETCH(int, bar);
        QFETCH(bool, maximised);
        Window w(2);
        MainWindow &window = w.p.window();
        if (maximised)
            window.toggleMaximised(true);
        w.p.fill(0, "ab");
        w.p.fill(1, "cd");
        QWidget *under = bar == -2 ? w.p.root.toolStrip().button(7)
                         : bar < 0 ? static_cast<QWidget *>(&w.area())
                                   : w.area().barWidget(qint16(bar));
        const QPoint at = bar == -2 ? QPoint(4, 4) : bar < 0 ? QPoint(7, 5) : QPoint(30, 1);
        const QPoint before = window.frameGeometry().topLeft();
        // A short way, which keeps the pointer over a button until the window has followed it.
        const QPoint way(7, 5);
        const QPoint pointer = under->mapToGlobal(at + way);
        QTest::mousePress(under, Qt::LeftButton, {}, at);
        QTest::mouseMove(under, at + way);
        // Released where the pointer is; a window that followed it brought its widget along.
        QTest::mouseRelease(under, Qt::LeftButton, {}, under->mapFromGlobal(pointer));
        QTRY_COMPARE(window.frameGeometry().topLeft(), before + (maximised ? QPoint() : way));
        QCOMPARE(w.p.rows(0) + w.p.rows(1), QStringLiteral("abcd"));
    }
};

QTEST_MAIN(TestMouse)
#include "tst_mouse.moc"
