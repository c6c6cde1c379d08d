// SPDX-License-Identifier: GPL-3.0-or-later
// The history database on a real file: each kind of change read back after a reopen, the files it
// refuses and leaves as they were, a write that fails kept and written by the retry, an earlier
// version's file converted, and deleted texts gone from every file.
#include "model/ModelTypes.h"
#include "storage/HistoryConversion.h"
#include "storage/HistoryDatabase.h"
#include "storage/HistoryWriter.h"

#include <QRandomGenerator>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sqlite3.h>
#include <sys/resource.h>

Q_DECLARE_METATYPE(HistoryBatch)
Q_DECLARE_METATYPE(HistoryDatabase::Opened)

namespace {
using Entry = ChangeJournal::Entry;

// Texts as the clipboard brings them: line breaks, a pair of UTF-16 units, half-width katakana.
const QString Odd = QStringLiteral("b\r\n\U0001F600ｶﾅ");

Entry written(quint32 list, quint64 item, qint64 rowKey, const QString &text, const QString &name = {},
             const QString &program = {}, const QString &html = {})
{
    return {Entry::Kind::ItemWritten, list, item, rowKey, text, name, program, html};
}

// HTML long enough to be kept compressed.
QString htmlOf(const QString &text)
{
    return QStringLiteral("<html><body>") + QStringLiteral("<p style=\"color: red\">%1</p>").arg(text).repeated(20)
           + QStringLiteral("</body></html>");
}

// Every option away from its default, so that a column left out or of the wrong type shows.
ListOptions optionsOf(quint32 list)
{
    ListOptions options;
    options.name = QStringLiteral("ﾘｽﾄ%1").arg(list);
    options.sameNameNumber = qint16(list);
    options.heightShare = 0.375f;
    options.itemLimit = 32767;
    options.captionByWidth = true;
    options.captionLength = 48;
    options.captionWidth = 200;
    options.lineBreakMark = QStringLiteral("↵");
    options.showLength = true;
    options.addAtBottom = true;
    options.addAtFocus = true;
    options.focusMode = FocusMode::Stays;
    options.fileName = QStringLiteral("/home/ユーザー/%1.qkp").arg(list);
    options.fontName = QStringLiteral("ＭＳ Ｐゴシック");
    options.fontSize = 10.5f;
    options.backColour = systemColour(5);
    options.textColour = 0x00ff8040;
    options.focusedBackColour = systemColour(13);
    options.focusedTextColour = 1;
    return options;
}

HistoryBatch::Layout layoutOf(const std::vector<quint32> &lists, const std::vector<HistoryBatch::Layout::Pane> &panes, int focused)
{
    HistoryBatch::Layout layout;
    for (quint32 list : lists)
        layout.lists.push_back({list, optionsOf(list)});
    layout.panes = panes;
    layout.focusedPane = focused;
    return layout;
}

// Two lists, the second shown above the first, which has the focus.
HistoryBatch firstBatch()
{
    HistoryBatch batch;
    batch.replaceAll = true;
    batch.entries = {written(7, 1, 10, QStringLiteral("a"), {}, {}, htmlOf(QStringLiteral("a"))), written(7, 2, 20, Odd),
                     written(9, 3, 5, QStringLiteral("c"), {}, QStringLiteral("xterm"))};
    batch.layout = layoutOf({7, 9}, {{9, 0.25f}, {7, 0.75f}}, 1);
    return batch;
}

// The lists in order with their items (id=text/name@row key, then <program> when known and +html
// when the item's HTML is that of its text), then the panes top to bottom.
QString described(const KeptHistory &kept)
{
    QStringList parts;
    for (const KeptHistory::List &list : kept.lists) {
        QString part = QString::number(list.id) + QLatin1Char(':');
        for (size_t at = 0; at < list.items.size(); ++at) {
            const ClipItem &item = list.items[at];
            part += QStringLiteral(" %1=%2/%3@%4").arg(item.id).arg(item.text, item.name).arg(list.rowKeys[at]);
            if (!item.program.isEmpty())
                part += QLatin1Char('<') + item.program + QLatin1Char('>');
            if (!item.html.isEmpty())
                part += item.html == htmlOf(item.text) ? QStringLiteral("+html") : QStringLiteral("+other html");
        }
        parts << part;
    }
    QString panes = QStringLiteral("panes");
    for (size_t at = 0; at < kept.panes.size(); ++at) {
        panes += QStringLiteral(" %1:%2").arg(kept.lists[kept.panes[at].list].id).arg(kept.panes[at].heightShare);
        if (at == kept.focusedPane)
            panes += QLatin1Char('*');
    }
    return (parts << panes).join(QLatin1String(" | "));
}

// Reopens the database at `path` as the next run does and reads what it kept.
QString readBack(const QString &path)
{
    HistoryDatabase database;
    if (database.open(path) != HistoryDatabase::Opened::Existing)
        return QStringLiteral("not reopened: ") + database.errorString();
    const std::optional<KeptHistory> kept = database.read();
    if (!kept)
        return QStringLiteral("not read: ") + database.errorString();
    for (const KeptHistory::List &list : kept->lists) {
        if (list.options != optionsOf(list.id))
            return QStringLiteral("options of list %1 differ").arg(list.id);
    }
    return described(*kept);
}

bool runSql(const QString &path, const char *sql)
{
    sqlite3 *db = nullptr;
    const bool done = sqlite3_open(QFile::encodeName(path).constData(), &db) == SQLITE_OK
                      && sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
    return sqlite3_close(db) == SQLITE_OK && done;
}

// Letters no compression can shrink much.
QString randomLetters(qsizetype size)
{
    QRandomGenerator random(7);
    QString text(size, Qt::Uninitialized);
    for (QChar &letter : text)
        letter = QChar(u'a' + random.bounded(26));
    return text;
}

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Until the guard goes, no file of the process grows more than `room` bytes past the largest of
// the database's files, as on a full disk. Unlike a read-only file this holds for an open file
// and for root too.
auto diskFullAfter(const QString &path, qint64 room)
{
    const qint64 largest = std::max(QFileInfo(path).size(), QFileInfo(path + QStringLiteral("-wal")).size());
    rlimit before{};
    if (::getrlimit(RLIMIT_FSIZE, &before) != 0)
        qFatal("no file size limit");
    rlimit full = before;
    full.rlim_cur = rlim_t(largest + room);
    // The write then fails with EFBIG instead of ending the process.
    const auto signalBefore = std::signal(SIGXFSZ, SIG_IGN);
    if (::setrlimit(RLIMIT_FSIZE, &full) != 0)
        qFatal("the file size limit cannot be set");
    return qScopeGuard([before, signalBefore] {
        if (::setrlimit(RLIMIT_FSIZE, &before) != 0)
            qFatal("the file size limit stays");
        std::signal(SIGXFSZ, signalBefore);
    });
}
} // namespace

