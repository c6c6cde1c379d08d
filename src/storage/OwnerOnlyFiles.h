// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFileDevice>
#include <QString>

// The program's own files hold everything the user copied: only the user may read them. New
// ones are made so from the start, older ones are narrowed when the program finds them.
class OwnerOnlyFiles {
public:
    static constexpr QFileDevice::Permissions FilePermissions =
        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser | QFileDevice::WriteUser;
    static constexpr QFileDevice::Permissions FolderPermissions =
        FilePermissions | QFileDevice::ExeOwner | QFileDevice::ExeUser;

    // Makes the folder with every missing folder above it, each for the user only. True when it
    // is there.
    static bool makeFolder(const QString &path);
    // Makes an empty file for the user only; false when one is there already or none can be made.
    static bool makeEmptyFile(const QString &path);
    // Takes group and others' permissions from a file that has them; one that cannot be changed
    // (someone else's) stays as it is.
    static void narrow(const QString &path);
};
