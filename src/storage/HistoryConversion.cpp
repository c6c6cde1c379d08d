// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/HistoryConversion.h"

#include "storage/HistoryBatch.h"
#include "storage/HistoryDatabase.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <cstring>

bool HistoryConversion::convert(HistoryDatabase &older, const KeptHistory &kept, const QString &path, QString &error)
{
    // Versions since the second differ only by columns, which the file gains where it lies.
    if (older.schemaVersion() >= 2) {
        if (!older.upgradeInPlace()) {
            error = older.errorString();
            return false;
        }
        older.close();
        return true;
    }
    const QString converting = convertingPath(path);
    // What an interrupted conversion left: the old file still holds everything.
    HistoryDatabase::remove(converting);
    const auto giveUp = [&](const QString &why) {
        error = why;
        HistoryDatabase::remove(converting);
        return false;
    };
    {
        HistoryDatabase current;
        if (current.open(converting) != HistoryDatabase::Opened::Created)
            return giveUp(current.errorString());
        // Checked whole as it was read; the new file need not be checked again at the next start.
        if (!current.write(HistoryBatch::everything(kept)) || !current.markCleanEnd())
            return giveUp(current.errorString());
    }
    // Closing folds the old file's journal into it. A journal left with content belongs to the old
    // file alone and must not meet the new one.
    older.close();
    const QString journal = path + QStringLiteral("-wal");
    if (QFileInfo(journal).size() > 0)
        return giveUp(QStringLiteral("元のﾌｧｲﾙのｼﾞｬｰﾅﾙを書き戻せませんでした。"));
    QFile::remove(journal);
    QFile::remove(path + QStringLiteral("-shm"));
    // rename() replaces the old file in one step; Qt's would not replace it.
    if (std::rename(QFile::encodeName(converting).constData(), QFile::encodeName(path).constData()) != 0)
        return giveUp(QString::fromLocal8Bit(std::strerror(errno)));
    return true;
}
