#include "platform/spgComDLFile.h"

namespace {
const QString ListExtension = QStringLiteral("qkp");
}

spgComDLFile::spgComDLFile(FileDialogPort &dialogs) : m_dialogs(dialogs)
{
    m_request.filters = {{QStringLiteral("ｸﾘｯﾌﾟﾘｽﾄﾌｧｲﾙ(*.") + ListExtension + QLatin1Char(')'), QStringLiteral("*.") + ListExtension},
                         {QStringLiteral("すべてのﾌｧｲﾙ(*.*)"), QStringLiteral("*.*")}};
}

QString spgComDLFile::ComDLFileOpen()
{
    return show(false, QStringLiteral("ｸﾘｯﾌﾟﾘｽﾄを開く"));
}

QString spgComDLFile::ComDLFileSave()
{
    return show(true, QStringLiteral("ｸﾘｯﾌﾟﾘｽﾄを保存する"));
}

QString spgComDLFile::show(bool save, const QString &title)
{
    m_request.title = title;
    // Only a save adds the extension to a bare name and asks before replacing a file.
    m_request.defaultExtension = save ? ListExtension : QString();
    m_request.confirmOverwrite = save;
    const QString chosen = save ? m_dialogs.saveFile(m_request) : m_dialogs.openFile(m_request);
    if (!chosen.isEmpty())
        m_lastChosen = chosen;
    return chosen;
}

void spgComDLFile::KeepComDLFileDir()
{
    m_request.initialPath = m_lastChosen;
}
