// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

#include <cmath>

// The ranges the settings dialog keeps each value in. A value read from a file outside them is
// damage and gives way to the factory value.
namespace SettingRanges {

constexpr qint16 TimerIntervalMin = 100;
constexpr qint16 TimerIntervalMax = 2000;
constexpr qint16 EdgeActionMin = 0; // move the focus up
constexpr qint16 EdgeActionMax = 2; // do nothing
constexpr qint32 EdgeZoneMin = 1;
constexpr qint32 EdgeZoneMax = 300;
constexpr qint16 CaptionLengthMin = 0;
constexpr qint16 CaptionLengthMax = 400;
// An existing list's captions are kept shorter in the settings dialog.
constexpr qint16 CaptionLengthListMax = 300;
constexpr qint32 CaptionWidthMin = 0;
constexpr qint32 CaptionWidthMax = 12000;
constexpr qint16 ItemLimitMin = 1;
constexpr qint16 ItemLimitMax = 32767;
constexpr qint32 LargestTextMin = 1; // MiB
constexpr qint32 LargestTextMax = 1024;

template <typename T>
constexpr bool within(T value, T low, T high)
{
    return value >= low && value <= high;
}

inline bool isFontSize(float points) { return std::isfinite(points) && points > 0; }
// Names that come from the font dialog are never empty.
inline bool isFontName(const QString &name) { return !name.isEmpty(); }

// What a stored value must satisfy to be taken, one per field of a field list.
struct AnyValue {
    template <typename T>
    constexpr bool operator()(const T &) const { return true; }
};

template <typename T>
struct InRange {
    T low;
    T high;
    constexpr bool operator()(T value) const { return within(value, low, high); }
};

struct FontSizeRange {
    bool operator()(float points) const { return isFontSize(points); }
};

struct NonEmpty {
    bool operator()(const QString &text) const { return !text.isEmpty(); }
};

} // namespace SettingRanges
