// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/SettingsFile.h"

#include "model/ProgramTexts.h"
#include "model/NewListDefaults.h"
#include "model/GlobalSettings.h"
#include "storage/OwnerOnlyFiles.h"
#include "storage/SettingsSections.h"
#include "storage/WindowSettings.h"
#include "storage/RecordFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <new>

QString SettingsFile::pathIn(const QString &folder)
{
    return QDir(folder).filePath(fileName());
}

QString SettingsFile::location(const QString &programFolder)
{
    // Ask the file system rather than the permission bits: a read-only mount or an
    // administrator's folder says no only when a file is really made.
    QTemporaryFile probe(QDir(programFolder).filePath(QStringLiteral("QKPRUtil-XXXXXX.tmp")));
    if (!programFolder.isEmpty() && probe.open())
        return pathIn(programFolder);
    const QString config = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    OwnerOnlyFiles::makeFolder(config);
    return pathIn(config);
}

SettingsFile::SettingsFile(GlobalSettings &state, NewListDefaults &firstList, WindowSettings &windows)
    : m_state(state), m_firstList(firstList), m_windows(windows)
{
}

RecordFileHeader::Status SettingsFile::readHeader(RecordFile &file)
{
    return RecordFileHeader::read(file, titleText(), FormatVersion);
}

void SettingsFile::writeHeader(RecordFile &file)
{
    RecordFileHeader::write(file, titleText(), FormatVersion);
}

SettingsFile::Found SettingsFile::readSettingsAtStart(const QString &path, const QRect &desktop)
{
    // Made readable by everyone by an earlier version.
    OwnerOnlyFiles::narrow(path);
    OwnerOnlyFiles::narrow(backupPath(path));
    RecordFile file;
    const bool opened = file.openForRead(path);
    const Found found = load(file, opened, desktop);
    // Only a file that is not there at all is nothing; one that exists but cannot be opened
    // (no permission, a folder, a device) is kept as it is.
    if (!opened && !QFileInfo::exists(path)) {
        m_error.clear();
        return Found::Nothing;
    }
    return found;
}

SettingsFile::Found SettingsFile::readSettingsAtStart(QIODevice &device, const QRect &desktop)
{
    RecordFile file;
    return load(file, file.openDeviceForRead(device), desktop);
}

SettingsFile::Found SettingsFile::load(RecordFile &file, bool opened, const QRect &desktop)
{
    // A file that cannot be read gives factory values as a broken one does; the user is told why.
    m_error.clear();
    bool headerAccepted = false;
    try {
        headerAccepted = opened && file.size() <= MaxSize && readHeader(file) == RecordFileHeader::Accepted;
        loadSections(file, headerAccepted, desktop);
    } catch (const std::bad_alloc &) {
        // A file no memory is left for cannot be used either: factory values, not a crash.
        RecordFile none;
        loadSections(none, false, desktop);
        return Found::Unusable;
    }
    Found found = headerAccepted && file.intact() ? Found::Usable : Found::Unusable;
    if (!opened || file.unreadable()) {
        found = Found::Unreadable;
        m_error = file.errorString();
    } else if (file.size() == 0) {
        found = Found::Nothing; // an empty file holds nothing worth keeping
    }
    file.close();
    return found;
}

void SettingsFile::loadSections(RecordFile &file, bool headerAccepted, const QRect &desktop)
{
    // Each loader falls back to its factory values once the file has shown damage; as the damage
    // stays recorded, every later section does the same.
    SettingsSections::readGlobalSettings(m_state, file, headerAccepted);
    SettingsSections::readNewListDefaults(m_firstList, file, headerAccepted);
    m_windows.name.read(file, headerAccepted);
    m_windows.text.read(file, headerAccepted);
    m_windows.listData.read(file, headerAccepted);
    m_windows.mini.read(file, headerAccepted);
    m_windows.main.read(file, headerAccepted, desktop);
    m_windows.keepOnDesktop(desktop);
}

bool SettingsFile::writeSettingsAtEnd(const QString &path, Found &found, const QRect &desktop)
{
    m_error.clear();
    if ((found == Found::Unusable || found == Found::Unreadable) && !keepAside(path))
        return false;
    RecordFile file;
    if (!write(file, file.openForSave(path, OwnerOnlyFiles::FilePermissions), desktop))
        return false;
    found = Found::Usable;
    return true;
}

bool SettingsFile::keepAside(const QString &path)
{
    if (!QFileInfo(path).isFile())
        return true; // gone meanwhile, or a folder the save will fail on anyway
    const QString backup = backupPath(path);
    // QFile::copy does not replace, and a copy that fails half-way is removed by it.
    QFile::remove(backup);
    QFile source(path);
    if (source.copy(backup))
        return true;
    m_error = QStringLiteral("%1 -> %2: %3").arg(path, backup, source.errorString());
    return false;
}

bool SettingsFile::writeSettingsAtEnd(QIODevice &device, const QRect &desktop)
{
    RecordFile file;
    return write(file, file.openDeviceForSave(device), desktop);
}

bool SettingsFile::write(RecordFile &file, bool opened, const QRect &desktop)
{
    m_error.clear();
    if (!opened) {
        m_error = file.errorString();
        return false;
    }
    m_windows.keepOnDesktop(desktop);
    writeHeader(file);
    SettingsSections::writeGlobalSettings(m_state, file);
    SettingsSections::writeNewListDefaults(m_firstList, file);
    m_windows.name.write(file);
    m_windows.text.write(file);
    m_windows.listData.write(file);
    m_windows.mini.write(file);
    m_windows.main.write(file);
    if (!file.close()) {
        m_error = file.errorString();
        return false;
    }
    return true;
}

QString SettingsFile::startProblemTitle()
{
    return ProgramTexts::title() + ProgramTexts::fileReadErrorSuffix();
}

QString SettingsFile::startProblemText(Found found, const QString &path, const QString &reason, const QString &crLf)
{
    const QString named = QStringLiteral("設定ﾌｧｲﾙ：") + path + crLf + crLf;
    if (found == Found::Unreadable) {
        return named + QStringLiteral("このﾌｧｲﾙを読み込めませんでした。") + crLf + reason + crLf + crLf +
               QStringLiteral("初期設定で起動します。");
    }
    if (found != Found::Unusable)
        return QString();
    return named + QStringLiteral("このﾌｧｲﾙは、壊れているか、別のﾊﾞｰｼﾞｮﾝで作られたﾌｧｲﾙです。") + crLf +
           QStringLiteral("読み込めなかった設定は、初期設定になっています。") + crLf + crLf +
           QStringLiteral("元のﾌｧｲﾙは、終了する時に次の名前で残します。") + crLf + backupPath(path);
}