class TestHistoryDatabase : public QObject {
    Q_OBJECT
private slots:
    void changesReadBack_data();
    void changesReadBack();
    void refusedFilesAreLeftAsTheyWere_data();
    void refusedFilesAreLeftAsTheyWere();
    void failedWriteIsKeptAndRetried();
    void olderVersionIsConverted_data();
    void olderVersionIsConverted();
    void deletedTextIsInNoFile();
    void freeSpaceIsGivenBackWhenQuiet();
};

void TestHistoryDatabase::changesReadBack_data()
{
    QTest::addColumn<HistoryBatch>("later");
    QTest::addColumn<QString>("kept");
    const auto batch = [](std::vector<Entry> entries) {
        HistoryBatch later;
        later.entries = std::move(entries);
        return later;
    };
    const QString panes = QStringLiteral(" | panes 9:0.25 7:0.75*");
    QTest::newRow("nothing more") << HistoryBatch() << QStringLiteral("7: 1=a/@10+html 2=%1/@20 | 9: 3=c/@5<xterm>").arg(Odd) + panes;
    QTest::newRow("named") << batch({written(7, 1, 10, QStringLiteral("a"), QStringLiteral("Ay"))})
                           << QStringLiteral("7: 1=a/Ay@10 2=%1/@20 | 9: 3=c/@5<xterm>").arg(Odd) + panes;
    QTest::newRow("moved to another list") << batch({written(9, 1, 1, QStringLiteral("a"))})
                                           << QStringLiteral("7: 2=%1/@20 | 9: 1=a/@1 3=c/@5<xterm>").arg(Odd) + panes;
    QTest::newRow("row key changed") << batch({{Entry::Kind::RowKeyChanged, 0, 2, 30, {}, {}}})
                                     << QStringLiteral("7: 1=a/@10+html 2=%1/@30 | 9: 3=c/@5<xterm>").arg(Odd) + panes;
    QTest::newRow("dropped") << batch({{Entry::Kind::ItemDropped, 0, 1, 0, {}, {}}})
                             << QStringLiteral("7: 2=%1/@20 | 9: 3=c/@5<xterm>").arg(Odd) + panes;
    QTest::newRow("list emptied") << batch({{Entry::Kind::ListEmptied, 7, 0, 0, {}, {}}}) << QStringLiteral("7: | 9: 3=c/@5<xterm>") + panes;
    HistoryBatch anew = batch({written(9, 4, 0, QStringLiteral("d"))});
    anew.replaceAll = true;
    QTest::newRow("every item anew") << anew << QStringLiteral("7: | 9: 4=d/@0") + panes;
    // Enough compressed texts to be unpacked on several threads.
    HistoryBatch many;
    QString manyKept = QStringLiteral("7: 1=a/@10+html 2=%1/@20 | 9: 3=c/@5<xterm>").arg(Odd);
    for (quint64 item = 100; item < 1100; ++item) {
        const QString text = randomLetters(300) + QString::number(item);
        many.entries.push_back(written(9, item, qint64(item), text));
        manyKept += QStringLiteral(" %1=%2/@%1").arg(item).arg(text);
    }
    QTest::newRow("many long items") << many << manyKept + panes;
    HistoryBatch layout;
    layout.layout = layoutOf({9, 7}, {{7, 1}}, 0);
    QTest::newRow("layout") << layout << QStringLiteral("9: 3=c/@5<xterm> | 7: 1=a/@10+html 2=%1/@20 | panes 7:1*").arg(Odd);
}

