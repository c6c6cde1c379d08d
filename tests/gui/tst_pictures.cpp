// SPDX-License-Identifier: GPL-3.0-or-later
// Every button picture and mouse pointer loads from the resources, and a contact sheet of them
// all (pictures.png in the working folder) is written for a look by eye.
#include "platform/ProgramPictures.h"

#include <QPainter>
#include <QtTest>

namespace {
const QStringList keys = QStringLiteral(
    "TOPSA TOPEN TSAVE TCLOSE TMAXWIN TNORWIN TUPDNSC TUPDNADD TNLCOPY TUPADD TDNADD TCSEL TNSEL "
    "TEXPRS TLISTEXP TCMENU TNMENU TCTOP TNTOP TCSTOP TNSTOP TNMIN TCMIN TLIST TMAKEL TNAMEL TDELEL "
    "TUDELEL TLDATA TCLEAR TITEM TJOIN TUJOIN TNAMEI TUNAMEI TDELEI THELP").split(u' ');
const QImage image(const QPixmap &pixmap) { return pixmap.toImage().convertToFormat(QImage::Format_ARGB32); }
} // namespace

class TestPictures : public QObject {
    Q_OBJECT
private slots:
    void icons_data()
    {
        QTest::addColumn<QString>("key");
        for (const QString &key : keys)
            QTest::newRow(qPrintable(key)) << key;
    }
    void icons()
    {
        QFETCH(QString, key);
        const QIcon icon = ProgramPictures::icon(key);
        QVERIFY(!icon.isNull());
        QCOMPARE(image(icon.pixmap(QSize(16, 16), 1.0)), image(QPixmap(":/icons/" + key + ".png")));
        // Drawn at 32 on high-density screens, not the 16 one blown up.
        const QPixmap twice = icon.pixmap(QSize(16, 16), 2.0);
        QCOMPARE(twice.size(), QSize(32, 32));
        QCOMPARE(image(twice), image(QPixmap(":/icons/" + key + "@2x.png")));
    }
    void cursors()
    {
        QVERIFY(ProgramPictures::icon(u"TNOSUCH").isNull());
        QCOMPARE(ProgramPictures::cursor(200).shape(), Qt::ArrowCursor);
        for (int number = ProgramPictures::SweepCursor; number <= ProgramPictures::LinkCursor; ++number) {
            const QCursor cursor = ProgramPictures::cursor(number);
            QCOMPARE(cursor.shape(), Qt::BitmapCursor);
            QCOMPARE(cursor.pixmap().size(), QSize(32, 32));
            // The hot spot lies on the drawing, not beside it.
            QVERIFY(cursor.pixmap().toImage().pixelColor(cursor.hotSpot()).alpha() > 0);
        }
    }
    void contactSheet()
    {
        // Ten to a row on the button face's grey, each at 1x and 2x; the pointers in the last row.
        QImage sheet(10 * 60, 5 * 40, QImage::Format_ARGB32);
        sheet.fill(QColor(0xf0, 0xf0, 0xf0));
        QPainter painter(&sheet);
        for (int j = 0; j < keys.size(); ++j) {
            const QIcon icon = ProgramPictures::icon(keys[j]);
            const QPoint cell(j % 10 * 60, j / 10 * 40);
            painter.drawPixmap(cell + QPoint(4, 12), icon.pixmap(QSize(16, 16), 1.0));
            painter.drawPixmap(QRect(cell + QPoint(24, 4), QSize(32, 32)), icon.pixmap(QSize(16, 16), 2.0));
        }
        for (int number = 201; number <= 206; ++number)
            painter.drawPixmap((number - 201) * 60 + 14, 164, ProgramPictures::cursor(number).pixmap());
        painter.end();
        QVERIFY(sheet.save(QStringLiteral("pictures.png")));
    }
};

QTEST_MAIN(TestPictures)
#include "tst_pictures.moc"
