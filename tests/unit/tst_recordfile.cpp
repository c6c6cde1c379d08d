// SPDX-License-Identifier: GPL-3.0-or-later
// Typed values, strings, check-framed blocks and safe saving of RecordFile.
#include "storage/RecordFile.h"
#include "storage/CheckedBlockReader.h"
#include "storage/CheckedBlockWriter.h"

#include <QBuffer>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <functional>

#ifdef Q_OS_LINUX
#include <csignal>
#include <sys/resource.h>
#endif

namespace {

QByteArray hex(const char *text)
{
    return QByteArray::fromHex(text);
}

// Collects what a writer produces.
QByteArray written(const std::function<void(RecordFile &)> &write)
{
    QBuffer buffer;
    buffer.open(QIODevice::ReadWrite);
    RecordFile file;
    if (!file.openDeviceForSave(buffer))
        return {};
    write(file);
    if (!file.close())
        return {};
    return buffer.data();
}

// A random-access device that takes `limit` bytes and then refuses, like a full disk.
class FailingDevice : public QIODevice {
public:
    explicit FailingDevice(qint64 limit) : m_limit(limit) { open(QIODevice::ReadWrite); }
    QByteArray bytes;

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 length) override
    {
        const qint64 room = m_limit - bytes.size();
        if (room <= 0) {
            setErrorString(QStringLiteral("no space left"));
            return -1;
        }
        const qint64 taken = std::min(room, length);
        bytes.append(data, taken);
        return taken;
    }

private:
    qint64 m_limit;
};

} // namespace

class TestRecordFile : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void stringBytes_data();
    void stringBytes();
    void numberBytes_data();
    void numberBytes();
    void valuesReadBack();
    void readsPastTheEndAreZero();
    void truthValueReadsAnyNonZeroAsTrue();
    void guardedStringRead_data();
    void guardedStringRead();
    void damagedCountEndsInOrderlyFailure_data();
    void damagedCountEndsInOrderlyFailure();
    void stringCutShortEndsInNuls();
    void longStringsReadBackAcrossPieces_data();
    void longStringsReadBackAcrossPieces();
    void readErrorIsNotDamage();
    void positionsAreOneBased();
    void checkBlockWithContent();
    void emptyCheckBlock();
    void damagedCheckBlocks_data();
    void damagedCheckBlocks();
    void saveReplacesLongerFile();
    void openOfMissingFileCreatesNothing();
    void failingDeviceReportsTheSave();
    void unfinishedSaveLeavesOldFile();
    void saveFailingHalfWayLeavesOldFile();
};

void TestRecordFile::stringBytes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("empty") << QString() << hex("00000000");
    QTest::newRow("abc") << QStringLiteral("abc") << hex("03000000616263");
    QTest::newRow("two full-width") << QStringLiteral("あい") << hex("0200000082a082a2");
    QTest::newRow("half-width katakana") << QStringLiteral("ｸﾘｯﾌﾟ") << hex("05000000b8d8afccdf");
    QTest::newRow("wave dash and backslash") << QStringLiteral("～＼") << hex("020000008160815f");
    // Units with no CP932 form are one "?" each, so the count still equals the characters written.
    QTest::newRow("euro sign") << QStringLiteral("a€b") << hex("03000000613f62");
    QTest::newRow("surrogate pair") << QStringLiteral("x😀") << hex("03000000783f3f");
}

void TestRecordFile::stringBytes()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(written([&](RecordFile &f) { f.writeString(text); }), bytes);
}

void TestRecordFile::numberBytes_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("int16 -2") << written([](RecordFile &f) { f.writeInt16(-2); }) << hex("feff");
    QTest::newRow("int32") << written([](RecordFile &f) { f.writeInt32(0x12345678); }) << hex("78563412");
    QTest::newRow("int32 system colour") << written([](RecordFile &f) { f.writeInt32(qint32(0x80000008u)); })
                                        << hex("08000080");
    QTest::newRow("float 1.5") << written([](RecordFile &f) { f.writeFloat(1.5f); }) << hex("0000c03f");
    QTest::newRow("bool true") << written([](RecordFile &f) { f.writeBool(true); }) << hex("ffff");
    QTest::newRow("bool false") << written([](RecordFile &f) { f.writeBool(false); }) << hex("0000");
}

void TestRecordFile::numberBytes()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QByteArray, expected);
    QCOMPARE(bytes, expected);
}

