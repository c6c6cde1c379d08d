// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class HistoryDatabase;
struct KeptHistory;

// Brings a history database an earlier version wrote up to the current one. Versions since the
// second lack only columns, which the file gains in place in one transaction. The first version kept UTF-16
// text, and SQLite fixes a file's text encoding when the file is made, so its lists are written to
// a new file in one transaction, and that file takes the old one's place in one rename: until then
// the old file is as it was.
class HistoryConversion {
public:
    static QString convertingPath(const QString &path) { return path + QStringLiteral(".converting"); }

    // older was opened as HistoryDatabase::Opened::Older and kept is what it read. On success the file
    // at path is current, and older is closed; on failure the file is as it was, and error says why.
    static bool convert(HistoryDatabase &older, const KeptHistory &kept, const QString &path, QString &error);
};
