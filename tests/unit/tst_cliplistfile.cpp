// SPDX-License-Identifier: GPL-3.0-or-later
// Clip-list files: the bytes written, the version rule and its messages, damaged files that must
// leave the list alone, rows rebuilt on opening, the supplement for text beyond code page 932,
// and saving that fails.
#include "FakePaneHost.h"
#include "ScriptedMessageBoxes.h"
#include "model/ListItems.h"
#include "model/ListCollection.h"
#include "model/ListRecord.h"
#include "model/ListDisplay.h"
#include "model/ProgramState.h"
#include "storage/ClipListFile.h"
#include "storage/ClipListStore.h"
#include "storage/Cp932Codec.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <atomic>
#include <bit>
#include <limits>

#ifdef Q_OS_LINUX
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#if defined(__SANITIZE_ADDRESS__)
#define QK_SEES_ALLOCATIONS 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define QK_SEES_ALLOCATIONS 1
#endif
#endif

#ifdef QK_SEES_ALLOCATIONS
extern "C" int __sanitizer_install_malloc_and_free_hooks(void (*onMalloc)(const volatile void *, size_t),
                                                          void (*onFree)(const volatile void *));
#endif

namespace {

// The largest single allocation since the last reset, as AddressSanitizer reports every one.
std::atomic<size_t> s_largestAllocation{0};
#ifdef QK_SEES_ALLOCATIONS
void noteAllocation(const volatile void *, size_t size)
{
    size_t seen = s_largestAllocation.load();
    while (size > seen && !s_largestAllocation.compare_exchange_weak(seen, size)) {
    }
}
void noteFree(const volatile void *) {}
#endif
// Reading a damaged file of a few hundred bytes, or the start of a huge one, needs no large block.
constexpr size_t LargeAllocation = 1 << 20;

using Icon = MessageBoxPort::Icon;
using Buttons = MessageBoxPort::Buttons;

const QString lineBreak = QStringLiteral("\r\n");
const QString ReadTitle = QStringLiteral("Arlen.T.K. QuillKeeper ﾌｧｲﾙ読み込みｴﾗｰ");
const QString WriteTitle = QStringLiteral("Arlen.T.K. QuillKeeper ﾌｧｲﾙ書き込みｴﾗｰ");
const QString DamagedText = QStringLiteral("このﾌｧｲﾙは、壊れています。") + lineBreak + QStringLiteral("このﾌｧｲﾙを開くことは出来ません。");

// The header takes 76 bytes; the options' numbers 34 more, then come the four option strings.
constexpr int OptionsAt = 76;
constexpr int OptionStringsAt = 110;

qint32 int32At(const QByteArray &bytes, qsizetype at)
{
    return qFromLittleEndian<qint32>(bytes.constData() + at);
}
void putInt32(QByteArray &bytes, qsizetype at, qint32 value)
{
    qToLittleEndian(value, bytes.data() + at);
}
void putInt(QByteArray &bytes, qsizetype at, qint16 value)
{
    qToLittleEndian(value, bytes.data() + at);
}
void putFloat(QByteArray &bytes, qsizetype at, float value)
{
    qToLittleEndian(std::bit_cast<quint32>(value), bytes.data() + at);
}

// Offset just after the string stored at `at`.
qsizetype afterString(const QByteArray &bytes, qsizetype at)
{
    const qint32 count = int32At(bytes, at);
    QString text;
    return at + 4 + Cp932Codec::instance().decode(bytes.constData() + at + 4, bytes.size() - at - 4, count, text);
}

// Where the parts of a written file lie (0-based offsets).
struct Layout {
    explicit Layout(const QByteArray &bytes)
    {
        qsizetype at = OptionStringsAt;
        for (int i = 0; i < 4; ++i)
            at = afterString(bytes, at);
        block = at;
        itemsAt = block + 6;
        at = itemsAt;
        const int count = qFromLittleEndian<qint16>(bytes.constData() + block) + 1;
        for (int i = 0; i < 2 * count; ++i) {
            strings.append(at);
            at = afterString(bytes, at);
        }
        closing = at;
        end = at + 2;
    }
    qsizetype block = 0;
    qsizetype itemsAt = 0;
    QList<qsizetype> strings; // text and name of each item, in turn
    qsizetype closing = 0;
    qsizetype end = 0; // just after the block: where a supplement starts
};

struct Entry {
    qint16 field;
    qint16 item;
    QString text;
};

// The supplement's entries; empty when the file holds none that parses.
QList<Entry> supplementOf(const QByteArray &bytes)
{
    const qsizetype start = Layout(bytes).end;
    QList<Entry> entries;
    if (bytes.mid(start, 4) != "QKU1")
        return entries;
    qsizetype at = start + 8;
    for (qint32 n = 0; n < int32At(bytes, start + 4); ++n) {
        Entry e{qFromLittleEndian<qint16>(bytes.constData() + at), qFromLittleEndian<qint16>(bytes.constData() + at + 2), {}};
        const qint32 units = int32At(bytes, at + 4);
        at += 8;
        for (qint32 u = 0; u < units; ++u, at += 2)
            e.text.append(QChar(qFromLittleEndian<quint16>(bytes.constData() + at)));
        entries.append(e);
    }
    if (int32At(bytes, at) != at + 4 - start || at + 4 != bytes.size())
        return {};
    return entries;
}

// Everything about a list that opening a file may change, and what it must not.
struct ListState {
    ClipListOptions options;
    qint16 sameNameNumber = 0;
    bool captionByWidth = false;
    qint32 captionWidth = 0;
    bool showLength = false;
    QStringList words;
    QStringList names;
    QStringList rows;
    QList<qint16> rowMap;
    QString boxFont;
    float boxFontSize = 0;
    Colour boxBack = 0;
    Colour boxFore = 0;
    float hostFontSize = 0;
    QString hostFont;
};

// List 0 in pane 0 is saved from; list 1 in pane 1 (focused) is opened into and already holds items.
struct Lists : ModelFixture {
    Lists()
    {
        QStandardPaths::setTestModeEnabled(true);
        showNewList();
        showNewList();
        ListRecord &from = list(0);
        from.captionByWidth = false;
        from.captionLength = 1000;
        from.itemLimit = 100;
        from.heightShare = 0.25f;
        from.fontSize = 11.5f;
        from.addAtFocus = true;
        from.addAtBottom = true;
        from.focusMode = FocusMode::Stays;
        from.backColour = 0x00112233;
        from.textColour = systemColour(8);
        from.focusedBackColour = 0x00445566;
        from.focusedTextColour = 0x00778899;
        from.name = QStringLiteral("作業ﾒﾓ");
        from.lineBreakMark = QStringLiteral("／");
        from.fontName = QStringLiteral("Noto Sans CJK JP");

        ListRecord &into = list(1);
        into.captionByWidth = false;
        into.captionLength = 1000;
        into.itemLimit = 50;
        into.name = QStringLiteral("前のﾘｽﾄ");
        into.fileName = QStringLiteral("/earlier/place.qkp");
        into.sameNameNumber = 2;
        into.showLength = true;
        into.captionWidth = 77;
        for (const char *t : {"kept one", "kept two"})
            items(1).addItem(QString::fromLatin1(t));
        items(1).nameItem(RowNumber(0), QStringLiteral("名札"));
    }
    ListRecord &list(qint16 n) { return state->lists().at(ListNumber(n)); }
    ListItems &items(qint16 n) { return list(n).items(); }
    QString path(const QString &name) const { return dir.filePath(name); }