void TestRecordFile::valuesReadBack()
{
    QByteArray bytes = written([](RecordFile &f) {
        f.writeInt16(-32768);
        f.writeInt32(-2147483647 - 1);
        f.writeFloat(-0.1f);
        f.writeBool(true);
        f.writeString(u"ＭＳ Ｐゴシック");
        f.writeString(u"");
        f.writeInt16(32767);
    });
    QBuffer buffer(&bytes);
    RecordFile file;
    QVERIFY(file.openDeviceForRead(buffer));
    QCOMPARE(file.readInt16(), qint16(-32768));
    QCOMPARE(file.readInt32(), -2147483647 - 1);
    QCOMPARE(file.readFloat(), -0.1f);
    QCOMPARE(file.readBool(), true);
    QCOMPARE(file.readString(), QStringLiteral("ＭＳ Ｐゴシック"));
    QCOMPARE(file.readString(), QString());
    QCOMPARE(file.readInt16(), qint16(32767));
    QVERIFY(file.intact());
}

void TestRecordFile::readsPastTheEndAreZero()
{
    QByteArray bytes = hex("0100");
    QBuffer buffer(&bytes);
    RecordFile file;
    QVERIFY(file.openDeviceForRead(buffer));
    QCOMPARE(file.readInt16(), qint16(1));
    QVERIFY(file.intact());
    QCOMPARE(file.readInt16(), qint16(0));
    QCOMPARE(file.readInt32(), 0);
    QCOMPARE(file.readFloat(), 0.0f);
    QCOMPARE(file.readBool(), false);
    QCOMPARE(file.readString(), QString());
    QVERIFY(file.readPastEnd());
    QVERIFY(!file.failed());
}

void TestRecordFile::truthValueReadsAnyNonZeroAsTrue()
{
    QByteArray bytes = hex("010000000080");
    QBuffer buffer(&bytes);
    RecordFile file;
    QVERIFY(file.openDeviceForRead(buffer));
    QCOMPARE(file.readBool(), true);
    QCOMPARE(file.readBool(), false);
    QCOMPARE(file.readBool(), true);
}

void TestRecordFile::guardedStringRead_data()
{
    QTest::addColumn<qint32>("count");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("at the limit") << 64 << true;
    QTest::newRow("one past the limit") << 65 << false;
    QTest::newRow("zero") << 0 << true;
    QTest::newRow("negative") << -1 << false;
}

void TestRecordFile::guardedStringRead()
{
    QFETCH(qint32, count);
    QFETCH(bool, accepted);
    QByteArray bytes = written([&](RecordFile &f) {
        f.writeInt32(count);
        for (int i = 0; i < 70; ++i)
            f.writeInt16(0x6161);
    });
    QBuffer buffer(&bytes);
    RecordFile file;
    QVERIFY(file.openDeviceForRead(buffer));
    QString text = QStringLiteral("unchanged");
    QCOMPARE(file.readStringUpTo(64, text), accepted);
    if (accepted) {
        QCOMPARE(text, QString(count, u'a'));
        QCOMPARE(file.position(), 5 + count);
    } else {
        QCOMPARE(text, QStringLiteral("unchanged"));
        QCOMPARE(file.position(), 5);
    }
    QVERIFY(!file.failed());
}

void TestRecordFile::damagedCountEndsInOrderlyFailure_data()
{
    QTest::addColumn<qint32>("count");
    QTest::newRow("negative") << -5;
    QTest::newRow("most negative") << qint32(0x80000000u);
    QTest::newRow("one more than the bytes left") << 5;
    QTest::newRow("largest") << 0x7fffffff;
}

void TestRecordFile::damagedCountEndsInOrderlyFailure()
{
    QFETCH(qint32, count);
    QByteArray bytes = written([&](RecordFile &f) {
        f.writeInt32(count);
        f.writeInt32(0x41414141);
    });
    QBuffer buffer(&bytes);
    RecordFile file;
    QVERIFY(file.openDeviceForRead(buffer));
    QCOMPARE(file.readString(), QString());
    QVERIFY(file.failed());
    QVERIFY(!file.intact());
    QVERIFY(!file.errorString().isEmpty());
    // Nothing past the count was taken.
    QCOMPARE(file.position(), 5);

    QBuffer again(&bytes);
    RecordFile guarded;
    QVERIFY(guarded.openDeviceForRead(again));
    QString text = QStringLiteral("unchanged");
    QVERIFY(!guarded.readStringUpTo(0x7fffffff, text));
    QCOMPARE(text, QStringLiteral("unchanged"));
}

