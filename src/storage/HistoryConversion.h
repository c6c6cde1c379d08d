// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class HistoryDatabase;
struct KeptHistory;

// Brings a history database an earlier version wrote up to the current one. SQLite fixes a file's
// text encoding when the file is made, so the lists are written to a new file in one transaction,
// and that file takes the old one's place in one rename: until then the old file is as it was.
class HistoryConversion {
public:
    static QString convertingPath(const QString &path) { return path + QStringLiteral(".converting"); }

    // older was opened as HistoryDatabase::Opened::Older and kept is what it read. On success the file
    // at path is current, and older is closed; on failure the file is as it was, and error says why.
    static bool convert(HistoryDatabase &older, const KeptHistory &kept, const QString &path, QString &error);
};