    // Saves list 0 with these items (text and name pairs) and returns the file's bytes.
    QByteArray save(const QList<std::pair<QString, QString>> &content, const QString &name = QStringLiteral("list.qkp"))
    {
        items(0).clearItems();
        for (const auto &[text, itemName] : content) {
            const RowNumber row = items(0).addItem(text);
            if (!itemName.isEmpty())
                items(0).nameItem(row, itemName);
        }
        if (!store.writeListFile(path(name), ListNumber(0)))
            return {};
        return bytesOf(path(name));
    }
    static QByteArray bytesOf(const QString &file)
    {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void put(const QString &file, const QByteArray &bytes)
    {
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(f.write(bytes), bytes.size());
    }
    bool open(const QByteArray &bytes, const QString &name = QStringLiteral("open.qkp"))
    {
        put(path(name), bytes);
        return store.openListFile(path(name));
    }

    ListState snapshot(qint16 n)
    {
        ListState s;
        ListRecord &o = list(n);
        s.options = ClipListOptions::of(o);
        s.sameNameNumber = o.sameNameNumber;
        s.captionByWidth = o.captionByWidth;
        s.captionWidth = o.captionWidth;
        s.showLength = o.showLength;
        for (qint16 i = 0; i < items(n).count(); ++i) {
            s.words << items(n).at(ItemNumber(i)).text;
            s.names << items(n).at(ItemNumber(i)).name;
        }
        for (qint16 r = 0; r < items(n).rowCount(); ++r)
            s.rowMap << items(n).itemOfRow(RowNumber(r)).value();
        s.rows = rows(PaneNumber(n));
        FakeClipListBox &b = host->box(PaneNumber(n));
        s.boxFont = b.fontName;
        s.boxFontSize = b.fontSize();
        s.boxBack = b.backColour();
        s.boxFore = b.foreColour();
        s.hostFontSize = host->fontSize;
        s.hostFont = host->fontName;
        return s;
    }

    QTemporaryDir dir;
    ScriptedMessageBoxes boxes;
    ClipListStore store{state->lists(), state->display(), boxes};
};

void compareStates(const ListState &now, const ListState &before)
{
    QVERIFY(now.options == before.options);
    QCOMPARE(now.sameNameNumber, before.sameNameNumber);
    QCOMPARE(now.captionByWidth, before.captionByWidth);
    QCOMPARE(now.captionWidth, before.captionWidth);
    QCOMPARE(now.showLength, before.showLength);
    QCOMPARE(now.words, before.words);
    QCOMPARE(now.names, before.names);
    QCOMPARE(now.rows, before.rows);
    QCOMPARE(now.rowMap, before.rowMap);
    QCOMPARE(now.boxFont, before.boxFont);
    QCOMPARE(now.boxFontSize, before.boxFontSize);
    QCOMPARE(now.boxBack, before.boxBack);
    QCOMPARE(now.boxFore, before.boxFore);
    QCOMPARE(now.hostFontSize, before.hostFontSize);
    QCOMPARE(now.hostFont, before.hostFont);
}

const QList<std::pair<QString, QString>> Three = {
    {QStringLiteral("first\r\nline"), QString()},
    {QStringLiteral("二番目のｸﾘｯﾌﾟ"), QStringLiteral("名前")},
    {QStringLiteral("third"), QString()},
};

} // namespace

class TestClipListFile : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
#ifdef QK_SEES_ALLOCATIONS
        __sanitizer_install_malloc_and_free_hooks(noteAllocation, noteFree);
#endif
    }
    void emptyListWritesAnEmptyBlock();
    void itemsAreStoredInItemNumberOrder();
    void openingReplacesOptionsAndItems();
    void headerRefusals_data();
    void headerRefusals();
    void damageAfterTheHeaderLeavesTheListAlone_data();
    void damageAfterTheHeaderLeavesTheListAlone();
    void countThatStillParsesIsDamage();
    void hugeFileIsJudgedWithoutReadingItWhole_data();
    void hugeFileIsJudgedWithoutReadingItWhole();
    void unreadableFileGivesTheSystemsReason_data();
    void unreadableFileGivesTheSystemsReason();
    void fileNameIsTheOneStoredInTheFile();
    void rowsFollowTheFilesAddDirectionAndLimit_data();
    void rowsFollowTheFilesAddDirectionAndLimit();
    void supplementOnlyWhenTextWouldChange_data();
    void supplementOnlyWhenTextWouldChange();
    void supplementCoversEveryField_data();
    void supplementCoversEveryField();
    void supplementThatDoesNotFitIsIgnored_data();
    void supplementThatDoesNotFitIsIgnored();
    void failedSaveKeepsFileAndName_data();
    void failedSaveKeepsFileAndName();
};

