// SPDX-License-Identifier: GPL-3.0-or-later
// Line breaks between the clipboard (LF) and the program (CR LF).
#include "platform/LineBreaks.h"

#include <QtTest>

class TestLineBreaks : public QObject {
    Q_OBJECT
private slots:
    void bothWays_data();
    void bothWays();
    void unchangedTextKeepsItsBuffer();
};

void TestLineBreaks::bothWays_data()
{
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("back");
    QTest::newRow("no breaks") << "plain" << "plain" << "plain";
    QTest::newRow("LF") << "a\nb\n" << "a\r\nb\r\n" << "a\nb\n";
    QTest::newRow("leading LF") << "\nx" << "\r\nx" << "\nx";
    QTest::newRow("CR LF kept") << "a\r\nb" << "a\r\nb" << "a\nb";
    QTest::newRow("lone CR kept") << "a\rb\n" << "a\rb\r\n" << "a\rb\n";
    QTest::newRow("CR before CR LF") << "a\r\r\n" << "a\r\r\n" << "a\r\n";
    QTest::newRow("empty") << "" << "" << "";
}

void TestLineBreaks::bothWays()
{
    QFETCH(QString, clipboard);
    QFETCH(QString, program);
    QFETCH(QString, back);
    QCOMPARE(LineBreaks::toProgram(clipboard), program);
    QCOMPARE(LineBreaks::toClipboard(program), back);
}

void TestLineBreaks::unchangedTextKeepsItsBuffer()
{
    const QString huge(1 << 20, QLatin1Char('x'));
    QVERIFY(LineBreaks::toProgram(huge).isSharedWith(huge));
    QVERIFY(LineBreaks::toClipboard(huge).isSharedWith(huge));
}

QTEST_GUILESS_MAIN(TestLineBreaks)
#include "tst_linebreaks.moc"
