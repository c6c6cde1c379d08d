// SPDX-License-Identifier: GPL-3.0-or-later
// The real list box behind the list-box interface: rows, focus without selection, highlights, colours.
#include "platform/ListBoxWidget.h"
#include "platform/WinColour.h"

#include <QApplication>
#include <QSignalSpy>
#include <QtTest>

class TestClipList : public QObject {
    Q_OBJECT
private slots:
    void rowsAtIndexAndEnd();
    void focusMovesWithoutSelecting();
    void highlightsAreIndependentOfFocus();
    void coloursAndSystemColours();
    void fontSizeIsKept();
    void releaseIsReportedAndRightButtonKeepsSelection();
};

void TestClipList::rowsAtIndexAndEnd()
{
    ListBoxWidget list;
    ClipListBox &box = list;
    box.addItem(QStringLiteral("b"));
    QCOMPARE(box.newIndex(), 0);
    box.addItem(QStringLiteral("a"), 0);
    QCOMPARE(box.newIndex(), 0);
    box.addItem(QStringLiteral("c"), -1);
    QCOMPARE(box.newIndex(), 2);
    box.addItem(QStringLiteral("ab"), 1);
    QCOMPARE(box.listCount(), 4);
    QCOMPARE(box.rowText(1), QStringLiteral("ab"));
    box.removeItem(0);
    QCOMPARE(box.rowText(0), QStringLiteral("ab"));
    QCOMPARE(box.listCount(), 3);
    box.clear();
    QCOMPARE(box.listCount(), 0);
    QCOMPARE(box.listIndex(), -1);
}

void TestClipList::focusMovesWithoutSelecting()
{
    ListBoxWidget list;
    ClipListBox &box = list;
    for (int i = 0; i < 5; ++i)
        box.addItem(QString::number(i));
    box.setSelected(1, true);
    box.setListIndex(3);
    QCOMPARE(box.listIndex(), 3);
    QCOMPARE(list.currentRow(), 3);
    QCOMPARE(box.selectedRows(), QList<int>{1});
    QVERIFY(!box.selected(3));
}

void TestClipList::highlightsAreIndependentOfFocus()
{
    ListBoxWidget list;
    ClipListBox &box = list;
    for (int i = 0; i < 6; ++i)
        box.addItem(QString::number(i));
    box.setSelected(4, true);
    box.setSelected(0, true);
    box.setSelected(2, true);
    QCOMPARE(box.selCount(), 3);
    QCOMPARE(box.selectedRows(), (QList<int>{0, 2, 4}));
    box.setSelected(2, false);
    QCOMPARE(box.selectedRows(), (QList<int>{0, 4}));
    // Highlights follow their rows when rows above come and go.
    box.addItem(QStringLiteral("new"), 0);
    QCOMPARE(box.selectedRows(), (QList<int>{1, 5}));
    box.removeItem(1);
    QCOMPARE(box.selectedRows(), (QList<int>{4}));
}

void TestClipList::coloursAndSystemColours()
{
    ListBoxWidget list;
    ClipListBox &box = list;
    box.setColours(0x0000FF, 0xFF0000); // Windows order: red background, blue text
    QCOMPARE(list.palette().color(QPalette::Base), QColor(255, 0, 0));
    QCOMPARE(list.palette().color(QPalette::Text), QColor(0, 0, 255));
    box.setColours(0xE0E0E0, systemColour(8));
    QCOMPARE(list.palette().color(QPalette::Text), QApplication::palette().color(QPalette::Text));
    QCOMPARE(quint32(box.foreColour()), 0x80000008u);
    QCOMPARE(WinColour::fromQColor(QColor(0x12, 0x34, 0x56)), Colour(0x563412));
}

void TestClipList::fontSizeIsKept()
{
    ListBoxWidget list;
    ClipListBox &box = list;
    box.setListFont(QStringLiteral("ＭＳ Ｐゴシック"), 12.5f);
    QCOMPARE(box.fontSize(), 12.5f);
    QCOMPARE(list.font().pointSizeF(), 12.5);
}

void TestClipList::releaseIsReportedAndRightButtonKeepsSelection()
{
    ListBoxWidget list;
    ClipListBox &box = list;
    for (int i = 0; i < 3; ++i)
        box.addItem(QString::number(i));
    list.resize(200, 100);
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    QSignalSpy released(&list, &ListBoxWidget::mouseReleased);
    const auto onRow = [&](int row) { return list.visualItemRect(list.item(row)).center(); };
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, onRow(0));
    QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::ControlModifier, onRow(1));
    QCOMPARE(box.selectedRows(), (QList<int>{0, 1}));

    // The right button leaves the focus and a highlight of several rows as they are.
    QTest::mousePress(list.viewport(), Qt::RightButton, {}, onRow(2));
    QTest::mouseRelease(list.viewport(), Qt::RightButton, {}, onRow(2));
    QCOMPARE(released.last().at(0).value<Qt::MouseButton>(), Qt::RightButton);
    QCOMPARE(box.selectedRows(), (QList<int>{0, 1}));
    QCOMPARE(box.listIndex(), 1);
}

QTEST_MAIN(TestClipList)
#include "tst_cliplist.moc"