void TestClipListFile::emptyListWritesAnEmptyBlock()
{
    Lists l;
    const QByteArray bytes = l.save({});
    QVERIFY(!bytes.isEmpty());
    QCOMPARE(qFromLittleEndian<qint16>(bytes.constData() + 74), qint16(6));
    QCOMPARE(qFromLittleEndian<qint16>(bytes.constData() + OptionsAt), qint16(1000)); // captionLength comes first
    const Layout at(bytes);
    QCOMPARE(at.end, bytes.size());
    QCOMPARE(bytes.mid(at.block, 2), QByteArray::fromHex("ffff"));
    // The end pointer is 1-based: the block's own position + 6.
    QCOMPARE(qint64(int32At(bytes, at.block + 2)), qint64(at.block + 1) + 6);
    QCOMPARE(bytes.mid(at.block + 6), QByteArray::fromHex("ffff"));

    QVERIFY(l.open(bytes));
    QCOMPARE(l.items(1).count(), qint16(0));
    QCOMPARE(l.rows(PaneNumber(1)), QStringList());
    QVERIFY(l.boxes.asked.isEmpty());
}

void TestClipListFile::itemsAreStoredInItemNumberOrder()
{
    Lists l;
    // Added at the bottom, then the last item moved to the top row: rows and item numbers differ.
    QByteArray bytes = l.save(Three);
    l.items(0).removeRow(RowNumber(2));
    RowNumber top{0};
    QVERIFY(l.items(0).insertRow(Three[2].first, top, ItemNumber(2), false));
    QCOMPARE(l.items(0).itemOfRow(RowNumber(0)), ItemNumber(2));
    QVERIFY(l.store.writeListFile(l.path(QStringLiteral("list.qkp")), ListNumber(0)));
    QCOMPARE(Lists::bytesOf(l.path(QStringLiteral("list.qkp"))), bytes);

    const Layout at(bytes);
    QCOMPARE(qFromLittleEndian<qint16>(bytes.constData() + at.block), qint16(2));
    QCOMPARE(qFromLittleEndian<qint16>(bytes.constData() + at.closing), qint16(2));
    QCOMPARE(at.strings.size(), 6);
    QCOMPARE(at.end, bytes.size());
    const QStringList expected = {Three[0].first, QString(), Three[1].first, Three[1].second, Three[2].first, QString()};
    for (int i = 0; i < 6; ++i) {
        QString s;
        Cp932Codec::instance().decode(bytes.constData() + at.strings[i] + 4, bytes.size(), int32At(bytes, at.strings[i]), s);
        QCOMPARE(s, expected[i]);
    }
}

void TestClipListFile::openingReplacesOptionsAndItems()
{
    Lists l;
    const QByteArray bytes = l.save(Three);
    const ListState before = l.snapshot(1);
    QSignalSpy rowsChanged(&l.state->display().recordOfPane(PaneNumber(1)).items(), &ListItems::rowsRearranged);
    QVERIFY(l.open(bytes));

    ClipListOptions expected = ClipListOptions::of(l.list(0));
    QCOMPARE(expected.fileName, l.path(QStringLiteral("list.qkp")));
    QVERIFY(ClipListOptions::of(l.list(1)) == expected);
    // What the file does not hold stays as it was.
    const ListState after = l.snapshot(1);
    QCOMPARE(after.sameNameNumber, before.sameNameNumber);
    QCOMPARE(after.showLength, before.showLength);
    QCOMPARE(after.captionWidth, before.captionWidth);
    QCOMPARE(after.captionByWidth, before.captionByWidth);

    QCOMPARE(after.words, QStringList({Three[0].first, Three[1].first, Three[2].first}));
    QCOMPARE(after.names, QStringList({QString(), Three[1].second, QString()}));
    // Bottom-added (the file's addAtBottom); the named item shows its name; showLength of the list still counts.
    QCOMPARE(after.rows, QStringList({QStringLiteral("first／line [11]"), Three[1].second, QStringLiteral("third [5]")}));
    QCOMPARE(after.boxFont, QStringLiteral("Noto Sans CJK JP"));
    QCOMPARE(after.boxFontSize, 11.5f);
    QCOMPARE(after.hostFontSize, 11.5f);
    QCOMPARE(after.hostFont, QStringLiteral("Noto Sans CJK JP"));
    QCOMPARE(after.boxBack, Colour(0x00445566));
    QCOMPARE(after.boxFore, Colour(0x00778899));
    QVERIFY(!rowsChanged.isEmpty());
}

