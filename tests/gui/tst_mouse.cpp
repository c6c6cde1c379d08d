// The mouse in the main window on real widgets: selecting rows by press and sweep, dragging
// items between and within lists and onto bars, dragging a divider, moving the window.
#include "TestProgram.h"
#include "mainwindow/PaneArea.h"
#include "mainwindow/QKPRbase.h"
#include "model/ItemControl.h"
#include "model/ListControl.h"
#include "model/ListExControl.h"
#include "model/ListExOb.h"
#include "model/ListOb.h"
#include "model/QKPRGrobal.h"
#include "platform/ClipList.h"

#include <QFrame>
#include <QGuiApplication>
#include <QtTest>
#include <algorithm>

namespace {

struct Window {
    explicit Window(int lists = 1)
    {
        p.start();
        for (int i = 1; i < lists; ++i)
            p.command("Newnu")->trigger();
        p.window().resize(300, 400);
        QVERIFY(QTest::qWaitForWindowExposed(&p.window()));
    }
    ListExControl &panes() { return p.grobal().listExControl(); }
    PaneArea &area() { return p.root.panes(); }
    ClipList *listAt(int position) { return p.listAt(position); }
    void fill(int position, const QString &texts)
    {
        const qint16 pane = panes().lecEx(qint16(position));
        ItemControl &items = p.grobal().listControl().lcListOb(panes().lecListOb(pane).leoListOb).loItemControl();
        // New items go to the top.
        for (auto c = texts.crbegin(); c != texts.crend(); ++c)
            items.icMakeItem(pane, QString(*c));
    }
    // The words of the rows of the list at a display position, from the top.
    QString rows(int position)
    {
        ListExControl &panes = p.grobal().listExControl();
        ItemControl &items =
            p.grobal().listControl().lcListOb(panes.lecListOb(panes.lecEx(qint16(position))).leoListOb).loItemControl();
        QString texts;
        for (qint16 row = 0; row < items.UBic(); ++row)
            texts += items.icItemOb(items.prooIx(row)).ioWords;
        return texts;
    }
    // A row's centre in the viewport of the list the gesture started in, which keeps the mouse.
    static QPoint rowIn(ClipList *from, ClipList *list, int row)
    {
        const QPoint at = row < list->count() ? list->visualItemRect(list->item(row)).center()
                                              : QPoint(10, list->viewport()->height() - 2);
        return from->viewport()->mapFromGlobal(list->viewport()->mapToGlobal(at));
    }
    QPoint barIn(ClipList *from, int bar)
    {
        QFrame *shown = area().barWidget(qint16(bar));
        return from->viewport()->mapFromGlobal(shown->mapToGlobal(QPoint(20, 1)));
    }
    TestProgram p;
};

void select(ClipList *list, const QList<int> &rows)
{
    list->clearSelection();
    for (int row : rows)
        list->setSelected(row, true);
}

} // namespace

class TestMouse : public QObject {
    Q_OBJECT
private slots:
    void sweepSelects_data();
    void sweepSelects();
    void dragMovesItems_data();
    void dragMovesItems();
    void dropOnBarMovesTheList_data();
    void dropOnBarMovesTheList();
    void dividerSetsHeightsAndShares_data();
    void dividerSetsHeightsAndShares();
    void backgroundAndOuterBarsMoveANormalWindow_data();
    void backgroundAndOuterBarsMoveANormalWindow();
};

