// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/HistoryDatabase.h"

#include "model/ModelTypes.h"
#include "storage/HistoryText.h"
#include "storage/OwnerOnlyFiles.h"
#include "storage/PackedTexts.h"

#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QSet>
#include <sqlite3.h>

#include <array>
#include <optional>
#include <type_traits>

namespace {
// Columns later versions added to the items table, with the version that added each: an earlier
// file gains them in place (HistoryDatabase::upgradeInPlace).
struct AddedColumn {
    int version;
    const char *sql;
};
constexpr AddedColumn AddedItemColumns[] = {{3, "program TEXT NOT NULL DEFAULT ''"}, {4, "html TEXT NOT NULL DEFAULT ''"}};

// The list options' columns, in the lists table's order after id and position.
template <typename Visit>
void visitOptionColumns(Visit &&visit)
{
    using L = ListOptions;
    visit(&L::name, "name");
    visit(&L::sameNameNumber, "same_name_number");
    visit(&L::heightShare, "height_share");
    visit(&L::itemLimit, "item_limit");
    visit(&L::captionByWidth, "caption_by_width");
    visit(&L::captionLength, "caption_length");
    visit(&L::captionWidth, "caption_width");
    visit(&L::lineBreakMark, "line_break_mark");
    visit(&L::showLength, "show_length");
    visit(&L::addAtBottom, "add_at_bottom");
    visit(&L::addAtFocus, "add_at_focus");
    visit(&L::focusMode, "focus_mode");
    visit(&L::fileName, "file_name");
    visit(&L::fontName, "font_name");
    visit(&L::fontSize, "font_size");
    visit(&L::backColour, "back_colour");
    visit(&L::textColour, "text_colour");
    visit(&L::focusedBackColour, "focused_back_colour");
    visit(&L::focusedTextColour, "focused_text_colour");
}

QByteArray listsTableSql()
{
    QByteArray sql = "CREATE TABLE lists(id INTEGER PRIMARY KEY, position INTEGER NOT NULL";
    visitOptionColumns([&](auto field, const char *column) {
        using T = std::remove_reference_t<decltype(std::declval<ListOptions>().*field)>;
        sql += ", " + QByteArray(column) + (std::is_same_v<T, QString> ? " TEXT" : std::is_same_v<T, float> ? " REAL" : " INTEGER")
               + " NOT NULL";
    });
    return sql + ")";
}

// The tables a version of the program makes, in order. An item's text is UTF-8 text, or a BLOB
// holding a compressed frame of it (HistoryText); version 1 kept UTF-16 text only. Version 2 added
// whether the last run ended cleanly (one row: 0 from a run's first write to its clean end), and
// dropped the index of items by list: reading the lists at the start then reads every page there
// is, and clearing a list, which scans the items instead, is rare. Version 3 added the program each
// item was copied from, version 4 the HTML copied with its text (kept as its text is).
QList<QByteArray> schemaStatements(int version)
{
    QByteArray items = "CREATE TABLE items(id INTEGER PRIMARY KEY, list_id INTEGER NOT NULL,"
                       " row_key INTEGER NOT NULL, text TEXT NOT NULL, name TEXT NOT NULL";
    for (const AddedColumn &column : AddedItemColumns) {
        if (column.version <= version)
            items += ", " + QByteArray(column.sql);
    }
    QList<QByteArray> statements = {listsTableSql(), items + ")",
                                    "CREATE TABLE panes(position INTEGER PRIMARY KEY, list_id INTEGER NOT NULL,"
                                    " height_share REAL NOT NULL, focused INTEGER NOT NULL)"};
    if (version == 1)
        statements += "CREATE INDEX items_of_list ON items(list_id)";
    else
        statements += {"CREATE TABLE runs(ended_cleanly INTEGER NOT NULL)", "INSERT INTO runs VALUES(0)"};
    return statements;
}

QByteArray insertListSql()
{
    QByteArray columns = "id, position";
    QByteArray values = "?, ?";
    visitOptionColumns([&](auto, const char *column) {
        columns += ", " + QByteArray(column);
        values += ", ?";
    });
    return "INSERT INTO lists(" + columns + ") VALUES(" + values + ")";
}

// The database and its journal files, which go with it.
constexpr QLatin1String FileSuffixes[] = {QLatin1String(""), QLatin1String("-wal"), QLatin1String("-shm")};

// The caller keeps utf8 until the statement has run.
void bindUtf8(sqlite3_stmt *statement, int column, const QByteArray &utf8)
{
    sqlite3_bind_text(statement, column, utf8.constData(), int(utf8.size()), SQLITE_STATIC);
}

QString columnText(sqlite3_stmt *statement, int column)
{
    const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(statement, column));
    return text ? QString::fromUtf8(text, sqlite3_column_bytes(statement, column)) : QString();
}