void TestClipListFile::headerRefusals_data()
{
    QTest::addColumn<QString>("damage");
    QTest::addColumn<QString>("message");
    const QString older = QStringLiteral("このﾌｧｲﾙは以前のﾊﾞｰｼﾞｮﾝで作られたﾌｧｲﾙなので、") + lineBreak + QStringLiteral("安全に開くことが出来ませんでした。");
    const QString newer = QStringLiteral("このﾌｧｲﾙはこれ以降のﾊﾞｰｼﾞｮﾝで作られたﾌｧｲﾙなので、") + lineBreak + QStringLiteral("安全に開くことが出来ませんでした。");
    const QString broken = lineBreak + lineBreak + DamagedText;
    QTest::newRow("version 5") << QStringLiteral("version5") << QStringLiteral("ﾌｧｲﾙ名：%1") + lineBreak + lineBreak + older;
    QTest::newRow("version 7") << QStringLiteral("version7") << QStringLiteral("ﾌｧｲﾙ名：%1") + lineBreak + lineBreak + newer;
    QTest::newRow("first string 65 long") << QStringLiteral("count65") << QStringLiteral("ﾌｧｲﾙ名%1") + broken;
    QTest::newRow("first string negative") << QStringLiteral("countNegative") << QStringLiteral("ﾌｧｲﾙ名%1") + broken;
    QTest::newRow("other title") << QStringLiteral("title") << QStringLiteral("ﾌｧｲﾙ名%1") + broken;
    QTest::newRow("zero length") << QStringLiteral("empty") << QStringLiteral("ﾌｧｲﾙ名%1") + broken;
    QTest::newRow("cut before the version") << QStringLiteral("cut") << QStringLiteral("ﾌｧｲﾙ名%1") + broken;
}

void TestClipListFile::headerRefusals()
{
    QFETCH(QString, damage);
    QFETCH(QString, message);
    Lists l;
    QByteArray bytes = l.save(Three);
    if (damage == "version5")
        putInt(bytes, 74, 5);
    else if (damage == "version7")
        putInt(bytes, 74, 7);
    else if (damage == "count65")
        putInt32(bytes, 6, 65);
    else if (damage == "countNegative")
        putInt32(bytes, 6, -1);
    else if (damage == "title")
        bytes[48] = 'q'; // "quillKeeper": the comparison minds the case
    else if (damage == "empty")
        bytes.clear();
    else if (damage == "cut")
        bytes.truncate(75);

    const ListState before = l.snapshot(1);
    l.boxes.willAnswer(MessageBoxPort::Answer::Ok);
    QSignalSpy rowsChanged(&l.state->display().focusedRecord().items(), &ListItems::rowsRearranged);
    QVERIFY(!l.open(bytes));
    QCOMPARE(l.boxes.asked.size(), 1);
    QCOMPARE(l.boxes.asked[0].title, ReadTitle);
    QCOMPARE(l.boxes.asked[0].text, message.arg(l.path(QStringLiteral("open.qkp"))));
    QCOMPARE(l.boxes.asked[0].icon, Icon::Critical);
    QCOMPARE(l.boxes.asked[0].buttons, Buttons::Ok);
    compareStates(l.snapshot(1), before);
    QVERIFY(rowsChanged.isEmpty());
}

void TestClipListFile::damageAfterTheHeaderLeavesTheListAlone_data()
{
    QTest::addColumn<QString>("damage");
    QTest::newRow("closing check value differs") << QStringLiteral("closing");
    QTest::newRow("end pointer 0") << QStringLiteral("pointerZero");
    QTest::newRow("end pointer beyond the file") << QStringLiteral("pointerBeyond");
    QTest::newRow("cut inside the items") << QStringLiteral("cutItems");
    QTest::newRow("cut inside the options") << QStringLiteral("cutOptions");
    QTest::newRow("list name count negative") << QStringLiteral("optionCountNegative");
    QTest::newRow("font name count past the end") << QStringLiteral("optionCountHuge");
    QTest::newRow("list name count 2,000,000,000") << QStringLiteral("optionCount2e9");
    QTest::newRow("item text count past the end") << QStringLiteral("itemCountHuge");
    QTest::newRow("item name count negative") << QStringLiteral("itemCountNegative");
    QTest::newRow("check value below -1") << QStringLiteral("checkBelow");
    QTest::newRow("more items than the file holds") << QStringLiteral("checkTooMany");
    QTest::newRow("pane share not a number") << QStringLiteral("shareNaN");
    QTest::newRow("pane share huge") << QStringLiteral("shareHuge");
    QTest::newRow("font size infinite") << QStringLiteral("fontInfinite");
    QTest::newRow("font size zero") << QStringLiteral("fontZero");
    QTest::newRow("item limit zero") << QStringLiteral("limitZero");
}