void TestMouse::sweepSelects_data()
{
    QTest::addColumn<QList<int>>("before");
    QTest::addColumn<bool>("ctrl");
    QTest::addColumn<bool>("textDel");
    QTest::addColumn<QList<int>>("path"); // press row, then the rows the mouse passes
    QTest::addColumn<QList<int>>("after");
    QTest::newRow("plain click keeps only its row") << QList<int>{1, 2} << false << false << QList<int>{7} << QList<int>{7};
    QTest::newRow("click on a highlighted row keeps only it") << QList<int>{1, 2} << false << false << QList<int>{2}
                                                              << QList<int>{2};
    QTest::newRow("grow down") << QList<int>{} << false << false << QList<int>{2, 3, 4, 5} << QList<int>{2, 3, 4, 5};
    QTest::newRow("grow up in one move") << QList<int>{} << false << false << QList<int>{5, 2} << QList<int>{2, 3, 4, 5};
    QTest::newRow("shrink") << QList<int>{} << false << false << QList<int>{2, 6, 3} << QList<int>{2, 3};
    QTest::newRow("shrink up side") << QList<int>{} << false << false << QList<int>{6, 1, 4} << QList<int>{4, 5, 6};
    QTest::newRow("cross down to up") << QList<int>{} << false << false << QList<int>{5, 7, 3} << QList<int>{3, 4, 5};
    QTest::newRow("cross up to down") << QList<int>{} << false << false << QList<int>{5, 3, 7} << QList<int>{5, 6, 7};
    QTest::newRow("back to the anchor") << QList<int>{} << false << false << QList<int>{5, 8, 2, 5} << QList<int>{5};
    QTest::newRow("ctrl adds a sweep") << QList<int>{1} << true << false << QList<int>{5, 7} << QList<int>{1, 5, 6, 7};
    QTest::newRow("ctrl on a highlighted row takes it out")
        << QList<int>{1, 5} << true << false << QList<int>{5, 7} << QList<int>{1};
    QTest::newRow("edited text window: only the pressed row")
        << QList<int>{1, 3} << false << true << QList<int>{5, 7} << QList<int>{5};
}

void TestMouse::sweepSelects()
{
    QFETCH(QList<int>, before);
    QFETCH(bool, ctrl);
    QFETCH(bool, textDel);
    QFETCH(QList<int>, path);
    QFETCH(QList<int>, after);
    Window w;
    w.fill(0, QStringLiteral("abcdefghij"));
    ClipList *list = w.listAt(0);
    QTRY_VERIFY(list->visualItemRect(list->item(9)).bottom() < list->viewport()->height());
    select(list, before);
    w.p.grobal().text.textDel = textDel;
    QWidget *view = list->viewport();
    const Qt::KeyboardModifiers modifiers = ctrl ? Qt::ControlModifier : Qt::NoModifier;
    QTest::mousePress(view, Qt::LeftButton, modifiers, Window::rowIn(list, list, path.first()));
    for (int row : path.mid(1)) {
        QTest::mouseMove(view, Window::rowIn(list, list, row));
        QCOMPARE(list->listIndex(), row);
    }
    QTest::mouseRelease(view, Qt::LeftButton, modifiers, Window::rowIn(list, list, path.last()));
    QCOMPARE(list->selectedRows(), after);
    QCOMPARE(list->listIndex(), path.last());
    QVERIFY(!QGuiApplication::overrideCursor());
}

void TestMouse::dragMovesItems_data()
{
    QTest::addColumn<int>("target");    // display position of the target list, -1: the tool strip
    QTest::addColumn<int>("targetRow"); // a row past the last: below it
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("second");
    QTest::newRow("into another list") << 1 << 1 << "ace" << "xbdy";
    QTest::newRow("below the rows of another list: before the last") << 1 << 9 << "ace" << "xbdy";
    QTest::newRow("within the list") << 0 << 4 << "acbde" << "xy";
    QTest::newRow("onto the tool strip: nothing") << -1 << 0 << "abcde" << "xy";
}

void TestMouse::dragMovesItems()
{
    QFETCH(int, target);
    QFETCH(int, targetRow);
    QFETCH(QString, source);
    QFETCH(QString, second);
    Window w(2);
    w.fill(0, QStringLiteral("abcde"));
    w.fill(1, QStringLiteral("xy"));
    ClipList *from = w.listAt(0);
    QTRY_VERIFY(from->visualItemRect(from->item(4)).bottom() < from->viewport()->height());
    select(from, {1, 3});
    const int writes = int(w.p.clipboard.writes().size());
    QWidget *view = from->viewport();
    QTest::mousePress(view, Qt::LeftButton, {}, Window::rowIn(from, from, 3));
    QCOMPARE(from->selectedRows(), (QList<int>{1, 3})); // the press keeps what it would drag
    QVERIFY(!QGuiApplication::overrideCursor());
    const QPoint drop = target < 0 ? view->mapFromGlobal(w.area().mapToGlobal(QPoint(20, 5)))
                                   : Window::rowIn(from, w.listAt(target), targetRow);
    QTest::mouseMove(view, Window::rowIn(from, from, 2));
    QVERIFY(QGuiApplication::overrideCursor());
    QTest::mouseMove(view, drop);
    QTest::mouseRelease(view, Qt::LeftButton, {}, drop);
    QVERIFY(!QGuiApplication::overrideCursor());
    QCOMPARE(w.rows(0), source);
    QCOMPARE(w.rows(1), second);
    // The drop is no click: nothing goes to the clipboard.
    QCOMPARE(int(w.p.clipboard.writes().size()), writes);
}