template <typename T>
void bindValue(sqlite3_stmt *statement, int column, const T &value)
{
    if constexpr (std::is_same_v<T, QString>) {
        const QByteArray utf8 = value.toUtf8();
        sqlite3_bind_text(statement, column, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
    } else if constexpr (std::is_same_v<T, float>)
        sqlite3_bind_double(statement, column, double(value));
    else
        sqlite3_bind_int64(statement, column, qint64(value));
}

template <typename T>
void readValue(sqlite3_stmt *statement, int column, T &value)
{
    if constexpr (std::is_same_v<T, QString>)
        value = columnText(statement, column);
    else if constexpr (std::is_same_v<T, float>)
        value = float(sqlite3_column_double(statement, column));
    else
        value = T(sqlite3_column_int64(statement, column));
}

// Runs a query row by row and finalises it.
class Query {
public:
    Query(sqlite3 *db, const char *sql) { m_status = sqlite3_prepare_v2(db, sql, -1, &m_statement, nullptr); }
    ~Query() { sqlite3_finalize(m_statement); }
    Query(const Query &) = delete;
    Query &operator=(const Query &) = delete;
    bool next()
    {
        if (m_status != SQLITE_OK && m_status != SQLITE_ROW)
            return false;
        m_status = sqlite3_step(m_statement);
        return m_status == SQLITE_ROW;
    }
    bool finished() const { return m_status == SQLITE_DONE; }
    sqlite3_stmt *operator*() const { return m_statement; }

private:
    sqlite3_stmt *m_statement = nullptr;
    int m_status;
};

// What a database's tables are made of, as one comparable text: its tables, indexes and triggers,
// each table's columns with their types, constraints and keys, and each index's columns. Names
// SQLite keeps for itself are left out, but not the indexes behind its keys. Empty on an error.
QByteArray schemaOf(sqlite3 *db)
{
    QByteArray schema;
    const auto add = [&](const char *sql) {
        Query query(db, sql);
        while (query.next()) {
            for (int column = 0; column < sqlite3_column_count(*query); ++column)
                schema += reinterpret_cast<const char *>(sqlite3_column_text(*query, column)) + QByteArray("|");
            schema += '\n';
        }
        return query.finished();
    };
    if (add("SELECT type, name, tbl_name FROM sqlite_master WHERE name NOT LIKE 'sqlite\\_%' ESCAPE '\\' ORDER BY name")
        && add("SELECT m.name, c.cid, c.name, c.type, c.\"notnull\", c.dflt_value, c.pk FROM sqlite_master m,"
               " pragma_table_info(m.name) c WHERE m.type = 'table' ORDER BY m.name, c.cid")
        && add("SELECT m.name, i.name, i.\"unique\", i.origin, i.partial, c.seqno, c.cid, c.name, c.\"desc\", c.coll, c.key"
               " FROM sqlite_master m, pragma_index_list(m.name) i, pragma_index_xinfo(i.name) c"
               " WHERE m.type = 'table' ORDER BY m.name, i.name, c.seqno"))
        return schema;
    return {};
}

// The schema a version of the program makes, from a database in memory.
QByteArray makeSchemaOf(int version)
{
    sqlite3 *db = nullptr;
    QByteArray schema;
    if (sqlite3_open_v2(":memory:", &db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK) {
        bool made = true;
        for (const QByteArray &sql : schemaStatements(version))
            made = made && sqlite3_exec(db, sql.constData(), nullptr, nullptr, nullptr) == SQLITE_OK;
        if (made)
            schema = schemaOf(db);
    }
    sqlite3_close(db);
    return schema;
}

// Made when first needed: a start meets an earlier version's file only once.
const QByteArray &expectedSchema(int version)
{
    static QMutex making;
    static std::array<std::optional<QByteArray>, HistoryDatabase::SchemaVersion + 1> made;
    const QMutexLocker locked(&making);
    std::optional<QByteArray> &schema = made.at(size_t(version));
    if (!schema)
        schema = makeSchemaOf(version);
    return *schema;
}
} // namespace

HistoryDatabase::~HistoryDatabase()
{
    close();
}

void HistoryDatabase::close()
{
    for (sqlite3_stmt *&statement : m_statements) {
        sqlite3_finalize(statement);
        statement = nullptr;
    }
    sqlite3_close(m_db);
    m_db = nullptr;
}

bool HistoryDatabase::fail()
{
    m_error = QString::fromUtf8(sqlite3_errmsg(m_db));
    m_diskFull = sqlite3_errcode(m_db) == SQLITE_FULL;
    return false;
}

std::optional<int> HistoryDatabase::number(const char *sql)
{
    Query query(m_db, sql);
    if (!query.next()) {
        fail();
        return std::nullopt;
    }
    return sqlite3_column_int(*query, 0);
}

bool HistoryDatabase::run(const char *sql)
{
    return sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr) == SQLITE_OK || fail();
}

