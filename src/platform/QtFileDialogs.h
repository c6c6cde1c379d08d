// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/seams/FileDialogPort.h"

class QWidget;

// The toolkit's file dialogs, modal over a parent window, or over the active window.
class QtFileDialogs : public FileDialogPort {
public:
    explicit QtFileDialogs(QWidget *parent = nullptr) : m_parent(parent) {}
    QString openFile(const FileDialogRequest &request) override;
    QString saveFile(const FileDialogRequest &request) override;

private:
    QString run(const FileDialogRequest &request, bool save);
    QWidget *m_parent;
};