void TestMouse::dropOnBarMovesTheList_data()
{
    QTest::addColumn<int>("bar");
    QTest::addColumn<QString>("order"); // first rows of the lists from the top
    QTest::newRow("top bar") << 0 << "bac";
    QTest::newRow("bar above the list") << 1 << "abc";
    QTest::newRow("bar below the list") << 2 << "abc";
    QTest::newRow("bottom bar") << 3 << "acb";
}

void TestMouse::dropOnBarMovesTheList()
{
    QFETCH(int, bar);
    QFETCH(QString, order);
    Window w(3);
    for (int position = 0; position < 3; ++position)
        w.fill(position, QString(QChar('a' + position)));
    ClipList *from = w.listAt(1);
    select(from, {0});
    QWidget *view = from->viewport();
    QTest::mousePress(view, Qt::LeftButton, {}, Window::rowIn(from, from, 0));
    QTest::mouseMove(view, Window::rowIn(from, from, 0) + QPoint(0, 1));
    QTest::mouseMove(view, w.barIn(from, bar));
    QTest::mouseRelease(view, Qt::LeftButton, {}, w.barIn(from, bar));
    QString shown;
    for (int position = 0; position < 3; ++position)
        shown += w.rows(position);
    QCOMPARE(shown, order);
    if (bar == 0 || bar == 3) {
        QCOMPARE(w.panes().lecListFocus(), w.panes().lecEx(qint16(bar == 0 ? 0 : 2)));
        QCOMPARE(from->selCount(), 0);
        // Laid out again in the new order.
        QVERIFY(w.listAt(0)->y() < w.listAt(1)->y() && w.listAt(1)->y() < w.listAt(2)->y());
    }
}

void TestMouse::dividerSetsHeightsAndShares_data()
{
    QTest::addColumn<int>("windowHeight"); // of the client area
    QTest::addColumn<int>("by");           // how far the bar is dragged
    QTest::addColumn<bool>("rightEnd");    // the drag ends with a right press
    QTest::addColumn<int>("upperHeight");  // -1: the minimum; 0: as dragged
    QTest::addColumn<int>("lowerHeight");
    QTest::newRow("inside the limits") << 377 << 30 << false << 0 << 0;
    QTest::newRow("ended by the right button") << 377 << -30 << true << 0 << 0;
    QTest::newRow("past the lower list") << 377 << 1000 << false << 0 << -1;
    QTest::newRow("above the upper list") << 377 << -1000 << false << -1 << 0;
    QTest::newRow("both at their minimum") << 10 << 5 << false << -1 << -1;
}

