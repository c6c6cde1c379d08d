// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ProgramFolders.h"

#include <QDir>
#include <QFileInfo>

ProgramFolders::ProgramFolders(const QString &programFolder) : m_programFolder(programFolder) {}

QString ProgramFolders::helpPage() const
{
    const QDir program(m_programFolder);
    const QString beside = QDir::cleanPath(program.filePath(helpRelativePath()));
    if (QFileInfo::exists(beside))
        return beside;
    const QString shared = QDir::cleanPath(program.filePath(installedDataPath() + QLatin1Char('/') + helpRelativePath()));
    return QFileInfo::exists(shared) ? shared : beside;
}

bool ProgramFolders::installed() const
{
    const QDir program(m_programFolder);
    return program.dirName() == QLatin1String("bin") && QFileInfo(program.filePath(installedDataPath())).isDir();
}

QString ProgramFolders::settingsFolder() const
{
    // Run as the administrator, an installed program would otherwise write into the system's bin folder.
    return installed() ? QString() : m_programFolder;
}
