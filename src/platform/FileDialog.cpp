// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FileDialog.h"

namespace {
constexpr QLatin1StringView ListExtension("qkp");
}

FileDialog::FileDialog(FileDialogPort &dialogs) : m_dialogs(dialogs)
{
    m_request.filters = {{QStringLiteral("ｸﾘｯﾌﾟﾘｽﾄﾌｧｲﾙ(*.") + ListExtension + QLatin1Char(')'), QStringLiteral("*.") + ListExtension},
                         {QStringLiteral("すべてのﾌｧｲﾙ(*.*)"), QStringLiteral("*.*")}};
}

QString FileDialog::showOpenDialog()
{
    return show(false, QStringLiteral("ｸﾘｯﾌﾟﾘｽﾄを開く"));
}

QString FileDialog::showSaveDialog()
{
    return show(true, QStringLiteral("ｸﾘｯﾌﾟﾘｽﾄを保存する"));
}

QString FileDialog::show(bool save, const QString &title)
{
    m_request.title = title;
    // Only a save adds the extension to a bare name and asks before replacing a file.
    m_request.defaultExtension = save ? QString(ListExtension) : QString();
    m_request.confirmOverwrite = save;
    const QString chosen = save ? m_dialogs.saveFile(m_request) : m_dialogs.openFile(m_request);
    if (!chosen.isEmpty())
        m_lastChosen = chosen;
    return chosen;
}

void FileDialog::keepChosenFolder()
{
    m_request.initialPath = m_lastChosen;
}
