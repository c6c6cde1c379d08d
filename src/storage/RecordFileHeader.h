// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

class RecordFile;

// The header that the settings file and the clip-list files share: the writing program's version,
// the maker's string, the file's title string and the format version. With the strings as they
// are the header takes 76 bytes: the format version lies at offset 74.
class RecordFileHeader {
public:
    enum Status : int { Accepted = 0, OlderFormat = 1, Broken = 2, NewerFormat = 3 };

    static constexpr qint16 ProgramMajor = 1;
    static constexpr qint16 ProgramMinor = 0;
    static constexpr qint16 ProgramRevision = 133;
    // The longest header string a reader accepts.
    static constexpr qint32 StringLimit = 64;

    static QString makerText() { return QStringLiteral("Arlen.T.K. Wrenfold Ltd"); }

    // Reads a header and judges it against `title` and `formatVersion`. The program version is
    // not examined. Strings that are too long, damaged or different, and a file that ends before
    // the format version, make the header Broken.
    static Status read(RecordFile &file, QStringView title, qint16 formatVersion);
    static void write(RecordFile &file, QStringView title, qint16 formatVersion);
};