void TestRecordFile::stringCutShortEndsInNuls()
{
    // Two characters promised, two bytes there, but the first is a double-byte one.
    QByteArray bytes = hex("0200000082a0");
    QBuffer buffer(&bytes);
    RecordFile file;
    QVERIFY(file.openDeviceForRead(buffer));
    QCOMPARE(file.readString(), QStringLiteral("あ") + QChar(u'\0'));
    QVERIFY(file.readPastEnd());
    QVERIFY(!file.failed());

    // A lead byte as the last byte pairs with a zero: an undefined character, not a crash.
    QByteArray lone = hex("0100000082");
    QBuffer loneBuffer(&lone);
    RecordFile loneFile;
    QVERIFY(loneFile.openDeviceForRead(loneBuffer));
    QCOMPARE(loneFile.readString(), QString(QChar(0xFFFD)));
    QVERIFY(loneFile.readPastEnd());
}

void TestRecordFile::longStringsReadBackAcrossPieces_data()
{
    // A file is read in pieces of 64 KiB; the lead bytes shift so that a double-byte character
    // falls on every side of a piece's edge.
    QTest::addColumn<int>("lead");
    QTest::newRow("even") << 0;
    QTest::newRow("odd") << 1;
}

void TestRecordFile::longStringsReadBackAcrossPieces()
{
    QFETCH(int, lead);
    QString text = QString(lead, u'a');
    for (int i = 0; text.size() < 150000; ++i)
        text += (i % 3 == 0) ? QStringLiteral("あ") : QStringLiteral("b");
    const QString second = QStringLiteral("ｸﾘｯﾌﾟ") + QString(70000, u'漢');
    QByteArray bytes = written([&](RecordFile &f) {
        f.writeString(text);
        f.writeString(second);
        f.writeInt16(42);
    });
    QBuffer buffer(&bytes);
    RecordFile file;
    QVERIFY(file.openDeviceForRead(buffer));
    QCOMPARE(file.readString(), text);
    QCOMPARE(file.readString(), second);
    QCOMPARE(file.readInt16(), qint16(42));
    QVERIFY(file.intact());
    QCOMPARE(file.position(), bytes.size() + 1);
}

void TestRecordFile::readErrorIsNotDamage()
{
    // The first piece is read, the second fails as a bad disk sector would.
    class BadSector : public QBuffer {
    public:
        using QBuffer::QBuffer;
    protected:
        qint64 readData(char *data, qint64 length) override
        {
            if (pos() >= (1 << 16)) {
                setErrorString(QStringLiteral("Input/output error"));
                return -1;
            }
            return QBuffer::readData(data, length);
        }
    };
    QByteArray bytes = written([](RecordFile &f) { f.writeString(QString(100000, u'x')); });
    BadSector device(&bytes);
    RecordFile file;
    QVERIFY(file.openDeviceForRead(device));
    file.readString();
    QVERIFY(file.unreadable());
    QVERIFY(file.failed());
    QCOMPARE(file.errorString(), QStringLiteral("Input/output error"));
}

void TestRecordFile::positionsAreOneBased()
{
    QByteArray bytes = written([](RecordFile &f) {
        QCOMPARE(f.position(), 1);
        f.writeInt16(1);
        QCOMPARE(f.position(), 3);
        f.writeString(u"あa");
        QCOMPARE(f.position(), 10);
        f.setPosition(1);
        f.writeInt16(7);
        QCOMPARE(f.position(), 3);
    });
    QCOMPARE(bytes, hex("0700020000" "0082a061"));
}

void TestRecordFile::checkBlockWithContent()
{
    QByteArray bytes = written([](RecordFile &f) {
        CheckedBlockWriter check;
        check.begin(f, 5);
        for (qint16 word = 1; word <= 5; ++word) // ten bytes of content
            f.writeInt16(word);
        check.finish(f);
        QCOMPARE(f.position(), 19);
    });
    QCOMPARE(bytes.size(), 18);
    QCOMPARE(bytes.left(6), hex("050011000000"));
    QCOMPARE(bytes.right(2), hex("0500"));

    QBuffer buffer(&bytes);
    RecordFile file;
    QVERIFY(file.openDeviceForRead(buffer));
    qint16 value = 0;
    QVERIFY(CheckedBlockReader::beginBlock(file, value));
    QCOMPARE(value, qint16(5));
    QCOMPARE(file.position(), 7);
    file.setPosition(17);
    CheckedBlockReader::finishBlock(file);
    QCOMPARE(file.position(), 19);
}

