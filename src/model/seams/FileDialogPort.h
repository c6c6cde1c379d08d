// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QPair>
#include <QString>

// What a file dialog is asked: title, filters as (description, pattern) pairs, the folder or file
// to start from, the extension added to a name typed without one, and whether to confirm
// overwriting (save only).
struct FileDialogRequest {
    QString title;
    QList<QPair<QString, QString>> filters;
    QString initialPath;
    QString defaultExtension;
    bool confirmOverwrite = false;
};

// Shows the open or save dialog; the chosen full path, or an empty string when cancelled.
class FileDialogPort {
public:
    virtual ~FileDialogPort() = default;
    virtual QString openFile(const FileDialogRequest &request) = 0;
    virtual QString saveFile(const FileDialogRequest &request) = 0;
};
