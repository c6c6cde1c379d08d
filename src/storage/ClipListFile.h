// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/ClipItem.h"
#include "model/ListOptions.h"
#include "model/ModelTypes.h"

#include <QByteArray>
#include <QString>
#include <vector>

class QIODevice;
class ListRecord;
class RecordFile;

// The stored options of one clip list (the others stay as they are when a file is opened); which
// options a file stores, and in what order, is ClipListFieldList.
struct ClipListOptions : ListOptions {
    static ClipListOptions of(const ListRecord &list);
    void applyTo(ListOptions &list) const;
};

// A whole clip list as a file holds it: its options and its items in item-number order.
struct ClipListContent {
    ClipListOptions options;
    std::vector<ClipItem> items;
};

// The clip-list file (.qkp). A file is read and checked completely before anyone uses what it
// holds, so a damaged file can never cost a list its items.
//
// Code page 932 cannot hold every character (accents, most Chinese and Korean characters,
// emoji). When a stored string lost characters, the exact texts follow the item block in a
// supplement that readers of the plain format ignore:
//   "QKU1", int32 entries, per entry int16 field, int16 item (-1 for a list field), int32 units and
//   the UTF-16LE units, then int32 the supplement's own length in bytes.
class ClipListFile {
public:
    // Unreadable: the file could not be opened or read (a folder, no permission, a read error, no
    // memory for what it holds); the reason says why. Broken and DamagedItems are damaged content.
    enum class Status { Loaded, OlderFormat, Broken, NewerFormat, DamagedItems, Unreadable };
    // Supplement fields.
    enum Field : qint16 { ListName = 0, LineBreakText = 1, FilePath = 2, Font = 3, ItemText = 4, ItemName = 5 };

    static constexpr qint16 FormatVersion = 6;
    static QString titleText() { return QStringLiteral("Arlen.T.K. QuillKeeper User ClipLists"); }
    static QString extension() { return QStringLiteral("qkp"); }

    struct ReadResult {
        Status status = Status::Broken;
        ClipListContent content;
        QString reason; // the system's, when Unreadable
    };

    static ReadResult read(const QString &path);
    static ReadResult read(QIODevice &device);
    // Writes atomically: a failure leaves any previous file as it was and gives the reason.
    static bool write(const QString &path, const ClipListContent &content, QString *error = nullptr);
    static bool write(QIODevice &device, const ClipListContent &content, QString *error = nullptr);

    // The message for a file that could not be opened (title and text). The damaged-items text
    // names no file unless `nameFile` asks for it.
    static QString readErrorTitle();
    static QString readErrorText(const ReadResult &result, const QString &path, const QString &crLf, bool nameFile = false);
    static QString writeErrorTitle();
    static QString writeErrorText(const QString &path, const QString &reason, const QString &crLf);

private:
    static ReadResult readFrom(RecordFile &file, bool opened);
    static ReadResult readContent(RecordFile &file);
    static void writeTo(RecordFile &file, const ClipListContent &content);
    static bool finishWrite(RecordFile &file, bool opened, const ClipListContent &content, QString *error);
};
