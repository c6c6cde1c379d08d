// SPDX-License-Identifier: GPL-3.0-or-later
// What the desktop hands the program besides the clipboard: the pointer resting at a screen edge
// and files dragged over from other programs.
#include "TestProgram.h"
#include "mainwindow/EdgeStepper.h"
#include "mainwindow/PaneArea.h"
#include "model/GlobalSettingFields.h"

#include <QMimeData>
#include <QUrl>
#include <QtTest>

class TestDesktopInput : public QObject {
    Q_OBJECT
private slots:
    void edgeBands_data();
    void edgeBands();
    void onlyFilesMayBeDropped();
};

void TestDesktopInput::edgeBands_data()
{
    QTest::addColumn<QRect>("desktop");
    QTest::addColumn<QPoint>("cursor");
    QTest::addColumn<int>("step");
    // Left 0 (up), right 1 (down), top 3, bottom 4: each answer tells which edge was asked.
    const QRect one(0, 0, 1024, 768);
    QTest::newRow("middle") << one << QPoint(500, 400) << 2;
    QTest::newRow("left band's inner pixel") << one << QPoint(8, 400) << 0;
    QTest::newRow("just right of the left band") << one << QPoint(9, 400) << 2;
    QTest::newRow("right band, from the first pixel past the desktop") << one << QPoint(1016, 400) << 1;
    QTest::newRow("just left of the right band") << one << QPoint(1015, 400) << 2;
    QTest::newRow("top") << one << QPoint(500, 0) << 3;
    QTest::newRow("bottom") << one << QPoint(500, 767) << 4;
    QTest::newRow("top-left corner: the left edge first") << one << QPoint(2, 2) << 0;
    QTest::newRow("bottom-right corner: the right edge first") << one << QPoint(1020, 760) << 1;
    // Two screens side by side: the seam between them is no edge.
    const QRect two(0, 0, 2048, 768);
    QTest::newRow("seam between two screens") << two << QPoint(1024, 400) << 2;
    QTest::newRow("outer edge of the second screen") << two << QPoint(2047, 400) << 1;
    QTest::newRow("screen left of the primary one") << QRect(-1280, 0, 2304, 768) << QPoint(-1280, 400) << 0;
    QTest::newRow("no screen") << QRect() << QPoint(0, 0) << 2;
}

void TestDesktopInput::edgeBands()
{
    QFETCH(QRect, desktop);
    QFETCH(QPoint, cursor);
    QFETCH(int, step);
    GlobalSettingFields settings;
    settings.leftEdgeAction = 0;
    settings.rightEdgeAction = 1;
    settings.topEdgeAction = 3;
    settings.bottomEdgeAction = 4;
    settings.edgeZoneWidth = 8;
    settings.edgeZoneHeight = 8;
    QCOMPARE(EdgeStepper::edgeAction(cursor, desktop, settings), step);
}

void TestDesktopInput::onlyFilesMayBeDropped()
{
    TestProgram p;
    p.start();
    PaneArea &area = p.root.panes();
    const auto enter = [&area](QMimeData &data, Qt::DropActions offered) {
        QDragEnterEvent event(QPoint(20, 40), offered, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&area, &event);
        return event.isAccepted() ? event.dropAction() : Qt::IgnoreAction;
    };
    QMimeData text;
    text.setText(QStringLiteral("not a file"));
    QCOMPARE(enter(text, Qt::CopyAction | Qt::MoveAction), Qt::IgnoreAction);
    QMimeData web;
    web.setUrls({QUrl(QStringLiteral("https://example.org/list.qkp"))});
    QCOMPARE(enter(web, Qt::CopyAction), Qt::IgnoreAction);
    QMimeData files;
    files.setUrls({QUrl::fromLocalFile(QStringLiteral("/tmp/a.qkp"))});
    QCOMPARE(enter(files, Qt::CopyAction | Qt::MoveAction), Qt::CopyAction);
    QCOMPARE(enter(files, Qt::MoveAction), Qt::IgnoreAction);
}

QTEST_MAIN(TestDesktopInput)
#include "tst_desktopinput.moc"