HistoryDatabase::Opened HistoryDatabase::open(const QString &path)
{
    close();
    const QFileInfo info(path);
    const bool existed = info.exists() || info.isSymLink();
    if (existed && !info.isFile()) {
        m_error = QStringLiteral("通常のﾌｧｲﾙではありません。");
        return Opened::Unusable;
    }
    // Made readable by everyone by an earlier version.
    for (const QLatin1String suffix : FileSuffixes) {
        OwnerOnlyFiles::narrow(path + suffix);
        OwnerOnlyFiles::narrow(backupPath(path) + suffix);
    }
    // SQLite gives its journal files the database's permissions, and a database it makes the
    // system's default: a new one is made for the user only first.
    const bool made = !existed && OwnerOnlyFiles::makeEmptyFile(path);
    const Opened opened = openForWriting(path, existed);
    if (opened == Opened::CannotCreate && made)
        QFile::remove(path);
    if (opened != Opened::Unusable || !existed)
        return opened;
    // A file that reads whole but cannot be written (a read-only folder, say) still brings the lists back.
    const QString whyNotWritten = m_error;
    if (openForReading(path)) {
        m_error = whyNotWritten;
        return Opened::ReadOnly;
    }
    close();
    m_error = whyNotWritten;
    return Opened::Unusable;
}

bool HistoryDatabase::openForReading(const QString &path)
{
    // Without writing, SQLite cannot take in what a crash left in the journal, and would go by
    // the older state: such a file is not read here.
    if (QFileInfo(path + QLatin1String("-wal")).size() > 0)
        return false;
    // Immutable: no journal or lock file is looked for or made beside it.
    const QByteArray uri = "file:" + QFile::encodeName(path).toPercentEncoding("/") + "?immutable=1";
    if (sqlite3_open_v2(uri.constData(), &m_db, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, nullptr) != SQLITE_OK)
        return false;
    const std::optional<int> schema = number("PRAGMA user_version");
    m_version = schema.value_or(0);
    return schema && checkSchema(*schema);
}

