// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

// A Windows colour value: 0x00BBGGRR, or a system colour reference 0x800000nn (negative as a signed value).
using Colour = qint32;

constexpr Colour systemColour(int index) { return Colour(0x80000000u | quint32(index)); }
constexpr bool isSystemColour(Colour c) { return (quint32(c) & 0x80000000u) != 0; }

// Counts and numbers of lists, panes, items and rows are 16-bit signed.
constexpr int MaxCount = 32767;
