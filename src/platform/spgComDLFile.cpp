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
    m_request.title = QStringLiteral("ｸﾘｯﾌﾟﾘｽﾄを開く");
    m_request.defaultExtension.clear();
    m_request.confirmOverwrite = false;
    const QString chosen = m_dialogs.openFile(m_request);
    if (!chosen.isEmpty())
        m_lastChosen = chosen;
    return chosen;
}

QString spgComDLFile::ComDLFileSave()
{
    m_request.title = QStringLiteral("ｸﾘｯﾌﾟﾘｽﾄを保存する");
    m_request.defaultExtension = ListExtension;
    m_request.confirmOverwrite = true;
    const QString chosen = m_dialogs.saveFile(m_request);
    if (!chosen.isEmpty())
        m_lastChosen = chosen;
    return chosen;
}

void spgComDLFile::KeepComDLFileDir()
{
    m_request.initialPath = m_lastChosen;
}
