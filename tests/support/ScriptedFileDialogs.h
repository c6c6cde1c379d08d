// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/seams/FileDialogPort.h"

#include <QList>

// Answers file dialogs from a script (an empty answer is a cancel) and records each request.
class ScriptedFileDialogs : public FileDialogPort {
public:
    void willChoose(const QString &path) { m_answers.append(path); }
    QString openFile(const FileDialogRequest &request) override { return answer(request, false); }
    QString saveFile(const FileDialogRequest &request) override { return answer(request, true); }

    struct Shown {
        FileDialogRequest request;
        bool save = false;
    };
    QList<Shown> shown;

private:
    QString answer(const FileDialogRequest &request, bool save)
    {
        shown.append({request, save});
        return m_answers.isEmpty() ? QString() : m_answers.takeFirst();
    }
    QList<QString> m_answers;
};