void TestClipListFile::damageAfterTheHeaderLeavesTheListAlone()
{
    QFETCH(QString, damage);
    Lists l;
    QByteArray bytes = l.save(Three);
    const Layout at(bytes);
    if (damage == "closing") {
        putInt(bytes, at.closing, 3);
    } else if (damage == "pointerZero") {
        putInt32(bytes, at.block + 2, 0);
    } else if (damage == "pointerBeyond") {
        putInt32(bytes, at.block + 2, qint32(bytes.size()) + 10);
    } else if (damage == "cutItems") {
        bytes.truncate(at.strings[3] + 5);
    } else if (damage == "cutOptions") {
        bytes.truncate(OptionStringsAt + 2);
    } else if (damage == "optionCountNegative") {
        putInt32(bytes, OptionStringsAt, -5);
    } else if (damage == "optionCount2e9") {
        putInt32(bytes, OptionStringsAt, 2000000000);
    } else if (damage == "optionCountHuge") {
        putInt32(bytes, at.block - 4 - 16, 0x7fffffff); // "Noto Sans CJK JP" is the last option
    } else if (damage == "itemCountHuge") {
        putInt32(bytes, at.strings[2], 1 << 24);
    } else if (damage == "itemCountNegative") {
        putInt32(bytes, at.strings[3], -1);
    } else if (damage == "checkBelow") {
        putInt(bytes, at.block, -3);
        putInt(bytes, at.closing, -3);
    } else if (damage == "checkTooMany") {
        putInt(bytes, at.block, 32000);
        putInt(bytes, at.closing, 32000);
    } else if (damage == "shareNaN") {
        putFloat(bytes, OptionsAt + 4, std::numeric_limits<float>::quiet_NaN());
    } else if (damage == "shareHuge") {
        putFloat(bytes, OptionsAt + 4, 1e30f);
    } else if (damage == "fontInfinite") {
        putFloat(bytes, OptionsAt + 8, std::numeric_limits<float>::infinity());
    } else if (damage == "fontZero") {
        putFloat(bytes, OptionsAt + 8, 0);
    } else if (damage == "limitZero") {
        putInt(bytes, OptionsAt + 2, 0);
    }

    const ListState before = l.snapshot(1);
    l.boxes.willAnswer(MessageBoxPort::Answer::Ok);
    s_largestAllocation = 0;
    QSignalSpy rowsChanged(&l.state->display().focusedRecord().items(), &ListItems::rowsRearranged);
    QVERIFY(!l.open(bytes));
    QVERIFY2(s_largestAllocation < LargeAllocation, QByteArray::number(qulonglong(s_largestAllocation.load())));
    QCOMPARE(l.boxes.asked.size(), 1);
    QCOMPARE(l.boxes.asked[0].title, ReadTitle);
    QCOMPARE(l.boxes.asked[0].text, DamagedText);
    QCOMPARE(l.boxes.asked[0].icon, Icon::Critical);
    QCOMPARE(l.boxes.asked[0].buttons, Buttons::Ok);
    compareStates(l.snapshot(1), before);
    QVERIFY(rowsChanged.isEmpty());

    // Among several files opened at once the message must say which one it is.
    l.boxes.willAnswer(MessageBoxPort::Answer::Ok);
    const QString path = l.path(QStringLiteral("open.qkp"));
    QVERIFY(!l.store.openListFile(path, ClipListStore::Naming::EveryMessage));
    QCOMPARE(l.boxes.asked.size(), 2);
    QCOMPARE(l.boxes.asked[1].text, QStringLiteral("ﾌｧｲﾙ名：") + path + lineBreak + lineBreak + DamagedText);
}

void TestClipListFile::countThatStillParsesIsDamage()
{
    // A text count cut from 5 to 1 leaves four NULs that read as an empty name: every string
    // parses, but the items end short of the block's end, where the closing value really is.
    Lists l;
    QByteArray bytes = l.save({{QStringLiteral("zero"), QString()}, {QStringLiteral("x") + QString(4, QChar(0)), QString()}});
    const Layout at(bytes);
    QCOMPARE(int32At(bytes, at.strings[2]), 5);
    putInt32(bytes, at.strings[2], 1);
    const ListState before = l.snapshot(1);
    l.boxes.willAnswer(MessageBoxPort::Answer::Ok);
    QVERIFY(!l.open(bytes));
    QCOMPARE(l.boxes.asked.size(), 1);
    QCOMPARE(l.boxes.asked[0].text, DamagedText);
    compareStates(l.snapshot(1), before);
}

void TestClipListFile::hugeFileIsJudgedWithoutReadingItWhole_data()
{
    QTest::addColumn<bool>("listBox");
    QTest::addColumn<QString>("message");
    QTest::newRow("not a clip list") << false << QStringLiteral("ﾌｧｲﾙ名%1") + lineBreak + lineBreak + DamagedText;
    QTest::newRow("an item text longer than the file") << true << DamagedText;
}

