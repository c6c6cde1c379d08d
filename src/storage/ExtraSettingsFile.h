// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/ExtraSettings.h"

#include <QString>

// The file of the settings that the settings file has no place for: an INI file beside it. A
// missing or damaged file, or a missing key, gives the default.
class ExtraSettingsFile {
public:
    static QString fileName() { return QStringLiteral("QuillKeeper.ini"); }

    explicit ExtraSettingsFile(const QString &path) : m_path(path) {}

    // Also makes a file that others could read the user's own.
    ExtraSettings read() const;
    // False when the file could not be written; it is then as it was.
    bool write(const ExtraSettings &settings) const;

private:
    QString m_path;
};
