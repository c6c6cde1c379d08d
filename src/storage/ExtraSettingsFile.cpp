// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/ExtraSettingsFile.h"

#include "model/SettingRanges.h"
#include "storage/OwnerOnlyFiles.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include <type_traits>

namespace {
// Each setting once, with its key: reading and writing both go through this list.
template <typename Visit>
void visitKeys(Visit &&visit)
{
    using E = ExtraSettings;
    visit(&E::keepHistory, QStringLiteral("History/keep"));
    visit(&E::startAtLogin, QStringLiteral("Session/startAtLogin"));
    visit(&E::hotkeyOn, QStringLiteral("Hotkey/on"));
    visit(&E::hotkey, QStringLiteral("Hotkey/key"));
    visit(&E::pasteAfterPick, QStringLiteral("Hotkey/pasteAfterPick"));
    visit(&E::keepWindowAfterPick, QStringLiteral("Hotkey/keepWindowAfterPick"));
    visit(&E::keepClipboard, QStringLiteral("Clipboard/keep"));
    visit(&E::trayIcon, QStringLiteral("Tray/icon"));
    visit(&E::closeToTray, QStringLiteral("Tray/closeToTray"));
    visit(&E::largestTextMiB, QStringLiteral("Clipboard/largestTextMiB"));
    visit(&E::moveDuplicates, QStringLiteral("Capture/moveDuplicates"));
    visit(&E::captureSelection, QStringLiteral("Capture/mouseSelection"));
    visit(&E::ignoredPrograms, QStringLiteral("Capture/ignoredPrograms"));
}
} // namespace

ExtraSettings ExtraSettingsFile::read() const
{
    ExtraSettings settings;
    OwnerOnlyFiles::narrow(m_path);
    if (!QFileInfo(m_path).isFile())
        return settings;
    const QSettings file(m_path, QSettings::IniFormat);
    visitKeys([&](auto field, const QString &key) {
        using T = std::remove_reference_t<decltype(settings.*field)>;
        settings.*field = file.value(key, settings.*field).template value<T>();
    });
    using namespace SettingRanges;
    if (!within(settings.largestTextMiB, LargestTextMin, LargestTextMax))
        settings.largestTextMiB = ExtraSettings().largestTextMiB;
    return settings;
}

bool ExtraSettingsFile::write(const ExtraSettings &settings) const
{
    const QFileInfo info(m_path);
    if (info.exists() && !info.isFile())
        return false;
    // QSettings keeps the permissions of the file it replaces, so a new one begins as the user's own.
    const bool made = OwnerOnlyFiles::makeEmptyFile(m_path);
    QSettings file(m_path, QSettings::IniFormat);
    visitKeys([&](auto field, const QString &key) { file.setValue(key, settings.*field); });
    file.sync();
    if (file.status() == QSettings::NoError)
        return true;
    if (made)
        QFile::remove(m_path);
    return false;
}