HistoryDatabase::Opened HistoryDatabase::openForWriting(const QString &path, bool existed)
{
    // What a failed step means: another program's lock, or a file that cannot be used or made.
    const auto problem = [&] {
        const int code = m_db ? sqlite3_errcode(m_db) : SQLITE_CANTOPEN;
        if (m_error.isEmpty())
            fail();
        close();
        return code == SQLITE_BUSY || code == SQLITE_LOCKED ? Opened::InUse
               : existed                                    ? Opened::Unusable
                                                            : Opened::CannotCreate;
    };
    m_error.clear();
    if (sqlite3_open_v2(QFile::encodeName(path).constData(), &m_db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr)
        != SQLITE_OK)
        return problem();
    if (sqlite3_db_readonly(m_db, "main") == 1) {
        m_error = QStringLiteral("書き込みが許可されていません。");
        return problem();
    }
    sqlite3_busy_timeout(m_db, 1000);
    // For a new file: UTF-8, the compact encoding for what users copy, and free pages given back to
    // the file system when asked (giveBackFreeSpace). An existing file is not written before it is judged.
    if (!existed)
        run("PRAGMA encoding='UTF-8'") && run("PRAGMA auto_vacuum=INCREMENTAL");
    // Held for the run: a second program cannot write it too. The lock goes with the process, so a
    // crash leaves none behind.
    // Deleted items are wiped from the pages they leave, and the journal is cut back after each
    // checkpoint, so that no copy of them stays behind.
    // Each cell read is checked against its page's bounds: damage the start-up's quick check did not
    // look for is found as the lists are read.
    if (!run("PRAGMA locking_mode=EXCLUSIVE") || !run("PRAGMA secure_delete=ON") || !run("PRAGMA synchronous=FULL")
        || !run("PRAGMA journal_size_limit=0") || !run("PRAGMA cell_size_check=ON"))
        return problem();
    const std::optional<int> schema = number("PRAGMA user_version");
    const std::optional<int> tables = schema ? number("SELECT count(*) FROM sqlite_master") : std::nullopt;
    if (!tables)
        return problem();
    const bool created = *schema == 0 && *tables == 0;
    // Judged before anything is written to it: a file that is set aside stays as it was.
    if (!created && !checkSchema(*schema))
        return problem();
    if (!run("PRAGMA journal_mode=WAL") || (created && !makeSchema()))
        return problem();
    // Locked from now on, not only from the first write.
    if (!run("BEGIN EXCLUSIVE") || !run("COMMIT"))
        return problem();
    m_runNoted = false;
    m_version = created ? SchemaVersion : *schema;
    return created ? Opened::Created : *schema < SchemaVersion ? Opened::Older : Opened::Existing;
}

bool HistoryDatabase::makeSchema()
{
    bool made = run("BEGIN");
    for (const QByteArray &sql : schemaStatements(SchemaVersion))
        made = made && run(sql.constData());
    return made && run(QByteArray("PRAGMA user_version=" + QByteArray::number(SchemaVersion)).constData()) && run("COMMIT");
}

bool HistoryDatabase::upgradeInPlace()
{
    // Versions since 2 only added columns; anything older takes HistoryConversion's way.
    if (m_version < 2)
        return false;
    bool upgraded = run("BEGIN IMMEDIATE");
    for (const AddedColumn &column : AddedItemColumns) {
        if (column.version > m_version)
            upgraded = upgraded && run((QByteArray("ALTER TABLE items ADD COLUMN ") + column.sql).constData());
    }
    if (upgraded && run(QByteArray("PRAGMA user_version=" + QByteArray::number(SchemaVersion)).constData())
        && run("COMMIT")) {
        m_version = SchemaVersion;
        checkpoint();
        return true;
    }
    const QString why = m_error;
    sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
    m_error = why;
    return false;
}

bool HistoryDatabase::checkSchema(int version)
{
    if (version > SchemaVersion) {
        m_error = QStringLiteral("新しいﾊﾞｰｼﾞｮﾝで作成されたﾌｧｲﾙです。");
        return false;
    }
    if (version < 1) {
        m_error = QStringLiteral("履歴ﾌｧｲﾙではありません。");
        return false;
    }
    // A quick check reads every page, so damage anywhere shows now rather than at a later write. It
    // reads the whole file, so it is left out after a run that ended cleanly: reading the lists
    // then reads every page of every table, and SQLite checks each page it reads.
    if (!endedCleanly(version)) {
        Query check(m_db, "PRAGMA quick_check");
        if (!check.next())
            return fail();
        if (columnText(*check, 0) != QLatin1String("ok") || check.next()) {
            m_error = QStringLiteral("ﾌｧｲﾙが壊れています。");
            return false;
        }
    }
    // Tables without their keys or indexes would take the lists back but refuse every write.
    const QByteArray &expected = expectedSchema(version);
    if (expected.isEmpty() || schemaOf(m_db) != expected) {
        m_error = QStringLiteral("表の作りが、このﾌﾟﾛｸﾞﾗﾑの作るものと違います。");
        return false;
    }
    return true;
}

