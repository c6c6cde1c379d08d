// SPDX-License-Identifier: GPL-3.0-or-later
// The history database on a real file: each kind of change read back after a reopen, the files it
// refuses and leaves as they were, and a write that fails kept and written by the retry.
#include "model/ModelTypes.h"
#include "storage/HistoryDatabase.h"
#include "storage/HistoryWriter.h"

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

Entry written(quint32 list, quint64 item, qint64 rowKey, const QString &text, const QString &name = {})
{
    return {Entry::Kind::ItemWritten, list, item, rowKey, text, name};
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
    batch.entries = {written(7, 1, 10, QStringLiteral("a")), written(7, 2, 20, Odd), written(9, 3, 5, QStringLiteral("c"))};
    batch.layout = layoutOf({7, 9}, {{9, 0.25f}, {7, 0.75f}}, 1);
    return batch;
}

// The lists in order with their items (id=text/name@row key), then the panes top to bottom.
QString described(const KeptHistory &kept)
{
    QStringList parts;
    for (const KeptHistory::List &list : kept.lists) {
        QString part = QString::number(list.id) + QLatin1Char(':');
        for (size_t at = 0; at < list.items.size(); ++at) {
            const ClipItem &item = list.items[at];
            part += QStringLiteral(" %1=%2/%3@%4").arg(item.id).arg(item.text, item.name).arg(list.rowKeys[at]);
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
    QTest::newRow("nothing more") << HistoryBatch() << QStringLiteral("7: 1=a/@10 2=%1/@20 | 9: 3=c/@5").arg(Odd) + panes;
    QTest::newRow("named") << batch({written(7, 1, 10, QStringLiteral("a"), QStringLiteral("Ay"))})
                           << QStringLiteral("7: 1=a/Ay@10 2=%1/@20 | 9: 3=c/@5").arg(Odd) + panes;
    QTest::newRow("moved to another list") << batch({written(9, 1, 1, QStringLiteral("a"))})
                                           << QStringLiteral("7: 2=%1/@20 | 9: 1=a/@1 3=c/@5").arg(Odd) + panes;
    QTest::newRow("row key changed") << batch({{Entry::Kind::RowKeyChanged, 0, 2, 30, {}, {}}})
                                     << QStringLiteral("7: 1=a/@10 2=%1/@30 | 9: 3=c/@5").arg(Odd) + panes;
    QTest::newRow("dropped") << batch({{Entry::Kind::ItemDropped, 0, 1, 0, {}, {}}})
                             << QStringLiteral("7: 2=%1/@20 | 9: 3=c/@5").arg(Odd) + panes;
    QTest::newRow("list emptied") << batch({{Entry::Kind::ListEmptied, 7, 0, 0, {}, {}}}) << QStringLiteral("7: | 9: 3=c/@5") + panes;
    HistoryBatch anew = batch({written(9, 4, 0, QStringLiteral("d"))});
    anew.replaceAll = true;
    QTest::newRow("every item anew") << anew << QStringLiteral("7: | 9: 4=d/@0") + panes;
    HistoryBatch layout;
    layout.layout = layoutOf({9, 7}, {{7, 1}}, 0);
    QTest::newRow("layout") << layout << QStringLiteral("9: 3=c/@5 | 7: 1=a/@10 2=%1/@20 | panes 7:1*").arg(Odd);
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
    QTest::newRow("a newer version's") << "PRAGMA user_version = 2" << HistoryDatabase::Opened::Unusable
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
        }
        if (damage == QLatin1String("pages")) {
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
        QVERIFY(!database.errorString().isEmpty());
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
        big.entries = {written(9, 5, 6, QString(256 * 1024, QLatin1Char('x')))};
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
    QVERIFY2(kept.startsWith(QStringLiteral("7: 1=a/@10 2=%1/@20 6=later/@30 | 9: 3=c/@5 5=xxxx").arg(Odd)), qPrintable(kept.left(100)));
    QVERIFY2(kept.endsWith(QStringLiteral("/@6 | panes 9:0.25* 7:0.75")), qPrintable(kept.right(100)));
    QCOMPARE(kept.count(QLatin1Char('x')), 256 * 1024);
}

QTEST_GUILESS_MAIN(TestHistoryDatabase)
#include "tst_historydatabase.moc"