void TestMouse::dividerSetsHeightsAndShares()
{
    QFETCH(int, windowHeight);
    QFETCH(int, by);
    QFETCH(bool, rightEnd);
    QFETCH(int, upperHeight);
    QFETCH(int, lowerHeight);
    Window w(2);
    const int menuAndFrame = w.p.window().height() - w.area().height();
    w.p.window().resize(300, menuAndFrame + windowHeight);
    ClipList *upper = w.listAt(0);
    ClipList *lower = w.listAt(1);
    const qint16 upperPane = w.panes().lecEx(0);
    const qint16 lowerPane = w.panes().lecEx(1);
    const int minimum = qRound(w.area().minimumListHeight(upperPane));
    // A window too low grows until both lists have their minimum.
    if (windowHeight < 100) {
        QTRY_COMPARE(upper->height(), minimum);
        QTRY_COMPARE(lower->height(), minimum);
        QTRY_VERIFY(w.area().height() >= lower->y() + lower->height());
    }
    const int upperTop = upper->y();
    const int lowerBottom = lower->y() + lower->height();
    const float shares = w.panes().lecListOb(upperPane).Hper + w.panes().lecListOb(lowerPane).Hper;
    const float upperShare = w.panes().lecListOb(upperPane).Hper;
    QFrame *bar = w.area().barWidget(1);
    const int barTop = bar->y();
    QFrame &line = *w.area().findChild<QFrame *>(QStringLiteral("barDecPos"));

    QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(20, 1));
    QVERIFY(line.isVisible());
    QTest::mouseMove(bar, QPoint(20, 1 + by));
    const int wanted = std::clamp(barTop + by, upperTop, lowerBottom - 4);
    QCOMPARE(line.y(), wanted);
    if (rightEnd)
        QTest::mousePress(bar, Qt::RightButton, {}, QPoint(20, 1 + by));
    QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(20, 1 + by));
    QVERIFY(!line.isVisible());

    const int expectedUpper = upperHeight < 0 ? minimum : barTop + by - upperTop;
    const int expectedLower = lowerHeight < 0 ? minimum : lowerBottom - (barTop + by + PaneArea::BarHeight);
    if (upperHeight < 0 || lowerHeight >= 0)
        QCOMPARE(upper->height(), expectedUpper);
    if (lowerHeight < 0 || upperHeight >= 0)
        QCOMPARE(lower->height(), expectedLower);
    QCOMPARE(upper->height() + lower->height() + PaneArea::BarHeight, lowerBottom - upperTop);
    QCOMPARE(bar->y(), upper->y() + upper->height());
    QCOMPARE(w.panes().lecListOb(upperPane).Hper + w.panes().lecListOb(lowerPane).Hper, shares);
    if (windowHeight < 100)
        QCOMPARE(w.panes().lecListOb(upperPane).Hper, upperShare);
    // The shares give the same heights when the lists are laid out again.
    const int heightAfter = upper->height();
    w.area().whenResize();
    QVERIFY(qAbs(upper->height() - heightAfter) <= 1);
}

void TestMouse::backgroundAndOuterBarsMoveANormalWindow_data()
{
    QTest::addColumn<int>("bar"); // -1: the tool strip's room in the background
    QTest::addColumn<bool>("maximised");
    QTest::newRow("background") << -1 << false;
    QTest::newRow("top bar") << 0 << false;
    QTest::newRow("bottom bar") << 2 << false;
    QTest::newRow("maximised: no move") << -1 << true;
}

void TestMouse::backgroundAndOuterBarsMoveANormalWindow()
{
    QFETCH(int, bar);
    QFETCH(bool, maximised);
    Window w(2);
    QKPRbase &window = w.p.window();
    if (maximised) {
        window.MaxNormToggle(true);
        QCOMPARE(window.windowStateNumber(), 2);
    }
    QWidget *under = bar < 0 ? static_cast<QWidget *>(&w.area()) : w.area().barWidget(qint16(bar));
    const QPoint at = bar < 0 ? QPoint(30, 5) : QPoint(30, 1);
    const QPoint before = window.frameGeometry().topLeft();
    QTest::mousePress(under, Qt::LeftButton, {}, at);
    QTest::mouseMove(under, at + QPoint(25, 15));
    QTest::mouseRelease(under, Qt::LeftButton, {}, at + QPoint(25, 15));
    QTRY_COMPARE(window.frameGeometry().topLeft(), before + (maximised ? QPoint() : QPoint(25, 15)));
    // The inner bar is a divider, not a handle.
    if (bar == 0) {
        QTest::mousePress(w.area().barWidget(1), Qt::LeftButton, {}, QPoint(30, 1));
        QTest::mouseMove(w.area().barWidget(1), QPoint(60, 11));
        QTest::mouseRelease(w.area().barWidget(1), Qt::LeftButton, {}, QPoint(60, 11));
        QCOMPARE(window.frameGeometry().topLeft(), before + QPoint(25, 15));
    }
}

QTEST_MAIN(TestMouse)
#include "tst_mouse.moc"
