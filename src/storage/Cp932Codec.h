// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <array>

// Strings in code page 932 as the record files keep them: Microsoft's mapping, one CP932 character
// (one or two bytes) per UTF-16 code unit. Lookup tables are built once from the generated table.
class Cp932Codec {
public:
    static const Cp932Codec &instance();

    // A byte in 0x81-0x9F or 0xE0-0xFC takes the byte after it as one character.
    static constexpr bool isLeadByte(uchar byte) { return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC); }

    // Appends one character per code unit; a unit with no CP932 form (a surrogate, "€", ...) is
    // written as "?", so the number of characters written always equals text.size().
    void encode(QStringView text, QByteArray &out) const;
    QByteArray encode(QStringView text) const;
    bool canEncode(char16_t unit) const;

    // Decodes `count` characters from `bytes` (`size` of them readable); bytes beyond `size` read as
    // zero, so a cut-off string ends in NULs. Undefined codes become U+FFFD. Appends to `out` and
    // returns the bytes the characters take, counting the missing ones.
    qsizetype decode(const char *bytes, qsizetype size, qsizetype count, QString &out) const;
    // The same for a piece of a longer run of bytes: stops when `count` characters are made or
    // the bytes run out, leaving a lead byte that is the last of them for the next piece. Appends
    // only the characters made and returns the bytes they take.
    qsizetype decodeWhole(const char *bytes, qsizetype size, qsizetype count, QString &out) const;

    // The unit one byte or one byte pair (0xLLTT) stands for; U+FFFD when undefined.
    char16_t toUnicode(quint16 code) const;
    // The byte (0x00XX) or byte pair (0xLLTT) a unit is written as; 0x3F ("?") when it has none.
    quint16 fromUnicode(char16_t unit) const { return m_fromUnicode[unit]; }

private:
    Cp932Codec();

    std::array<char16_t, 256> m_single{};
    std::array<char16_t, 0x10000> m_double{}; // indexed by lead << 8 | trail
    std::array<quint16, 0x10000> m_fromUnicode{};
};