bool HistoryDatabase::endedCleanly(int version)
{
    if (version < 2)
        return false;
    // A missing or doubled row is the schema check's to report.
    Query runs(m_db, "SELECT ended_cleanly FROM runs");
    const bool ended = runs.next() && sqlite3_column_int(*runs, 0) == 1;
    return ended && !runs.next() && runs.finished();
}

bool HistoryDatabase::markCleanEnd()
{
    // A run that wrote nothing left the file as the last clean end did.
    if (!m_runNoted)
        return true;
    if (!run("UPDATE runs SET ended_cleanly = 1") || !checkpoint())
        return false;
    m_runNoted = false;
    return true;
}

bool HistoryDatabase::checkpoint()
{
    return sqlite3_wal_checkpoint_v2(m_db, "main", SQLITE_CHECKPOINT_TRUNCATE, nullptr, nullptr) == SQLITE_OK || fail();
}

bool HistoryDatabase::hasMuchFreeSpace()
{
    const std::optional<int> free = number("PRAGMA freelist_count");
    const std::optional<int> pages = free ? number("PRAGMA page_count") : std::nullopt;
    return pages && *free >= MuchFreePages && *free * 4 >= *pages;
}

bool HistoryDatabase::giveBackFreeSpace()
{
    return run("PRAGMA incremental_vacuum") && checkpoint();
}

std::optional<KeptHistory> HistoryDatabase::read(Unpacking unpacking)
{
    KeptHistory kept;
    QHash<quint32, size_t> listIndex;
    auto broken = [this](const QString &why) -> std::optional<KeptHistory> {
        m_error = why.isEmpty() ? QString::fromUtf8(sqlite3_errmsg(m_db)) : why;
        return std::nullopt;
    };
    const QString damaged = QStringLiteral("ﾌｧｲﾙの内容が壊れています。");

    QByteArray listsSql = "SELECT id";
    visitOptionColumns([&](auto, const char *column) { listsSql += ", " + QByteArray(column); });
    listsSql += " FROM lists ORDER BY position";
    Query lists(m_db, listsSql.constData());
    while (lists.next()) {
        KeptHistory::List list;
        list.id = quint32(sqlite3_column_int64(*lists, 0));
        int column = 1;
        visitOptionColumns([&](auto field, const char *) { readValue(*lists, column++, list.options.*field); });
        if (list.id == 0 || listIndex.contains(list.id) || kept.lists.size() >= size_t(MaxCount))
            return broken(damaged);
        listIndex.insert(list.id, kept.lists.size());
        kept.lists.push_back(std::move(list));
    }
    if (!lists.finished())
        return broken({});

    // In the table's own order, read from start to end: a list's items come in the order of their ids.
    // Columns an earlier version lacks read as empty.
    const QByteArray itemsSql = QByteArray("SELECT list_id, id, row_key, text, name, ") + (m_version >= 3 ? "program" : "''")
                                + ", " + (m_version >= 4 ? "html" : "''") + " FROM items ORDER BY id";
    Query items(m_db, itemsSql.constData());
    auto packed = std::make_shared<PackedTexts>();
    // The texts are no larger than the file: room for them at once spares copying them as they come.
    const std::optional<int> pages = number("PRAGMA page_count");
    const std::optional<int> pageSize = number("PRAGMA page_size");
    if (pages && pageSize)
        packed->reserve(qsizetype(*pages) * *pageSize);
    // HTML is rarer, and unpacked before the lists come back.
    PackedTexts packedHtml;
    // Most items come from a few programs: each name is held once.
    QSet<QString> programs;
    while (items.next()) {
        const auto found = listIndex.constFind(quint32(sqlite3_column_int64(*items, 0)));
        if (found == listIndex.cend())
            return broken(damaged);
        KeptHistory::List &list = kept.lists[*found];
        if (list.items.size() >= size_t(MaxCount))
            return broken(damaged);
        const bool compressed = sqlite3_column_type(*items, 3) == SQLITE_BLOB;
        const bool htmlCompressed = sqlite3_column_type(*items, 6) == SQLITE_BLOB;
        QString program = columnText(*items, 5);
        if (!program.isEmpty())
            program = *programs.insert(program);
        list.items.push_back(ClipItem{compressed ? QString() : columnText(*items, 3), columnText(*items, 4),
                                      quint64(sqlite3_column_int64(*items, 1)), std::move(program),
                                      htmlCompressed ? QString() : columnText(*items, 6)});
        // A deque keeps its elements where they are as it grows.
        if (compressed) {
            list.packedTexts.resize(list.items.size() - 1, -1);
            list.packedTexts.push_back(packed->add(static_cast<const char *>(sqlite3_column_blob(*items, 3)),
                                                   sqlite3_column_bytes(*items, 3), list.items.back().text));
        }
        if (htmlCompressed)
            packedHtml.add(static_cast<const char *>(sqlite3_column_blob(*items, 6)), sqlite3_column_bytes(*items, 6),
                           list.items.back().html);
        list.rowKeys.push_back(sqlite3_column_int64(*items, 2));
    }
    if (!items.finished())
        return broken({});
    // A damaged frame of HTML leaves that item's HTML empty: its text, which matters, is there.
    if (!packedHtml.empty())
        packedHtml.unpack();
    if (unpacking == Unpacking::Now && !packed->unpack())
        return broken(damaged);
    if (unpacking == Unpacking::InBackground && !packed->empty()) {
        for (KeptHistory::List &list : kept.lists) {
            if (!list.packedTexts.empty())
                list.packedTexts.resize(list.items.size(), -1);
        }
        packed->start();
        kept.texts = std::move(packed);
    }

    Query panes(m_db, "SELECT list_id, height_share, focused FROM panes ORDER BY position");
    QSet<size_t> shown;
    int focused = 0;
    while (panes.next()) {
        const auto found = listIndex.constFind(quint32(sqlite3_column_int64(*panes, 0)));
        if (found == listIndex.cend() || shown.contains(*found))
            return broken(damaged);
        shown.insert(*found);
        if (sqlite3_column_int(*panes, 2) != 0) {
            kept.focusedPane = kept.panes.size();
            ++focused;
        }
        kept.panes.push_back({*found, float(sqlite3_column_double(*panes, 1))});
    }
    if (!panes.finished())
        return broken({});
    if (kept.panes.empty() || focused != 1)
        return broken(damaged);
    return kept;
}

