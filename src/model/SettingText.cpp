// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/SettingText.h"

#include "model/SettingRanges.h"

#include <QRegularExpression>
#include <cmath>

namespace SettingText {

bool isNumeric(const QString &text)
{
    static const QRegularExpression digits(QStringLiteral("^[+-]?[0-9]+$"));
    return digits.match(text).hasMatch();
}

std::optional<qint32> inRange(const QString &text, qint32 low, qint32 high, int maxChars)
{
    if (!isNumeric(text) || (maxChars > 0 && text.size() > maxChars))
        return std::nullopt;
    bool fits = false;
    const qlonglong value = text.toLongLong(&fits);
    if (!fits || value < low || value > high)
        return std::nullopt;
    return qint32(value);
}

QString millimetres(const QString &pixels, double dotsPerInch)
{
    if (!isNumeric(pixels))
        return QStringLiteral("(非数値)");
    const auto width = inRange(pixels, SettingRanges::EdgeZoneMin, SettingRanges::EdgeZoneMax);
    if (!width || !(dotsPerInch > 0))
        return QStringLiteral("(1～300)");
    // Tenths counted in whole numbers, so 2.0 mm is not shown as 1.9 after a rounding error.
    const double tenths = std::floor(*width * 254.0 / dotsPerInch + 1e-9);
    return QString::number(tenths / 10.0, 'f', 1) + QStringLiteral("(mm)");
}

} // namespace SettingText
