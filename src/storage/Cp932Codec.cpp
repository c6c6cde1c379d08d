// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/Cp932Codec.h"

#include "storage/Cp932Table.h"

#include <algorithm>

namespace {
constexpr char16_t Replacement = 0xFFFD;
constexpr quint16 Question = '?';
} // namespace

const Cp932Codec &Cp932Codec::instance()
{
    static const Cp932Codec codec;
    return codec;
}

Cp932Codec::Cp932Codec()
{
    m_single.fill(Replacement);
    m_double.fill(Replacement);
    m_fromUnicode.fill(Question);
    for (std::size_t i = 0; i < Cp932Table::toUnicodeCount; ++i) {
        const Cp932Table::Pair &pair = Cp932Table::toUnicode[i];
        if (pair.from <= 0xFF)
            m_single[pair.from] = pair.to;
        else
            m_double[pair.from] = pair.to;
    }
    for (std::size_t i = 0; i < Cp932Table::fromUnicodeCount; ++i)
        m_fromUnicode[Cp932Table::fromUnicode[i].from] = Cp932Table::fromUnicode[i].to;
}

char16_t Cp932Codec::toUnicode(quint16 code) const
{
    if (code <= 0xFF)
        return isLeadByte(uchar(code)) ? Replacement : m_single[code];
    return isLeadByte(uchar(code >> 8)) ? m_double[code] : Replacement;
}

bool Cp932Codec::canEncode(char16_t unit) const
{
    return unit == Question || m_fromUnicode[unit] != Question;
}

void Cp932Codec::encode(QStringView text, QByteArray &out) const
{
    const qsizetype start = out.size();
    out.resize(start + 2 * text.size());
    auto *write = reinterpret_cast<uchar *>(out.data()) + start;
    const auto *write0 = write;
    for (const QChar ch : text) {
        const quint16 code = m_fromUnicode[ch.unicode()];
        if (code > 0xFF)
            *write++ = uchar(code >> 8);
        *write++ = uchar(code);
    }
    out.resize(start + (write - write0));
}

QByteArray Cp932Codec::encode(QStringView text) const
{
    QByteArray out;
    encode(text, out);
    return out;
}

qsizetype Cp932Codec::decodeWhole(const char *bytes, qsizetype size, qsizetype count, QString &out) const
{
    const qsizetype start = out.size();
    out.resize(start + count);
    char16_t *write = reinterpret_cast<char16_t *>(out.data()) + start;
    const auto *read = reinterpret_cast<const uchar *>(bytes);
    qsizetype used = 0;
    qsizetype made = 0;
    while (made < count && used < size) {
        const uchar byte = read[used];
        if (isLeadByte(byte)) {
            if (used + 1 == size)
                break;
            write[made++] = m_double[(byte << 8) | read[used + 1]];
            used += 2;
        } else {
            write[made++] = m_single[byte];
            ++used;
        }
    }
    out.resize(start + made);
    return used;
}

qsizetype Cp932Codec::decode(const char *bytes, qsizetype size, qsizetype count, QString &out) const
{
    const qsizetype start = out.size();
    // Exactly the room the text needs: stored texts live as long as their list.
    if (out.capacity() < start + count)
        out.reserve(start + count);
    qsizetype used = decodeWhole(bytes, size, count, out);
    if (out.size() - start < count && used < size) {
        // A lead byte at the very end pairs with the zero that follows it.
        out.append(QChar(m_double[uchar(bytes[used]) << 8]));
        used += 2;
    }
    // Past the end every byte reads as zero: one NUL character each.
    const qsizetype missing = count - (out.size() - start);
    out.resize(start + count, QChar(u'\0'));
    return used + missing;
}
