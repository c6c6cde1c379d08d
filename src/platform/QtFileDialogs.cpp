// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/QtFileDialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QStringList>

QString QtFileDialogs::openFile(const FileDialogRequest &request)
{
    return run(request, false);
}

QString QtFileDialogs::saveFile(const FileDialogRequest &request)
{
    return run(request, true);
}

QString QtFileDialogs::run(const FileDialogRequest &request, bool save)
{
    QFileDialog dialog(m_parent ? m_parent : QApplication::activeWindow(), request.title);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // The descriptions carry their patterns already ("...(*.qkp)"); the toolkit reads the
    // patterns from a second pair of brackets, which it keeps out of sight. "*.*" means every
    // file, also one without a dot.
    QStringList filters;
    for (const auto &[description, pattern] : request.filters)
        filters << description + QStringLiteral(" (") + (pattern == QLatin1String("*.*") ? QStringLiteral("*") : pattern) +
                       QLatin1Char(')');
    dialog.setNameFilters(filters);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    if (save && !request.defaultExtension.isEmpty())
        dialog.setDefaultSuffix(request.defaultExtension);
    if (!request.confirmOverwrite)
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (!request.initialPath.isEmpty()) {
        const QFileInfo start(request.initialPath);
        dialog.setDirectory(start.isDir() ? start.absoluteFilePath() : start.absolutePath());
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().first();
}