void TestClipListFile::hugeFileIsJudgedWithoutReadingItWhole()
{
    QFETCH(bool, listBox);
    QFETCH(QString, message);
    Lists l;
    QByteArray start;
    if (listBox) {
        start = l.save({{QStringLiteral("text"), QString()}});
        putInt32(start, Layout(start).strings[0], 2000000000);
    }
    // A gigabyte of holes: nothing is written to the disk, yet reading it whole would take as much memory.
    const QString path = l.path(QStringLiteral("huge.qkp"));
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        QCOMPARE(f.write(start), start.size());
        QVERIFY(f.resize(qint64(1) << 30));
    }
    const ListState before = l.snapshot(1);
    l.boxes.willAnswer(MessageBoxPort::Answer::Ok);
    s_largestAllocation = 0;
    QVERIFY(!l.store.openListFile(path));
    QVERIFY2(s_largestAllocation < LargeAllocation, QByteArray::number(qulonglong(s_largestAllocation.load())));
    QCOMPARE(l.boxes.asked.size(), 1);
    QCOMPARE(l.boxes.asked[0].text, QString(message).replace(QLatin1String("%1"), path));
    compareStates(l.snapshot(1), before);
}

void TestClipListFile::unreadableFileGivesTheSystemsReason_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("a folder") << QStringLiteral("folder");
    QTest::newRow("gone before it was opened") << QStringLiteral("missing");
    QTest::newRow("no read permission") << QStringLiteral("permission");
#ifdef Q_OS_LINUX
    QTest::newRow("a pipe nobody writes to") << QStringLiteral("pipe");
    QTest::newRow("a link to an endless device") << QStringLiteral("device");
#endif
}

void TestClipListFile::unreadableFileGivesTheSystemsReason()
{
    QFETCH(QString, kind);
    Lists l;
    const QString path = l.path(QStringLiteral("unreadable.qkp"));
    if (kind == "folder") {
        QVERIFY(QDir(l.dir.path()).mkdir(QStringLiteral("unreadable.qkp")));
    } else if (kind == "permission") {
#ifdef Q_OS_UNIX
        if (::geteuid() == 0)
            QSKIP("root reads a file whatever its permissions");
#endif
        l.save(Three, QStringLiteral("unreadable.qkp"));
        QVERIFY(QFile::setPermissions(path, QFileDevice::WriteOwner));
    }
#ifdef Q_OS_LINUX
    else if (kind == "pipe" || kind == "device") {
        QVERIFY(kind == "pipe" ? ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0
                               : QFile::link(QStringLiteral("/dev/zero"), path));
        alarm(20); // waiting on the pipe or reading the device without end ends the test
    }
#endif
    QString reason = QStringLiteral("ﾌｫﾙﾀﾞや装置などで、普通のﾌｧｲﾙではありません。");
    if (kind == "missing" || kind == "permission") {
        QFile probe(path);
        QVERIFY(!probe.open(QIODevice::ReadOnly));
        reason = probe.errorString();
    }

    const ListState before = l.snapshot(1);
    l.boxes.willAnswer(MessageBoxPort::Answer::Ok);
    QVERIFY(!l.store.openListFile(path));
#ifdef Q_OS_LINUX
    alarm(0);
#endif
    QCOMPARE(l.boxes.asked.size(), 1);
    QCOMPARE(l.boxes.asked[0].title, ReadTitle);
    QCOMPARE(l.boxes.asked[0].text,
             QStringLiteral("ﾌｧｲﾙ名：") + path + lineBreak + lineBreak + QStringLiteral("このﾌｧｲﾙを読み込めませんでした。") + lineBreak + reason);
    compareStates(l.snapshot(1), before);
    // Opening creates nothing.
    QCOMPARE(QFileInfo::exists(path), kind != "missing");
}

void TestClipListFile::fileNameIsTheOneStoredInTheFile()
{
    Lists l;
    l.save(Three, QStringLiteral("saved.qkp"));
    QCOMPARE(l.list(0).fileName, l.path(QStringLiteral("saved.qkp")));
    QVERIFY(QDir(l.dir.path()).mkdir(QStringLiteral("moved")));
    QVERIFY(QFile::rename(l.path(QStringLiteral("saved.qkp")), l.path(QStringLiteral("moved/copy.qkp"))));
    QVERIFY(l.store.openListFile(l.path(QStringLiteral("moved/copy.qkp"))));
    QCOMPARE(l.list(1).fileName, l.path(QStringLiteral("saved.qkp")));
}

void TestClipListFile::rowsFollowTheFilesAddDirectionAndLimit_data()
{
    QTest::addColumn<bool>("addAtBottom");
    QTest::addColumn<int>("limit");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QStringList>("words");
    const QStringList all = {"a", "b", "c", "d", "e"};
    QTest::newRow("top, room for all") << false << 100 << QStringList{"e", "名d", "c", "b", "a"} << all;
    QTest::newRow("bottom, room for all") << true << 100 << QStringList{"a", "b", "c", "名d", "e"} << all;
    QTest::newRow("top, limit 3") << false << 3 << QStringList{"e", "名d", "c"} << QStringList{"c", "d", "e"};
    QTest::newRow("bottom, limit 3") << true << 3 << QStringList{"c", "名d", "e"} << QStringList{"c", "d", "e"};
    QTest::newRow("bottom, limit 1") << true << 1 << QStringList{"e"} << QStringList{"e"};
}

