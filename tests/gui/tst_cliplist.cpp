// SPDX-License-Identifier: GPL-3.0-or-later
// The real list box behind the list-box interface: rows, focus without selection, highlights, colours.
#include "platform/ListBoxWidget.h"
#include "platform/WinColour.h"

#include <QApplication>
#include <QSignalSpy>
#include <QStringListModel>
#include <QtTest>

namespace {
QStringList numbers(int count)
{
    QStringList rows;
    for (int i = 0; i < count; ++i)
        rows << QString::number(i);
    return rows;
}
} // namespace

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
    QStringListModel rows({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
    box.showRows(&rows);
    box.setFocusedRow(2);
    rows.insertRows(1, 1);
    rows.setData(rows.index(1), QStringLiteral("ab"));
    QCOMPARE(box.rowCount(), 4);
    QCOMPARE(list.rowText(1), QStringLiteral("ab"));
    QCOMPARE(box.focusedRow(), 3);
    rows.removeRows(0, 1);
    QCOMPARE(list.rowText(0), QStringLiteral("ab"));
    QCOMPARE(box.rowCount(), 3);
    // Showing rows again starts with nothing focused; showing none leaves an empty box.
    box.showRows(&rows);
    QCOMPARE(box.focusedRow(), -1);
    box.showRows(nullptr);
    QCOMPARE(box.rowCount(), 0);
    QCOMPARE(box.focusedRow(), -1);
}

void TestClipList::focusMovesWithoutSelecting()
{
    ListBoxWidget list;
    ClipListBox &box = list;
    QStringListModel rows(numbers(5));
    box.showRows(&rows);
    box.setSelected(1, true);
    box.setFocusedRow(3);
    QCOMPARE(box.focusedRow(), 3);
    QCOMPARE(list.currentRow(), 3);
    QCOMPARE(box.selectedRows(), QList<int>{1});
    QVERIFY(!box.selected(3));
}

void TestClipList::highlightsAreIndependentOfFocus()
{
    ListBoxWidget list;
    ClipListBox &box = list;
    QStringListModel rows(numbers(6));
    box.showRows(&rows);
    box.setSelected(4, true);
    box.setSelected(0, true);
    box.setSelected(2, true);
    QCOMPARE(box.selectedCount(), 3);
    QCOMPARE(box.selectedRows(), (QList<int>{0, 2, 4}));
    box.setSelected(2, false);
    QCOMPARE(box.selectedRows(), (QList<int>{0, 4}));
    // Highlights follow their rows when rows above come and go.
    rows.insertRows(0, 1);
    QCOMPARE(box.selectedRows(), (QList<int>{1, 5}));
    rows.removeRows(1, 1);
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
    QStringListModel rows(numbers(3));
    box.showRows(&rows);
    list.resize(200, 100);
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    QSignalSpy released(&list, &ListBoxWidget::mouseReleased);
    const auto onRow = [&](int row) { return list.rowRect(row).center(); };
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, onRow(0));
    QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::ControlModifier, onRow(1));
    QCOMPARE(box.selectedRows(), (QList<int>{0, 1}));

    // The right button leaves the focus and a highlight of several rows as they are.
    QTest::mousePress(list.viewport(), Qt::RightButton, {}, onRow(2));
    QTest::mouseRelease(list.viewport(), Qt::RightButton, {}, onRow(2));
    QCOMPARE(released.last().at(0).value<Qt::MouseButton>(), Qt::RightButton);
    QCOMPARE(box.selectedRows(), (QList<int>{0, 1}));
    QCOMPARE(box.focusedRow(), 1);
}

QTEST_MAIN(TestClipList)
#include "tst_cliplist.moc"
