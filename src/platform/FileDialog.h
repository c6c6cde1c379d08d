// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/seams/FileDialogPort.h"

// The open and save dialogs of clip-list files. One request is kept for the whole run, so both
// dialogs start where the last successful open or save was.
class FileDialog {
public:
    explicit FileDialog(FileDialogPort &dialogs);

    // The chosen path, or empty when the user cancelled.
    QString showOpenDialog();
    QString showSaveDialog();
    // The next dialog starts at the last chosen path.
    void keepChosenFolder();

    const FileDialogRequest &request() const { return m_request; }

private:
    QString show(bool save, const QString &title);

    FileDialogPort &m_dialogs;
    FileDialogRequest m_request;
    QString m_lastChosen;
};