sqlite3_stmt *HistoryDatabase::statement(Statement which, const char *sql)
{
    sqlite3_stmt *&statement = m_statements[which];
    if (!statement && sqlite3_prepare_v3(m_db, sql, -1, SQLITE_PREPARE_PERSISTENT, &statement, nullptr) != SQLITE_OK)
        return nullptr;
    sqlite3_reset(statement);
    sqlite3_clear_bindings(statement);
    return statement;
}

bool HistoryDatabase::writeEntry(const ChangeJournal::Entry &entry)
{
    using Kind = ChangeJournal::Entry::Kind;
    sqlite3_stmt *step = nullptr;
    // Bound to the statement until it has run.
    HistoryText::Packed text;
    QByteArray name;
    QByteArray program;
    HistoryText::Packed html;
    switch (entry.kind) {
    case Kind::ItemWritten:
        step = statement(UpsertItem, "INSERT INTO items(id, list_id, row_key, text, name, program, html)"
                                     " VALUES(?, ?, ?, ?, ?, ?, ?) ON CONFLICT(id) DO UPDATE SET"
                                     " list_id = excluded.list_id, row_key = excluded.row_key, text = excluded.text,"
                                     " name = excluded.name, program = excluded.program, html = excluded.html");
        if (!step)
            return fail();
        sqlite3_bind_int64(step, 1, qint64(entry.item));
        sqlite3_bind_int64(step, 2, entry.list);
        sqlite3_bind_int64(step, 3, entry.rowKey);
        text = HistoryText::pack(entry.text, m_compressing);
        if (text.compressed)
            sqlite3_bind_blob(step, 4, text.bytes.constData(), int(text.bytes.size()), SQLITE_STATIC);
        else
            bindUtf8(step, 4, text.bytes);
        name = entry.name.toUtf8();
        bindUtf8(step, 5, name);
        program = entry.program.toUtf8();
        bindUtf8(step, 6, program);
        html = HistoryText::pack(entry.html, m_compressing);
        if (html.compressed)
            sqlite3_bind_blob(step, 7, html.bytes.constData(), int(html.bytes.size()), SQLITE_STATIC);
        else
            bindUtf8(step, 7, html.bytes);
        break;
    case Kind::RowKeyChanged:
        step = statement(SetRowKey, "UPDATE items SET row_key = ? WHERE id = ?");
        if (!step)
            return fail();
        sqlite3_bind_int64(step, 1, entry.rowKey);
        sqlite3_bind_int64(step, 2, qint64(entry.item));
        break;
    case Kind::ItemDropped:
        step = statement(DropItem, "DELETE FROM items WHERE id = ?");
        if (!step)
            return fail();
        sqlite3_bind_int64(step, 1, qint64(entry.item));
        break;
    case Kind::ListEmptied:
        step = statement(DropListItems, "DELETE FROM items WHERE list_id = ?");
        if (!step)
            return fail();
        sqlite3_bind_int64(step, 1, entry.list);
        break;
    }
    return sqlite3_step(step) == SQLITE_DONE || fail();
}

