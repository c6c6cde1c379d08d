// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class ListItems;

// What the list information dialog tells about a list: its item count, its characters (UTF-16
// code units) and the bytes its texts take in code page 932, as a clip-list file holds them.
struct ListFigures {
    qint32 items = 0;
    qint64 characters = 0;
    qint64 bytes = 0;

    // Counted character by character: no encoded copy of any text is made.
    static ListFigures of(ListItems &items);
    // 1234567 as "1,234,567".
    static QString withCommas(qint64 number);
};
