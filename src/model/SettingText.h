// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

// How the settings dialog reads the numbers typed into its text boxes.
namespace SettingText {

// Digits with an optional sign, nothing else.
bool isNumeric(const QString &text);

// The value of a numeric text within low .. high; nullopt when the text is not numeric, is longer
// than maxChars (0: any length) or lies outside the range, also when it is too large for any field.
std::optional<qint32> inRange(const QString &text, qint32 low, qint32 high, int maxChars = 0);

// The edge-zone width typed in pixels, as the millimetre label shows it: cut down to one decimal
// with "(mm)", "(1～300)" when out of range, "(非数値)" when not numeric.
QString millimetres(const QString &pixels, double dotsPerInch);

} // namespace SettingText
