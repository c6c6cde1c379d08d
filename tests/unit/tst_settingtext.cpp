// SPDX-License-Identifier: GPL-3.0-or-later
// How the settings dialog reads typed numbers and shows edge-zone widths in millimetres.
#include "model/SettingText.h"

#include <QtTest>

class TestSettingText : public QObject {
    Q_OBJECT
private slots:
    void inRange_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("low");
        QTest::addColumn<int>("high");
        QTest::addColumn<int>("maxChars");
        QTest::addColumn<int>("value"); // -1: refused
        QTest::newRow("below") << "99" << 100 << 2000 << 4 << -1;
        QTest::newRow("low end") << "100" << 100 << 2000 << 4 << 100;
        QTest::newRow("high end") << "2000" << 100 << 2000 << 4 << 2000;
        QTest::newRow("above") << "2001" << 100 << 2000 << 4 << -1;
        QTest::newRow("sign") << "+300" << 100 << 2000 << 4 << 300;
        QTest::newRow("five characters") << "01000" << 100 << 2000 << 4 << -1;
        QTest::newRow("negative") << "-1" << 0 << 400 << 0 << -1;
        QTest::newRow("zero") << "0" << 0 << 400 << 0 << 0;
        QTest::newRow("empty") << "" << 0 << 400 << 0 << -1;
        QTest::newRow("space") << " 5" << 0 << 400 << 0 << -1;
        QTest::newRow("decimal") << "5.0" << 0 << 400 << 0 << -1;
        QTest::newRow("exponent") << "1e2" << 0 << 400 << 0 << -1;
        QTest::newRow("full-width digits") << "１２" << 0 << 400 << 0 << -1;
        QTest::newRow("too large for any field") << "99999999999999999999999" << 1 << 32767 << 0 << -1;
        QTest::newRow("beyond 16 bits") << "32768" << 1 << 32767 << 0 << -1;
    }
    void inRange()
    {
        QFETCH(QString, text);
        QFETCH(int, low);
        QFETCH(int, high);
        QFETCH(int, maxChars);
        QFETCH(int, value);
        const auto read = SettingText::inRange(text, low, high, maxChars);
        QCOMPARE(read.value_or(-1), value);
    }

    void millimetres_data()
    {
        QTest::addColumn<QString>("pixels");
        QTest::addColumn<double>("dpi");
        QTest::addColumn<QString>("shown");
        QTest::newRow("cut down, not rounded") << "8" << 96.0 << "2.1(mm)"; // 2.1166
        QTest::newRow("0.96 cut to 0.9") << "1" << 26.4583 << "0.9(mm)";    // 0.95999...
        QTest::newRow("exact tenth stays") << "96" << 96.0 << "25.4(mm)";
        QTest::newRow("widest") << "300" << 96.0 << "79.3(mm)"; // 79.375
        QTest::newRow("zero") << "0" << 96.0 << "(1～300)";
        QTest::newRow("too wide") << "301" << 96.0 << "(1～300)";
        QTest::newRow("not a number") << "8px" << 96.0 << "(非数値)";
        QTest::newRow("empty") << "" << 96.0 << "(非数値)";
    }
    void millimetres()
    {
        QFETCH(QString, pixels);
        QFETCH(double, dpi);
        QFETCH(QString, shown);
        QCOMPARE(SettingText::millimetres(pixels, dpi), shown);
    }
};

QTEST_GUILESS_MAIN(TestSettingText)
#include "tst_settingtext.moc"
