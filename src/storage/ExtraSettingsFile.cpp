// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/ExtraSettingsFile.h"

#include <QFileInfo>
#include <QSettings>

namespace {
const QString KeepHistory = QStringLiteral("History/keep");
const QString StartAtLogin = QStringLiteral("Session/startAtLogin");
const QString HotkeyOn = QStringLiteral("Hotkey/on");
const QString Hotkey = QStringLiteral("Hotkey/key");
const QString PasteAfterPick = QStringLiteral("Hotkey/pasteAfterPick");
const QString KeepClipboard = QStringLiteral("Clipboard/keep");
const QString TrayIcon = QStringLiteral("Tray/icon");
const QString CloseToTray = QStringLiteral("Tray/closeToTray");
}

ExtraSettings ExtraSettingsFile::read() const
{
    ExtraSettings settings;
    if (!QFileInfo(m_path).isFile())
        return settings;
    const QSettings file(m_path, QSettings::IniFormat);
    settings.keepHistory = file.value(KeepHistory, settings.keepHistory).toBool();
    settings.startAtLogin = file.value(StartAtLogin, settings.startAtLogin).toBool();
    settings.hotkeyOn = file.value(HotkeyOn, settings.hotkeyOn).toBool();
    settings.hotkey = file.value(Hotkey, settings.hotkey).toString();
    settings.pasteAfterPick = file.value(PasteAfterPick, settings.pasteAfterPick).toBool();
    settings.keepClipboard = file.value(KeepClipboard, settings.keepClipboard).toBool();
    settings.trayIcon = file.value(TrayIcon, settings.trayIcon).toBool();
    settings.closeToTray = file.value(CloseToTray, settings.closeToTray).toBool();
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
    file.setValue(HotkeyOn, settings.hotkeyOn);
    file.setValue(Hotkey, settings.hotkey);
    file.setValue(PasteAfterPick, settings.pasteAfterPick);
    file.setValue(KeepClipboard, settings.keepClipboard);
    file.setValue(TrayIcon, settings.trayIcon);
    file.setValue(CloseToTray, settings.closeToTray);
    file.sync();
    return file.status() == QSettings::NoError;
}