void TestHistoryDatabase::changesReadBack()
{
    QFETCH(HistoryBatch, later);
    QFETCH(QString, kept);
    QTemporaryDir folder;
    const QString path = folder.filePath(HistoryDatabase::fileName());
    {
        HistoryDatabase database;
        QCOMPARE(database.open(path), HistoryDatabase::Opened::Created);
        QVERIFY2(database.write(firstBatch()), qPrintable(database.errorString()));
        QVERIFY2(database.write(later), qPrintable(database.errorString()));
    }
    QCOMPARE(readBack(path), kept);
}

void TestHistoryDatabase::refusedFilesAreLeftAsTheyWere_data()
{
    // SQL run on a good history, or "pages", "foreign", "folder".
    QTest::addColumn<QString>("damage");
    QTest::addColumn<HistoryDatabase::Opened>("opened");
    QTest::addColumn<QString>("why");
    QTest::newRow("pages damaged past the first") << "pages" << HistoryDatabase::Opened::Unusable << QString();
    // After a clean end the start reads the pages instead of checking them first: SQLite's own
    // checks of each page read find the damage.
    QTest::newRow("an item's page damaged after a clean end") << "item page" << HistoryDatabase::Opened::Existing << QString();
    QTest::newRow("a newer version's") << QStringLiteral("PRAGMA user_version = %1").arg(HistoryDatabase::SchemaVersion + 1) << HistoryDatabase::Opened::Unusable
                                       << QStringLiteral("新しいﾊﾞｰｼﾞｮﾝで作成されたﾌｧｲﾙです。");
    QTest::newRow("another program's database") << "foreign" << HistoryDatabase::Opened::Unusable
                                                 << QStringLiteral("履歴ﾌｧｲﾙではありません。");
    QTest::newRow("a folder in its place") << "folder" << HistoryDatabase::Opened::Unusable
                                           << QStringLiteral("通常のﾌｧｲﾙではありません。");
    // Opens, but what it holds does not hold together: two focused panes.
    QTest::newRow("lists that do not fit") << "UPDATE panes SET focused = 1" << HistoryDatabase::Opened::Existing
                                           << QStringLiteral("ﾌｧｲﾙの内容が壊れています。");
}

