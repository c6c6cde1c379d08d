// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/AutostartEntry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace {
// A quoted argument of Exec: inside the quotes ", `, $ and \ are escaped with a backslash, a
// literal % is doubled, and the value as a whole escapes each backslash once more.
QString quotedExecArgument(const QString &argument)
{
    QString quoted;
    for (const QChar c : argument) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\');
        quoted += c;
        if (c == QLatin1Char('%'))
            quoted += c;
    }
    quoted.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

// A value of the string type: backslashes and control characters are escaped (the path is
// absolute, so it never starts with a space).
QString escapedString(QString value)
{
    return value.replace(QLatin1Char('\\'), QStringLiteral("\\\\"))
        .replace(QLatin1Char('\n'), QStringLiteral("\\n"))
        .replace(QLatin1Char('\t'), QStringLiteral("\\t"))
        .replace(QLatin1Char('\r'), QStringLiteral("\\r"));
}
} // namespace

QString AutostartEntry::path()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
           + QStringLiteral("/autostart/quillkeeper.desktop");
}

bool AutostartEntry::write(const QString &program)
{
    const QString entryPath = path();
    if (!QDir().mkpath(QFileInfo(entryPath).absolutePath()))
        return false;
    const QString text = QStringLiteral("[Desktop Entry]\n"
                                        "Type=Application\n"
                                        "Name=QuillKeeper\n"
                                        "Comment=Keeps a history of everything you copy\n"
                                        // Once the program is gone, the desktop skips the entry instead of failing on it.
                                        "TryExec=%1\n"
                                        "Exec=%2\n"
                                        "Icon=quillkeeper\n"
                                        "Terminal=false\n"
                                        "X-GNOME-Autostart-enabled=true\n")
                             .arg(escapedString(program), quotedExecArgument(program));
    QFile current(entryPath);
    if (current.open(QIODevice::ReadOnly) && current.readAll() == text.toUtf8())
        return true;
    QSaveFile file(entryPath);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(text.toUtf8());
    return file.commit();
}

bool AutostartEntry::remove()
{
    const QString entryPath = path();
    return !QFileInfo::exists(entryPath) || QFile::remove(entryPath);
}
