#include "storage/ExtraSettingsFile.h"

#include <QFileInfo>
#include <QSettings>

namespace {
const QString KeepHistory = QStringLiteral("History/keep");
const QString StartAtLogin = QStringLiteral("Session/startAtLogin");
const QString KeepClipboard = QStringLiteral("Clipboard/keep");
}

ExtraSettings ExtraSettingsFile::read() const
{
    ExtraSettings settings;
    if (!QFileInfo(m_path).isFile())
        return settings;
    const QSettings file(m_path, QSettings::IniFormat);
    settings.keepHistory = file.value(KeepHistory, settings.keepHistory).toBool();
    settings.startAtLogin = file.value(StartAtLogin, settings.startAtLogin).toBool();
    settings.keepClipboard = file.value(KeepClipboard, settings.keepClipboard).toBool();
    return settings;
}

bool ExtraSettingsFile::write(const ExtraSettings &settings) const
{
    const QFileInfo info(m_path);
    if (info.exists() && !info.isFile())
        return false;
    QSettings file(m_path, QSettings::IniFormat);
    file.setValue(KeepHistory, settings.keepHistory);
    file.setValue(StartAtLogin, settings.startAtLogin);
    file.setValue(KeepClipboard, settings.keepClipboard);
    file.sync();
    return file.status() == QSettings::NoError;
}