void TestHistoryDatabase::refusedFilesAreLeftAsTheyWere()
{
    QFETCH(QString, damage);
    QFETCH(HistoryDatabase::Opened, opened);
    QFETCH(QString, why);
    QTemporaryDir folder;
    const QString path = folder.filePath(HistoryDatabase::fileName());
    if (damage == QLatin1String("folder")) {
        QVERIFY(QDir(folder.path()).mkdir(HistoryDatabase::fileName()));
    } else if (damage == QLatin1String("foreign")) {
        QVERIFY(runSql(path, "CREATE TABLE notes(id INTEGER PRIMARY KEY, text TEXT); INSERT INTO notes(text) VALUES('mine')"));
    } else {
        {
            HistoryDatabase database;
            QCOMPARE(database.open(path), HistoryDatabase::Opened::Created);
            QVERIFY(database.write(firstBatch()));
            QVERIFY(database.markCleanEnd());
        }
        if (damage == QLatin1String("item page")) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadWrite));
            const qsizetype at = file.readAll().indexOf(Odd.toUtf8());
            QVERIFY(at > 0);
            QVERIFY(file.seek(at / 4096 * 4096));
            file.write(QByteArray(4096, '\x5a'));
        } else if (damage == QLatin1String("pages")) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadWrite) && file.size() > 8192);
            QVERIFY(file.seek(4096));
            file.write(QByteArray(file.size() - 4096, '\x5a'));
        } else {
            QVERIFY(runSql(path, damage.toUtf8().constData()));
        }
    }
    QVERIFY(!QFileInfo::exists(path + QStringLiteral("-wal")));
    const QByteArray bytes = bytesOf(path);
    {
        HistoryDatabase database;
        QCOMPARE(database.open(path), opened);
        if (opened == HistoryDatabase::Opened::Existing)
            QVERIFY(!database.read());
        QVERIFY2(!database.errorString().isEmpty() || opened != HistoryDatabase::Opened::Existing, "read() is not refused");
        if (!why.isEmpty())
            QCOMPARE(database.errorString(), why);
    }
    // Nothing lost: set aside later, the file is as it was.
    QCOMPARE(bytesOf(path), bytes);
    QVERIFY(!QFileInfo::exists(path + QStringLiteral("-wal")));
}

void TestHistoryDatabase::failedWriteIsKeptAndRetried()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(HistoryDatabase::fileName());
    {
        auto database = std::make_unique<HistoryDatabase>();
        QCOMPARE(database->open(path), HistoryDatabase::Opened::Created);
        HistoryWriter writer(std::move(database));
        QSignalSpy failed(&writer, &HistoryWriter::failed);
        writer.write(firstBatch());
        QVERIFY(failed.isEmpty());

        // A big item and the focus moved, then an item that comes while the first waits.
        HistoryBatch big;
        const QString bigText = randomLetters(256 * 1024);
        big.entries = {written(9, 5, 6, bigText)};
        big.layout = layoutOf({7, 9}, {{9, 0.25f}, {7, 0.75f}}, 0);
        HistoryBatch later;
        later.entries = {written(7, 6, 30, QStringLiteral("later"))};
        bool writtenWhileFull = true;
        {
            const auto full = diskFullAfter(path, 64 * 1024);
            writer.write(std::move(big));
            writer.write(std::move(later));
            writtenWhileFull = writer.writePending();
        }
        QVERIFY(!writtenWhileFull);
        // Told once for the run of failures.
        QCOMPARE(failed.size(), 1);
        QVERIFY(!failed.first().first().toString().isEmpty());
        QVERIFY2(writer.writePending(), qPrintable(writer.errorString()));
    }
    const QString kept = readBack(path);
    QCOMPARE(kept, QStringLiteral("7: 1=a/@10+html 2=%1/@20 6=later/@30 | 9: 3=c/@5<xterm> 5=%2/@6 | panes 9:0.25* 7:0.75").arg(Odd, randomLetters(256 * 1024)));
}

