// SPDX-License-Identifier: GPL-3.0-or-later
// The CP932 codec against the system's own converter (glibc iconv, run as a separate program) and
// against the points where Microsoft's code page 932 differs from other Shift-JIS tables.
#include "storage/Cp932Codec.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTest>

namespace {

// Runs iconv -c over `input`, one sample per line. With -c iconv drops what it cannot convert, so
// an undefined sample leaves its line empty.
QByteArray iconv(const char *from, const char *to, const QByteArray &input)
{
    QProcess process;
    process.start(QStringLiteral("iconv"), {QStringLiteral("-c"), QStringLiteral("-f"), QString::fromLatin1(from),
                                            QStringLiteral("-t"), QString::fromLatin1(to)});
    if (!process.waitForStarted())
        return {};
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(60000);
    return process.readAllStandardOutput();
}

} // namespace

class TestCp932 : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void decodesLikeIconv();
    void encodesLikeIconv();
    void microsoftMapping_data();
    void microsoftMapping();
    void oneWayMappings_data();
    void oneWayMappings();
    void everyUnitIsOneCharacter();
    void leadByteTakesTheNextByte_data();
    void leadByteTakesTheNextByte();
};

void TestCp932::initTestCase()
{
    if (QStandardPaths::findExecutable(QStringLiteral("iconv")).isEmpty())
        QFAIL("iconv is needed to check the code page table");
}

void TestCp932::decodesLikeIconv()
{
    const Cp932Codec &codec = Cp932Codec::instance();
    QList<quint16> codes;
    QByteArray input;
    for (int byte = 0; byte < 0x100; ++byte) {
        if (byte == '\n' || Cp932Codec::isLeadByte(uchar(byte)))
            continue;
        codes.append(quint16(byte));
        input.append(char(byte)).append('\n');
    }
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        if (!Cp932Codec::isLeadByte(uchar(lead)))
            continue;
        for (int trail = 0x40; trail <= 0xFC; ++trail) {
            codes.append(quint16(lead << 8 | trail));
            input.append(char(lead)).append(char(trail)).append('\n');
        }
    }
    // UTF-16LE output: split at the line feed units.
    const QByteArray output = iconv("CP932", "UTF-16LE", input);
    QList<QByteArray> lines(1);
    for (qsizetype at = 0; at + 1 < output.size(); at += 2) {
        if (output[at] == '\n' && output[at + 1] == '\0')
            lines.append(QByteArray());
        else
            lines.last().append(output.mid(at, 2));
    }
    lines.removeLast(); // after the last line feed
    QCOMPARE(lines.size(), codes.size());

    int compared = 0;
    QStringList differences;
    for (qsizetype i = 0; i < codes.size(); ++i) {
        const quint16 code = codes[i];
        const QByteArray &line = lines[i];
        bool iconvDefines = line.size() == 2;
        const char16_t theirs = iconvDefines ? char16_t(uchar(line[0]) | uchar(line[1]) << 8) : 0;
        // iconv -c skips only the lead byte of an undefined pair and then converts the trail
        // byte on its own; such a line is no mapping of the pair.
        if (code > 0xFF && iconvDefines && theirs == codec.toUnicode(code & 0xFF))
            iconvDefines = false;
        const char16_t ours = codec.toUnicode(code);
        const bool weDefine = ours != 0xFFFD;
        if (weDefine && iconvDefines) {
            ++compared;
            if (ours != theirs)
                differences << QStringLiteral("%1: ours U+%2, iconv U+%3").arg(code, 4, 16).arg(ours, 4, 16).arg(theirs, 4, 16);
        } else if (weDefine != iconvDefines) {
            differences << QStringLiteral("%1 defined by %2 only").arg(code, 4, 16).arg(weDefine ? "us" : "iconv");
        }
    }
    QVERIFY2(differences.isEmpty(), qPrintable(differences.mid(0, 20).join(u'\n')));
    // ASCII but the line feed, half-width katakana, JIS X 0208, NEC row 13, NEC-selected and IBM
    // rows, user area.
    QCOMPARE(compared, 9794);
}

void TestCp932::encodesLikeIconv()
{
    const Cp932Codec &codec = Cp932Codec::instance();
    QList<char16_t> units;
    QByteArray input;
    for (int unit = 0; unit < 0x10000; ++unit) {
        if (unit == '\n' || (unit >= 0xD800 && unit <= 0xDFFF))
            continue;
        units.append(char16_t(unit));
        input.append(char(unit & 0xFF)).append(char(unit >> 8)).append('\n').append('\0');
    }
    // CP932 output: a line feed byte never occurs inside a double-byte character (trail >= 0x40).
    QList<QByteArray> lines = iconv("UTF-16LE", "CP932", input).split('\n');
    QCOMPARE(lines.size(), units.size() + 1); // the text ends in a line feed
    lines.removeLast();

    int compared = 0;
    QStringList differences;
    for (qsizetype i = 0; i < units.size(); ++i) {
        const char16_t unit = units[i];
        const QByteArray &line = lines[i];
        const bool iconvDefines = !line.isEmpty();
        const bool weDefine = codec.canEncode(unit);
        const QByteArray ours = codec.encode(QStringView(&unit, 1));
        if (weDefine && iconvDefines) {
            ++compared;
            if (ours != line)
                differences << QStringLiteral("U+%1: ours %2, iconv %3")
                                   .arg(unit, 4, 16)
                                   .arg(QString::fromLatin1(ours.toHex()), QString::fromLatin1(line.toHex()));
        } else if (weDefine != iconvDefines) {
            differences << QStringLiteral("U+%1 defined by %2 only").arg(unit, 4, 16).arg(weDefine ? "us" : "iconv");
        }
    }
    QVERIFY2(differences.isEmpty(), qPrintable(differences.mid(0, 20).join(u'\n')));
    QVERIFY(compared > 9000);
}