bool HistoryDatabase::writeLayout(const HistoryBatch::Layout &layout)
{
    if (!run("DELETE FROM lists") || !run("DELETE FROM panes"))
        return false;
    static const QByteArray insertList = insertListSql();
    for (size_t position = 0; position < layout.lists.size(); ++position) {
        const HistoryBatch::Layout::List &list = layout.lists[position];
        sqlite3_stmt *step = statement(InsertList, insertList.constData());
        if (!step)
            return fail();
        sqlite3_bind_int64(step, 1, list.id);
        sqlite3_bind_int64(step, 2, qint64(position));
        int column = 3;
        visitOptionColumns([&](auto field, const char *) { bindValue(step, column++, list.options.*field); });
        if (sqlite3_step(step) != SQLITE_DONE)
            return fail();
    }
    for (size_t position = 0; position < layout.panes.size(); ++position) {
        sqlite3_stmt *step = statement(InsertPane, "INSERT INTO panes(position, list_id, height_share, focused) VALUES(?, ?, ?, ?)");
        if (!step)
            return fail();
        sqlite3_bind_int64(step, 1, qint64(position));
        sqlite3_bind_int64(step, 2, layout.panes[position].list);
        sqlite3_bind_double(step, 3, double(layout.panes[position].heightShare));
        sqlite3_bind_int(step, 4, int(position) == layout.focusedPane ? 1 : 0);
        if (sqlite3_step(step) != SQLITE_DONE)
            return fail();
    }
    return true;
}

bool HistoryDatabase::write(const HistoryBatch &batch)
{
    m_diskFull = false;
    if (!m_db) {
        m_error = QStringLiteral("履歴ﾌｧｲﾙが開かれていません。");
        return false;
    }
    bool written = run("BEGIN IMMEDIATE");
    // Until the run's clean end, the next start checks the whole file.
    if (written && !m_runNoted)
        written = run("UPDATE runs SET ended_cleanly = 0");
    if (written && batch.replaceAll)
        written = run("DELETE FROM items");
    for (auto entry = batch.entries.begin(); written && entry != batch.entries.end(); ++entry)
        written = writeEntry(*entry);
    if (written && batch.layout)
        written = writeLayout(*batch.layout);
    if (written && run("COMMIT")) {
        m_runNoted = true;
        // Deleted and overwritten texts are wiped from the database's pages, but older copies of those
        // pages stay in the journal until it is cut back: it is, after every batch. A failure here
        // loses nothing; the next batch tries again.
        checkpoint();
        return true;
    }
    sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
    return false;
}

bool HistoryDatabase::setAside(const QString &path)
{
    bool moved = true;
    for (const QLatin1String suffix : FileSuffixes) {
        const QString from = path + suffix;
        if (!QFileInfo::exists(from) && !QFileInfo(from).isSymLink())
            continue;
        const QString to = backupPath(path) + suffix;
        QFile::remove(to);
        moved = QFile::rename(from, to) && moved;
    }
    return moved;
}

bool HistoryDatabase::remove(const QString &path)
{
    bool removed = true;
    for (const QLatin1String suffix : FileSuffixes) {
        const QString file = path + suffix;
        if (QFileInfo::exists(file))
            removed = QFile::remove(file) && removed;
    }
    return removed;
}