void TestHistoryDatabase::olderVersionIsConverted_data()
{
    QTest::addColumn<int>("version");
    QTest::addColumn<bool>("diskFull");
    QTest::newRow("UTF-16 converted") << 1 << false;
    QTest::newRow("UTF-16, no room for the new file: the old one stays") << 1 << true;
    QTest::newRow("without programs, upgraded in place") << 2 << false;
    QTest::newRow("without programs, no room: the old one stays") << 2 << true;
}

void TestHistoryDatabase::olderVersionIsConverted()
{
    QFETCH(int, version);
    QFETCH(bool, diskFull);
    // Written by earlier versions: the first kept text as UTF-16, the second (the same lists, which
    // it converted) kept no programs. Three lists, one empty and hidden, rows in another order than
    // the items, a focused pane below another.
    QTemporaryDir folder;
    const QString path = folder.filePath(HistoryDatabase::fileName());
    QVERIFY(QFile::copy(QStringLiteral(QK_TEST_DATA_DIR "/history-v%1.sqlite3").arg(version), path));
    QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    const QByteArray before = bytesOf(path);
    QString longText;
    for (int i = 0; longText.size() < 3000; ++i)
        longText += QStringLiteral("長い項目 %1 long item\r\n").arg(i);
    const QString expected = QStringLiteral("7: 11=最初の項目/@3000 12=二行の\r\n項目 🐈 ﾃｷｽﾄ/名前付き@1000 15=%1/@2000 16= /空白@4000"
                                            " | 4: | 9: 20=plain ASCII text/@1000 | panes 9:0.4 7:0.6*").arg(longText);
    ListOptions first;
    first.name = QStringLiteral("ﾘｽﾄ1");
    first.heightShare = 0.6f;
    first.itemLimit = 500;
    first.captionLength = 40;
    first.captionWidth = 120;
    first.lineBreakMark = QStringLiteral("↵");
    first.showLength = true;
    first.addAtFocus = true;
    first.focusMode = FocusMode(1);
    first.fileName = QStringLiteral("/home/user/ﾒﾓ.qkp");
    first.fontName = QStringLiteral("ＭＳ ゴシック");
    first.fontSize = 10.5f;
    first.backColour = 0xFFFFFF;
    first.focusedBackColour = 0x800000;
    first.focusedTextColour = 0xFFFFFF;
    ListOptions empty = first;
    empty.name = QStringLiteral("空");
    empty.heightShare = -1;
    empty.itemLimit = 1;
    ListOptions second = first;
    second.name = QStringLiteral("仕事");
    second.sameNameNumber = 2;
    second.heightShare = 0.4f;
    second.itemLimit = 32767;
    second.captionByWidth = true;
    second.addAtBottom = true;
    second.addAtFocus = false;
    second.focusMode = FocusMode(2);
    second.fileName.clear();
    second.fontSize = 9;
    second.backColour = 0x102030;

    HistoryDatabase database;
    QCOMPARE(database.open(path), HistoryDatabase::Opened::Older);
    const std::optional<KeptHistory> kept = database.read();
    QVERIFY(kept);
    QCOMPARE(described(*kept), expected);
    QString why;
    bool converted = false;
    {
        const auto full = diskFull ? std::optional(diskFullAfter(QString(), 0)) : std::nullopt;
        converted = HistoryConversion::convert(database, *kept, path, why);
    }
    database.close();
    QCOMPARE(converted, !diskFull);
    QVERIFY(!QFileInfo::exists(HistoryConversion::convertingPath(path)));
    if (diskFull) {
        QVERIFY(!why.isEmpty());
        QCOMPARE(bytesOf(path), before);
        QCOMPARE(database.open(path), HistoryDatabase::Opened::Older);
        return;
    }
    QCOMPARE(database.open(path), HistoryDatabase::Opened::Existing);
    const std::optional<KeptHistory> now = database.read();
    QVERIFY(now);
    QCOMPARE(described(*now), expected);
    QCOMPARE(now->lists[0].options, first);
    QCOMPARE(now->lists[1].options, empty);
    QCOMPARE(now->lists[2].options, second);
    // The file now keeps where what is captured next came from.
    HistoryBatch later;
    later.entries = {written(9, 21, 2000, QStringLiteral("new"), {}, QStringLiteral("xclip"))};
    QVERIFY2(database.write(later), qPrintable(database.errorString()));
    database.close();
    QCOMPARE(database.open(path), HistoryDatabase::Opened::Existing);
    QVERIFY(described(*database.read()).contains(QStringLiteral("20=plain ASCII text/@1000 21=new/@2000<xclip> |")));
    QCOMPARE(QFileInfo(path).permissions() & (QFileDevice::ReadOther | QFileDevice::ReadGroup), QFileDevice::Permissions());
}