void TestClipListFile::rowsFollowTheFilesAddDirectionAndLimit()
{
    QFETCH(bool, addAtBottom);
    QFETCH(int, limit);
    QFETCH(QStringList, rows);
    QFETCH(QStringList, words);
    Lists l;
    l.list(1).showLength = false;
    const QByteArray bytes = l.save({{"a", ""}, {"b", ""}, {"c", ""}, {"d", "名d"}, {"e", ""}});
    l.list(0).addAtBottom = addAtBottom;
    l.list(0).itemLimit = qint16(limit);
    QVERIFY(l.store.writeListFile(l.path(QStringLiteral("list.qkp")), ListNumber(0)));
    QVERIFY(l.store.openListFile(l.path(QStringLiteral("list.qkp"))));
    QCOMPARE(l.rows(PaneNumber(1)), rows);
    QCOMPARE(l.snapshot(1).words, words);
    QCOMPARE(l.items(1).rowCount(), l.items(1).count());
    for (qint16 r = 0; r < l.items(1).rowCount(); ++r) {
        const ClipItem &shown = l.items(1).at(l.items(1).itemOfRow(RowNumber(r)));
        QCOMPARE(shown.name.isEmpty() ? shown.text : shown.name, rows[r]);
    }
}

void TestClipListFile::supplementOnlyWhenTextWouldChange_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("supplement");
    QTest::newRow("CP932 text") << QStringLiteral("ｸﾘｯﾌﾟ～＼①ⅰ∵ 髙 ascii") << false;
    QTest::newRow("accents and emoji") << QStringLiteral("café 😀") << true;
    QTest::newRow("hangul") << QStringLiteral("한국어") << true;
    // These have a CP932 code, but one that reads back as another character.
    QTest::newRow("yen sign") << QStringLiteral("¥100") << true;
    QTest::newRow("wave dash") << QStringLiteral("10〜20") << true;
    QTest::newRow("minus sign") << QStringLiteral("−1") << true;
    QTest::newRow("replacement character") << QStringLiteral("\uFFFD") << true;
}

void TestClipListFile::supplementOnlyWhenTextWouldChange()
{
    QFETCH(QString, text);
    QFETCH(bool, supplement);
    Lists l;
    const QByteArray bytes = l.save({{QStringLiteral("plain"), QString()}, {text, QString()}});
    const Layout at(bytes);
    QCOMPARE(at.end < bytes.size(), supplement);
    if (supplement) {
        const QList<Entry> entries = supplementOf(bytes);
        QCOMPARE(entries.size(), 1);
        QCOMPARE(entries[0].field, qint16(ClipListFile::ItemText));
        QCOMPARE(entries[0].item, qint16(1));
        QCOMPARE(entries[0].text, text);
    }
    QVERIFY(l.open(bytes));
    QCOMPARE(l.snapshot(1).words, QStringList({QStringLiteral("plain"), text}));
}

void TestClipListFile::supplementCoversEveryField_data()
{
    QTest::addColumn<int>("field");
    QTest::newRow("list name") << int(ClipListFile::ListName);
    QTest::newRow("line-break text") << int(ClipListFile::LineBreakText);
    QTest::newRow("file path") << int(ClipListFile::FilePath);
    QTest::newRow("font") << int(ClipListFile::Font);
    QTest::newRow("item text") << int(ClipListFile::ItemText);
    QTest::newRow("item name") << int(ClipListFile::ItemName);
}

void TestClipListFile::supplementCoversEveryField()
{
    QFETCH(int, field);
    Lists l;
    const QString odd = QStringLiteral("Ωmega café 😀");
    QList<std::pair<QString, QString>> content = {{"zero", ""}, {"one", "named"}};
    QString name = QStringLiteral("list.qkp");
    switch (field) {
    case ClipListFile::ListName: l.list(0).name = odd; break;
    case ClipListFile::LineBreakText: l.list(0).lineBreakMark = odd; break;
    case ClipListFile::FilePath: name = odd + QStringLiteral(".qkp"); break;
    case ClipListFile::Font: l.list(0).fontName = odd; break;
    case ClipListFile::ItemText: content[1].first = odd; break;
    case ClipListFile::ItemName: content[1].second = odd; break;
    }
    const QByteArray bytes = l.save(content, name);
    QVERIFY(!bytes.isEmpty());
    const QList<Entry> entries = supplementOf(bytes);
    QCOMPARE(entries.size(), 1);
    QCOMPARE(int(entries[0].field), field);
    QCOMPARE(entries[0].item, qint16(field >= ClipListFile::ItemText ? 1 : -1));
    QCOMPARE(entries[0].text, field == ClipListFile::FilePath ? l.path(name) : odd);

    QVERIFY(l.open(bytes));
    QVERIFY(ClipListOptions::of(l.list(1)) == ClipListOptions::of(l.list(0)));
    QCOMPARE(l.snapshot(1).words, l.snapshot(0).words);
    QCOMPARE(l.snapshot(1).names, l.snapshot(0).names);
    QVERIFY(l.boxes.asked.isEmpty());
}

