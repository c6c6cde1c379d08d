// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/ListFigures.h"

#include "model/ListItems.h"
#include "storage/Cp932Codec.h"

ListFigures ListFigures::of(ListItems &items)
{
    const Cp932Codec &codec = Cp932Codec::instance();
    ListFigures figures;
    figures.items = items.count();
    for (ItemNumber item{0}; item < items.count(); ++item) {
        const QString &text = items.at(item).text;
        figures.characters += text.size();
        qint64 bytes = text.size();
        // A character without a code page form is written as "?", one byte.
        for (const QChar unit : text)
            bytes += codec.fromUnicode(unit.unicode()) > 0xFF ? 1 : 0;
        figures.bytes += bytes;
    }
    return figures;
}

QString ListFigures::withCommas(qint64 number)
{
    QString digits = QString::number(number);
    for (qsizetype at = digits.size() - 3; at > 0 && digits.at(at - 1).isDigit(); at -= 3)
        digits.insert(at, QLatin1Char(','));
    return digits;
}