void TestHistoryDatabase::deletedTextIsInNoFile()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(HistoryDatabase::fileName());
    const QString secret = QStringLiteral("password: hunter2");
    const auto anyFileHolds = [&](const QByteArray &bytes) {
        for (const QLatin1String suffix : {QLatin1String(""), QLatin1String("-wal"), QLatin1String("-shm")}) {
            if (bytesOf(path + suffix).contains(bytes))
                return true;
        }
        return false;
    };
    HistoryDatabase database;
    QCOMPARE(database.open(path), HistoryDatabase::Opened::Created);
    QVERIFY(database.write(firstBatch()));
    HistoryBatch copied;
    copied.entries = {written(7, 8, 40, secret)};
    QVERIFY(database.write(copied));
    QVERIFY(anyFileHolds(secret.toUtf8()));
    // Copies after it, as a run goes on, then the item deleted; and one named, then renamed.
    for (quint64 item = 9; item < 49; ++item) {
        HistoryBatch later;
        later.entries = {written(7, item, qint64(item) * 10, randomLetters(300) + QString::number(item))};
        QVERIFY(database.write(later));
    }
    HistoryBatch deleted;
    deleted.entries = {{Entry::Kind::ItemDropped, 0, 8, 0, {}, {}}, written(9, 3, 5, QStringLiteral("c"), QStringLiteral("old name"))};
    QVERIFY(database.write(deleted));
    HistoryBatch renamed;
    renamed.entries = {written(9, 3, 5, QStringLiteral("c"), QStringLiteral("new name"))};
    QVERIFY(database.write(renamed));
    // While the program still has the file open, as after a kill.
    QVERIFY(!anyFileHolds(secret.toUtf8()));
    QVERIFY(!anyFileHolds("old name"));
    QVERIFY(anyFileHolds("new name"));
}

void TestHistoryDatabase::freeSpaceIsGivenBackWhenQuiet()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(HistoryDatabase::fileName());
    {
        auto database = std::make_unique<HistoryDatabase>();
        QCOMPARE(database->open(path), HistoryDatabase::Opened::Created);
        HistoryWriter writer(std::move(database));
        writer.write(firstBatch());
        HistoryBatch big;
        big.entries = {written(9, 5, 6, randomLetters(4 << 20))};
        writer.write(std::move(big));
        const qint64 withBig = QFileInfo(path).size();
        QVERIFY(withBig > (2 << 20));
        HistoryBatch dropped;
        dropped.entries = {{Entry::Kind::ItemDropped, 0, 5, 0, {}, {}}};
        writer.write(std::move(dropped));
        // Not at once: a burst of captures may follow.
        QCOMPARE(QFileInfo(path).size(), withBig);
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(path).size() < 64 * 1024, HistoryWriter::QuietMs * 2);
        QVERIFY(writer.finish());
    }
    QCOMPARE(readBack(path), QStringLiteral("7: 1=a/@10+html 2=%1/@20 | 9: 3=c/@5<xterm> | panes 9:0.25 7:0.75*").arg(Odd));
}

QTEST_GUILESS_MAIN(TestHistoryDatabase)
#include "tst_historydatabase.moc"
