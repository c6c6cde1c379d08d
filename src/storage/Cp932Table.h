// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>

// The code page 932 mapping as generated data (Cp932Table.cpp, written by scripts/gen_cp932_table.py).
namespace Cp932Table {

struct Pair {
    std::uint16_t from;
    std::uint16_t to;
};

extern const Pair toUnicode[];
extern const std::size_t toUnicodeCount;
extern const Pair fromUnicode[];
extern const std::size_t fromUnicodeCount;

} // namespace Cp932Table