void TestCp932::microsoftMapping_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("unit");
    // Control codes stay as they are (IBM-943 tables rotate 0x1A, 0x1C and 0x7F).
    QTest::newRow("line feed") << 0x0A << 0x000A;
    QTest::newRow("0x1A") << 0x1A << 0x001A;
    QTest::newRow("0x1C") << 0x1C << 0x001C;
    QTest::newRow("0x7F") << 0x7F << 0x007F;
    QTest::newRow("backslash") << 0x5C << 0x005C;
    QTest::newRow("tilde") << 0x7E << 0x007E;
    QTest::newRow("half-width ku") << 0xB8 << 0xFF78;
    QTest::newRow("wave dash") << 0x8160 << 0xFF5E;
    QTest::newRow("full-width backslash") << 0x815F << 0xFF3C;
    QTest::newRow("double vertical line") << 0x8161 << 0x2225;
    QTest::newRow("minus") << 0x817C << 0xFF0D;
    QTest::newRow("horizontal bar") << 0x815C << 0x2015;
    QTest::newRow("not sign") << 0x81CA << 0xFFE2;
    QTest::newRow("NEC row 13 circled 1") << 0x8740 << 0x2460;
    QTest::newRow("NEC row 13 roman I") << 0x8754 << 0x2160;
    QTest::newRow("IBM small roman i") << 0xFA40 << 0x2170;
    QTest::newRow("IBM extension") << 0xFA5C << 0x7E8A;
    QTest::newRow("user area") << 0xF040 << 0xE000;
    QTest::newRow("hiragana a") << 0x82A0 << 0x3042;
}

void TestCp932::microsoftMapping()
{
    QFETCH(int, code);
    QFETCH(int, unit);
    const Cp932Codec &codec = Cp932Codec::instance();
    QCOMPARE(int(codec.toUnicode(quint16(code))), unit);
    QCOMPARE(int(codec.fromUnicode(char16_t(unit))), code);
}

void TestCp932::oneWayMappings_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("unit");
    QTest::addColumn<int>("writtenAs");
    // Duplicates are written in Microsoft's preferred form.
    QTest::newRow("NEC-selected kanji") << 0xED40 << 0x7E8A << 0xFA5C;
    QTest::newRow("NEC row 13 approx. equal") << 0x8790 << 0x2252 << 0x81E0;
    QTest::newRow("NEC-selected not sign") << 0xEEF9 << 0xFFE2 << 0x81CA;
    QTest::newRow("IBM not sign") << 0xFA54 << 0xFFE2 << 0x81CA;
    QTest::newRow("IBM roman I") << 0xFA4A << 0x2160 << 0x8754;
}

void TestCp932::oneWayMappings()
{
    QFETCH(int, code);
    QFETCH(int, unit);
    QFETCH(int, writtenAs);
    const Cp932Codec &codec = Cp932Codec::instance();
    QCOMPARE(int(codec.toUnicode(quint16(code))), unit);
    QCOMPARE(int(codec.fromUnicode(char16_t(unit))), writtenAs);
}

void TestCp932::everyUnitIsOneCharacter()
{
    // Whatever a string holds, it is written as exactly one CP932 character per code unit, so the
    // stored count leads the reader to the end of the string and not a byte further.
    const Cp932Codec &codec = Cp932Codec::instance();
    QString all(0x10000, Qt::Uninitialized);
    for (int unit = 0; unit < 0x10000; ++unit)
        all[unit] = QChar(char16_t(unit));
    const QByteArray bytes = codec.encode(all);
    QString back;
    QCOMPARE(codec.decode(bytes.constData(), bytes.size(), all.size(), back), bytes.size());
    QCOMPARE(back.size(), all.size());

    // Reading what was written and writing it again gives the same bytes.
    QCOMPARE(codec.encode(back), bytes);
    int unchanged = 0;
    for (int unit = 0; unit < 0x10000; ++unit)
        unchanged += back[unit] == all[unit];
    QVERIFY(unchanged > 9000);
}

void TestCp932::leadByteTakesTheNextByte_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("used");
    QTest::newRow("mixed") << QByteArray("a\x82\xa0\xb1z") << 4 << QStringLiteral("aあｱz") << 5;
    QTest::newRow("count stops early") << QByteArray("\x82\xa0\x82\xa2") << 1 << QStringLiteral("あ") << 2;
    // An undefined pair is still one character of two bytes.
    QTest::newRow("bad trail") << QByteArray("\x81\x20x") << 2 << (QString(QChar(0xFFFD)) + u'x') << 3;
    QTest::newRow("undefined pair") << QByteArray("\x85\x40!") << 2 << (QString(QChar(0xFFFD)) + u'!') << 3;
    QTest::newRow("undefined single") << QByteArray("\xa0\xfd") << 2 << QString(2, QChar(0xFFFD)) << 2;
    // Bytes past the end read as zero.
    QTest::newRow("past the end") << QByteArray("ab") << 4 << QStringLiteral("ab") + QString(2, QChar(u'\0')) << 4;
    QTest::newRow("lead at the end") << QByteArray("\x82") << 1 << QString(QChar(0xFFFD)) << 2;
}

void TestCp932::leadByteTakesTheNextByte()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, count);
    QFETCH(QString, text);
    QFETCH(int, used);
    QString out;
    QCOMPARE(Cp932Codec::instance().decode(bytes.constData(), bytes.size(), count, out), qsizetype(used));
    QCOMPARE(out, text);
}

QTEST_GUILESS_MAIN(TestCp932)
#include "tst_cp932.moc"