void TestRecordFile::emptyCheckBlock()
{
    QByteArray bytes = written([](RecordFile &f) {
        f.writeInt16(99); // the block starts at position 3
        CheckedBlockWriter check;
        check.begin(f, -1);
        check.finish(f);
    });
    QCOMPARE(bytes, hex("6300" "ffff" "09000000" "ffff"));
    QBuffer buffer(&bytes);
    RecordFile file;
    QVERIFY(file.openDeviceForRead(buffer));
    file.readInt16();
    qint16 value = 0;
    QVERIFY(CheckedBlockReader::beginBlock(file, value));
    QCOMPARE(value, qint16(-1));
    CheckedBlockReader::finishBlock(file);
    QCOMPARE(file.position(), 11);
}

void TestRecordFile::damagedCheckBlocks_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<qint16>("value");
    QTest::newRow("closing value differs") << hex("0500" "09000000" "aaaa" "0600") << qint16(5);
    QTest::newRow("pointer zero") << hex("0500" "00000000" "aaaa" "0500") << qint16(5);
    QTest::newRow("pointer negative") << hex("0500" "ffffffff" "aaaa" "0500") << qint16(5);
    // A zero check value must not be matched by the zeros read beyond the end of a cut file.
    QTest::newRow("closing value cut off") << hex("0000" "09000000" "aaaa") << qint16(0);
    QTest::newRow("pointer far past the end") << hex("0000" "ffffff7f" "aaaa") << qint16(0);
}

void TestRecordFile::damagedCheckBlocks()
{
    QFETCH(QByteArray, bytes);
    QFETCH(qint16, value);
    QBuffer buffer(&bytes);
    RecordFile file;
    QVERIFY(file.openDeviceForRead(buffer));
    qint16 read = 42;
    QVERIFY(!CheckedBlockReader::beginBlock(file, read));
    QCOMPARE(read, value);
    QCOMPARE(file.position(), 7);
}

void TestRecordFile::saveReplacesLongerFile()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("list.qkp"));
    {
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(100, 'x'));
    }
    RecordFile file;
    QVERIFY(file.openForSave(path));
    QVERIFY(file.isOpen());
    file.writeString(u"abc");
    QVERIFY(file.close());
    QVERIFY(!file.isOpen());
    QFile result(path);
    QVERIFY(result.open(QIODevice::ReadOnly));
    QCOMPARE(result.readAll(), hex("03000000616263"));
}

void TestRecordFile::openOfMissingFileCreatesNothing()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("missing.dat"));
    RecordFile file;
    QVERIFY(!file.openForRead(path));
    QVERIFY(!file.errorString().isEmpty());
    QVERIFY(!QFile::exists(path));
    QCOMPARE(file.readInt32(), 0);
    QVERIFY(file.close());
}

void TestRecordFile::failingDeviceReportsTheSave()
{
    FailingDevice device(10);
    RecordFile file;
    QVERIFY(file.openDeviceForSave(device));
    file.writeString(u"twenty characters...");
    QVERIFY(!file.close());
    QVERIFY(!file.errorString().isEmpty());
    QCOMPARE(device.bytes.size(), 10);
}

void TestRecordFile::unfinishedSaveLeavesOldFile()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("QKPRUtil.dat"));
    const QByteArray old = "the previous settings";
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(old);
    }
    {
        RecordFile file;
        QVERIFY(file.openForSave(path));
        file.writeString(u"never finished");
        // Released without close(), as when a writer gives up.
    }
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), old);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("QKPRUtil.dat")});
}

void TestRecordFile::saveFailingHalfWayLeavesOldFile()
{
#ifndef Q_OS_LINUX
    QSKIP("needs a file size limit to make the file system refuse a write");
#else
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("list.qkp"));
    QByteArray old;
    for (int i = 0; i < 300; ++i)
        old.append(char(i));
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(old);
    }

    // The kernel refuses every byte past 1000 in any file this process writes, as a full disk would.
    struct rlimit saved {};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit limited = saved;
    limited.rlim_cur = 1000;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &limited), 0);

    RecordFile file;
    const bool opened = file.openForSave(path);
    for (int i = 0; i < 100; ++i)
        file.writeString(u"a string of some forty characters, or so");
    const bool closed = file.close();

    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    QVERIFY(opened);
    QVERIFY(!closed);
    QVERIFY(!file.errorString().isEmpty());
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), old);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("list.qkp")});
#endif
}

QTEST_GUILESS_MAIN(TestRecordFile)
#include "tst_recordfile.moc"
