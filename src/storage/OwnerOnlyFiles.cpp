// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/OwnerOnlyFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

bool OwnerOnlyFiles::makeFolder(const QString &path)
{
    const QString folder = QDir::cleanPath(QDir(path).absolutePath());
    if (QFileInfo(folder).isDir())
        return true;
    const QString parent = QFileInfo(folder).absolutePath();
    if (parent == folder || !makeFolder(parent))
        return false;
    // Another program may make it meanwhile.
    return QDir().mkdir(folder, FolderPermissions) || QFileInfo(folder).isDir();
}

bool OwnerOnlyFiles::makeEmptyFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::NewOnly, FilePermissions);
}

void OwnerOnlyFiles::narrow(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isFile())
        return;
    const QFileDevice::Permissions permissions = info.permissions();
    if (permissions & ~FolderPermissions)
        QFile::setPermissions(path, permissions & FolderPermissions);
}
