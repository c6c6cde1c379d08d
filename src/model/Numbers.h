// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>
#include <compare>
#include <concepts>

// A 16-bit number that knows what it numbers, so that a pane number cannot be passed where a row
// number is expected. Construction from a plain integer is explicit; Qt widgets' int rows are
// converted where they meet the model.
template <typename Tag>
class Number {
public:
    constexpr Number() = default;
    template <std::integral I>
    constexpr explicit Number(I value) : m_value(qint16(value)) {}

    constexpr qint16 value() const { return m_value; }

    friend constexpr auto operator<=>(Number, Number) = default;
    friend constexpr bool operator==(Number, Number) = default;
    // Against counts and the -1 of "none".
    friend constexpr auto operator<=>(Number n, int v) { return n.m_value <=> v; }
    friend constexpr bool operator==(Number n, int v) { return n.m_value == v; }

    constexpr Number &operator++() { ++m_value; return *this; }
    constexpr Number &operator--() { --m_value; return *this; }

    // Steps of the same kind: the row below, the item before.
    friend constexpr Number operator+(Number n, int step) { return Number(n.m_value + step); }
    friend constexpr Number operator-(Number n, int step) { return Number(n.m_value - step); }

private:
    qint16 m_value = 0;
};

using PaneNumber = Number<struct PaneTag>;
using ListNumber = Number<struct ListTag>;
using RowNumber = Number<struct RowTag>;
using ItemNumber = Number<struct ItemTag>;
