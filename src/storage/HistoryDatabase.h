// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/HistoryBatch.h"
#include "storage/KeptHistory.h"

#include <QString>
#include <optional>

struct sqlite3;
struct sqlite3_stmt;

// The history's SQLite database: every list with its options and items, the panes and the focus.
// Opened once at the start, locked for the run, written in one transaction per batch. Items keep
// their ids and their rows' keys, so that a change writes only the items it touched.
class HistoryDatabase {
public:
    static constexpr int SchemaVersion = 4;
    // Free pages are given back once there are this many, and they are a quarter of the file.
    static constexpr int MuchFreePages = 256;
    static QString fileName() { return QStringLiteral("QuillKeeperHistory.sqlite3"); }
    static QString backupPath(const QString &path) { return path + QStringLiteral(".bak"); }

    enum class Opened {
        Existing,    // read() brings the lists back
        Older,       // an earlier version's: read() brings the lists back; HistoryConversion makes it current
        Created,     // a new, empty database
        ReadOnly,    // read() brings the lists back, but nothing can be written (errorString says why)
        Unusable,    // damaged, foreign, newer or not a file: to be set aside
        InUse,       // another program holds it
        CannotCreate // no database can be made there (the folder is read-only, say)
    };

    HistoryDatabase() = default;
    ~HistoryDatabase();
    HistoryDatabase(const HistoryDatabase &) = delete;
    HistoryDatabase &operator=(const HistoryDatabase &) = delete;

    // Also makes the database and its journal files, and any set aside, readable by the user only.
    Opened open(const QString &path);
    // The lists kept; nothing when what is kept does not hold together (then errorString says why).
    // Compressed texts are unpacked before it returns, or go on being unpacked in the background
    // (KeptHistory::texts): a damaged one is then found only as they are waited for.
    enum class Unpacking { Now, InBackground };
    std::optional<KeptHistory> read(Unpacking unpacking = Unpacking::Now);
    // All or nothing; false with errorString() and diskFull() telling why. The journal is cut back
    // after each batch, so that nothing deleted stays in it.
    bool write(const HistoryBatch &batch);
    // Brings a file of version 2 or later up to this one where it lies, in one transaction: false
    // (errorString says why) leaves it as it was, and for any older one, which HistoryConversion converts.
    bool upgradeInPlace();
    int schemaVersion() const { return m_version; }
    // At the end of a run that wrote: the next start need not check the whole file.
    bool markCleanEnd();
    // Deleting many items leaves free pages in the file; these give them back.
    bool hasMuchFreeSpace();
    bool giveBackFreeSpace();
    // Longer texts are compressed unless switched off (to compare sizes).
    void setCompressing(bool on) { m_compressing = on; }
    void close();
    QString errorString() const { return m_error; }
    bool diskFull() const { return m_diskFull; }

    // Moves a database that could not be used, with its journal, to backupPath (replacing an older one).
    static bool setAside(const QString &path);
    // Removes the database and its journal files.
    static bool remove(const QString &path);

private:
    enum Statement { UpsertItem, SetRowKey, DropItem, DropListItems, InsertList, InsertPane, StatementCount };

    Opened openForWriting(const QString &path, bool existed);
    bool openForReading(const QString &path);
    bool run(const char *sql);
    std::optional<int> number(const char *sql);
    bool fail();
    bool makeSchema();
    bool checkSchema(int version);
    bool endedCleanly(int version);
    bool checkpoint();
    bool writeLayout(const HistoryBatch::Layout &layout);
    bool writeEntry(const ChangeJournal::Entry &entry);
    sqlite3_stmt *statement(Statement which, const char *sql);

    sqlite3 *m_db = nullptr;
    sqlite3_stmt *m_statements[StatementCount] = {};
    QString m_error;
    bool m_diskFull = false;
    bool m_compressing = true;
    bool m_runNoted = false; // the file says a run is writing it
    int m_version = 0;       // the open file's schema version
};
