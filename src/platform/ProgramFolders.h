// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Where the program's own files are: beside the executable when it runs from its build or an
// unpacked folder, under the data folder next to its bin folder when it was installed.
class ProgramFolders {
public:
    // The folder of the executable by default.
    explicit ProgramFolders(const QString &programFolder);

    // The help page; beside the program when found in neither place.
    QString helpPage() const;
    // Installed: the executable lies in a bin folder with the program's data folder beside it.
    bool installed() const;
    // The folder offered for the settings file; empty when the program is installed, so that it
    // goes to the per-user configuration folder.
    QString settingsFolder() const;

    static QString helpRelativePath() { return QStringLiteral("GuideQKPR/guidetop.htm"); }
    // The installed data folder, relative to the executable's folder.
    static QString installedDataPath() { return QStringLiteral("../share/quillkeeper"); }

private:
    QString m_programFolder;
};
