// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SecretMarkers.h"

#include <algorithm>

namespace {

constexpr QLatin1StringView KdeHint("x-kde-passwordManagerHint");
constexpr QLatin1StringView CanIncludeInHistory("CanIncludeInClipboardHistory");

// The name Qt gives a registered Windows clipboard format; some owners offer it so on X too.
QString windowsFormat(const QString &name)
{
    return QStringLiteral("application/x-qt-windows-mime;value=\"%1\"").arg(name);
}

} // namespace

namespace SecretMarkers {

const QStringList &presenceFormats()
{
    static const QStringList formats{
        QStringLiteral("application/x-nspasteboard-concealed-type"),
        QStringLiteral("ExcludeClipboardContentFromMonitorProcessing"),
        windowsFormat(QStringLiteral("ExcludeClipboardContentFromMonitorProcessing")),
        QStringLiteral("Clipboard Viewer Ignore"),
        windowsFormat(QStringLiteral("Clipboard Viewer Ignore")),
    };
    return formats;
}

const QStringList &valueFormats()
{
    static const QStringList formats{KdeHint, CanIncludeInHistory, windowsFormat(CanIncludeInHistory)};
    return formats;
}

bool valueMarksSecret(const QString &format, const QByteArray &value)
{
    QByteArray text = value;
    while (text.endsWith('\0'))
        text.chop(1);
    text = text.trimmed();
    if (format == KdeHint)
        return text.isEmpty() || text.compare("secret", Qt::CaseInsensitive) == 0;
    // A DWORD, where 0 forbids a history to keep the content; some owners write it in digits.
    bool isNumber = false;
    const qulonglong number = text.toULongLong(&isNumber);
    if (isNumber)
        return number == 0;
    return std::none_of(value.cbegin(), value.cend(), [](char byte) { return byte != 0; });
}

} // namespace SecretMarkers