void TestClipListFile::supplementThatDoesNotFitIsIgnored_data()
{
    QTest::addColumn<QString>("damage");
    QTest::newRow("text edited by another program") << QStringLiteral("stale");
    QTest::newRow("cut short") << QStringLiteral("cut");
    QTest::newRow("length one more") << QStringLiteral("length");
    QTest::newRow("a byte after it") << QStringLiteral("trailing");
    QTest::newRow("entry of a missing item") << QStringLiteral("missingItem");
    QTest::newRow("item entry with item -1") << QStringLiteral("listItem");
    QTest::newRow("list field with an item number") << QStringLiteral("itemList");
    QTest::newRow("unknown field") << QStringLiteral("field");
    QTest::newRow("no entries") << QStringLiteral("noEntries");
    QTest::newRow("entry longer than the file") << QStringLiteral("units");
    QTest::newRow("other tag") << QStringLiteral("tag");
}

void TestClipListFile::supplementThatDoesNotFitIsIgnored()
{
    QFETCH(QString, damage);
    Lists l;
    const QString odd = QStringLiteral("café 😀");
    QByteArray bytes = l.save({{QStringLiteral("zero"), QString()}, {odd, QString()}, {QStringLiteral("two"), QString()}});
    const Layout at(bytes);
    const qsizetype s = at.end; // "QKU1", count, then the first entry: field, item, units
    QCOMPARE(supplementOf(bytes).size(), 1);
    QString asCp932 = QStringLiteral("caf? ??");
    if (damage == "stale") {
        const qsizetype text = bytes.indexOf("caf?");
        bytes[text] = 'k';
        asCp932[0] = 'k';
    } else if (damage == "cut") {
        bytes.chop(3);
    } else if (damage == "length") {
        putInt32(bytes, bytes.size() - 4, int32At(bytes, bytes.size() - 4) + 1);
    } else if (damage == "trailing") {
        bytes.append('\0');
    } else if (damage == "missingItem") {
        putInt(bytes, s + 10, 3);
    } else if (damage == "listItem") {
        putInt(bytes, s + 10, -1);
    } else if (damage == "itemList") {
        putInt(bytes, s + 8, ClipListFile::ListName);
    } else if (damage == "field") {
        putInt(bytes, s + 8, 6);
    } else if (damage == "noEntries") {
        putInt32(bytes, s + 4, 0);
    } else if (damage == "units") {
        putInt32(bytes, s + 12, 0x40000000);
    } else if (damage == "tag") {
        bytes[s + 3] = '2';
    }

    QVERIFY(l.open(bytes));
    QVERIFY(l.boxes.asked.isEmpty());
    QCOMPARE(l.snapshot(1).words, QStringList({QStringLiteral("zero"), asCp932, QStringLiteral("two")}));
}

void TestClipListFile::failedSaveKeepsFileAndName_data()
{
    QTest::addColumn<bool>("diskFull");
    QTest::newRow("folder is a file") << false;
#ifdef Q_OS_LINUX
    QTest::newRow("disk full") << true;
#endif
}

void TestClipListFile::failedSaveKeepsFileAndName()
{
    QFETCH(bool, diskFull);
    Lists l;
    l.list(0).fileName = QStringLiteral("/before/earlier.qkp");
    // The file the save would replace, and a plain file where the second case wants a folder.
    const QString blocker = l.path(QStringLiteral("blocker"));
    l.put(blocker, "not a folder");
    QString target = blocker + QStringLiteral("/list.qkp");
    if (diskFull) {
        target = l.path(QStringLiteral("list.qkp"));
        l.put(target, "the previous file");
    }
    const QByteArray blockerBefore = Lists::bytesOf(blocker);
    const QByteArray targetBefore = Lists::bytesOf(target);
    for (int i = 0; i < 200; ++i)
        l.items(0).addItem(QStringLiteral("%1 一行のｸﾘｯﾌﾟ text").arg(i));
    l.boxes.willAnswer(MessageBoxPort::Answer::Ok);

    bool saved = true;
    if (diskFull) {
#ifdef Q_OS_LINUX
        // Every byte past 1000 of any file is refused, as on a full disk.
        struct rlimit old {};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &old), 0);
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        struct rlimit limited = old;
        limited.rlim_cur = 1000;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &limited), 0);
        saved = l.store.writeListFile(target, ListNumber(0));
        setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, previousHandler);
#endif
    } else {
        saved = l.store.writeListFile(target, ListNumber(0));
    }

    QVERIFY(!saved);
    QCOMPARE(l.boxes.asked.size(), 1);
    const ScriptedMessageBoxes::Asked &box = l.boxes.asked[0];
    QCOMPARE(box.title, WriteTitle);
    QCOMPARE(box.icon, Icon::Critical);
    QCOMPARE(box.buttons, Buttons::Ok);
    const QString lead = QStringLiteral("ﾌｧｲﾙ名：") + target + lineBreak + lineBreak + QStringLiteral("このﾌｧｲﾙに保存できませんでした。") + lineBreak;
    QVERIFY2(box.text.startsWith(lead), qPrintable(box.text));
    const QString reason = box.text.mid(lead.size());
    QVERIFY(!reason.trimmed().isEmpty());
    QVERIFY(!reason.contains(lineBreak));
    QCOMPARE(l.list(0).fileName, QStringLiteral("/before/earlier.qkp"));
    QCOMPARE(Lists::bytesOf(blocker), blockerBefore);
    QCOMPARE(Lists::bytesOf(target), targetBefore);
    // No temporary file is left behind.
    QCOMPARE(QDir(l.dir.path()).entryList(QDir::Files | QDir::Hidden).size(), diskFull ? 2 : 1);
}

QTEST_GUILESS_MAIN(TestClipListFile)
#include "tst_cliplistfile.moc"
