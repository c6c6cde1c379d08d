// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// How the history database keeps an item's text: as UTF-8, or, for a longer text, as a zstd frame
// of its UTF-8 when that is smaller. A kilobyte of prose packs to about two thirds or less, and
// unpacks far faster than a disk brings the bytes saved.
class HistoryText {
public:
    // Shorter texts gain too little from a frame of their own.
    static constexpr qsizetype CompressFrom = 256;

    struct Packed {
        QByteArray bytes;
        bool compressed = false;
    };
    static Packed pack(const QString &text, bool compress = true);
    // Nothing when a frame is damaged or does not hold UTF-8 of a sensible size.
    static std::optional<QString> unpack(const char *bytes, qsizetype size, bool compressed);
};
