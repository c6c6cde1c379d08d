#include "storage/SettingsFile.h"

#include "model/UtilityFirstList.h"
#include "model/UtilityGrobal.h"
#include "storage/SettingsSections.h"
#include "storage/WindowSettings.h"
#include "storage/spgFileCon.h"

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
    QDir().mkpath(config);
    return pathIn(config);
}

SettingsFile::SettingsFile(UtilityGrobal &grobal, UtilityFirstList &firstList, WindowSettings &windows)
    : m_grobal(grobal), m_firstList(firstList), m_windows(windows)
{
}

RecordFileHeader::Status SettingsFile::ReadUtilHeader(spgFileCon &Fee)
{
    return RecordFileHeader::read(Fee, titleText(), FormatVersion);
}

void SettingsFile::WriteUtilHeader(spgFileCon &Fee)
{
    RecordFileHeader::write(Fee, titleText(), FormatVersion);
}

SettingsFile::Found SettingsFile::Started(const QString &path, const QRect &desktop)
{
    spgFileCon Fee;
    const bool opened = Fee.openByForOpen(path);
    const Found found = load(Fee, opened, desktop);
    // Only a file that is not there at all is nothing; one that exists but cannot be opened
    // (no permission, a folder) is kept as it is.
    return !opened && !QFileInfo::exists(path) ? Found::Nothing : found;
}

SettingsFile::Found SettingsFile::Started(QIODevice &device, const QRect &desktop)
{
    spgFileCon Fee;
    return load(Fee, Fee.openDeviceForOpen(device), desktop);
}

SettingsFile::Found SettingsFile::load(spgFileCon &Fee, bool opened, const QRect &desktop)
{
    // A file that cannot be read at all counts as broken: the program starts with factory values.
    bool Version = false;
    try {
        Version = opened && ReadUtilHeader(Fee) == RecordFileHeader::Accepted;
        loadSections(Fee, Version, desktop);
    } catch (const std::bad_alloc &) {
        // A file no memory is left for cannot be used either: factory values, not a crash.
        spgFileCon none;
        loadSections(none, false, desktop);
        return Found::Unusable;
    }
    // An empty file holds nothing worth keeping.
    const Found found = !opened || Fee.size() > 0 ? (Version && Fee.intact() ? Found::Usable : Found::Unusable)
                                                  : Found::Nothing;
    Fee.closeBy();
    return found;
}

void SettingsFile::loadSections(spgFileCon &Fee, bool Version, const QRect &desktop)
{
    // Each loader falls back to its factory values once the file has shown damage; as the damage
    // stays recorded, every later section does the same.
    SettingsSections::LoadUtilGrobal(m_grobal, Fee, Version);
    SettingsSections::LoadUtilFirst(m_firstList, Fee, Version);
    m_windows.name.read(Fee, Version);
    m_windows.text.LoadUtilQKPRtext(Fee, Version);
    m_windows.listData.read(Fee, Version);
    m_windows.mini.LoadUtilQKPRmin(Fee, Version);
    m_windows.main.LoadUtilQKPRBase(Fee, Version, desktop);
}

bool SettingsFile::Ended(const QString &path, Found &found)
{
    m_error.clear();
    if (found == Found::Unusable && !keepAside(path))
        return false;
    spgFileCon Fee;
    if (!write(Fee, Fee.openByForSave(path)))
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

bool SettingsFile::Ended(QIODevice &device)
{
    spgFileCon Fee;
    return write(Fee, Fee.openDeviceForSave(device));
}

bool SettingsFile::write(spgFileCon &Fee, bool opened)
{
    m_error.clear();
    if (!opened) {
        m_error = Fee.errorString();
        return false;
    }
    WriteUtilHeader(Fee);
    SettingsSections::UGrobalOutofUtility(m_grobal, Fee);
    SettingsSections::UFirstOutofUtility(m_firstList, Fee);
    m_windows.name.write(Fee);
    m_windows.text.UQKPRtextOutofUtility(Fee);
    m_windows.listData.write(Fee);
    m_windows.mini.UQKPRminOutofUtility(Fee);
    m_windows.main.UQKPRbaseOutofUtility(Fee);
    if (!Fee.closeBy()) {
        m_error = Fee.errorString();
        return false;
    }
    return true;
}
