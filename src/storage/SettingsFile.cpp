#include "storage/SettingsFile.h"

#include "model/UtilityFirstList.h"
#include "model/UtilityGrobal.h"
#include "storage/SettingsSections.h"
#include "storage/WindowSettings.h"
#include "storage/spgFileCon.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryFile>

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

RecordFileHeader::Status SettingsFile::Started(const QString &path, const QRect &desktop)
{
    spgFileCon Fee;
    return load(Fee, Fee.openByForOpen(path), desktop);
}

RecordFileHeader::Status SettingsFile::Started(QIODevice &device, const QRect &desktop)
{
    spgFileCon Fee;
    return load(Fee, Fee.openDeviceForOpen(device), desktop);
}

RecordFileHeader::Status SettingsFile::load(spgFileCon &Fee, bool opened, const QRect &desktop)
{
    // A file that cannot be read at all counts as broken: the program starts with factory values.
    const RecordFileHeader::Status status = opened ? ReadUtilHeader(Fee) : RecordFileHeader::Broken;
    const bool Version = status == RecordFileHeader::Accepted;
    // Each loader falls back to its factory values once the file has shown damage; as the damage
    // stays recorded, every later section does the same.
    SettingsSections::LoadUtilGrobal(m_grobal, Fee, Version);
    SettingsSections::LoadUtilFirst(m_firstList, Fee, Version);
    m_windows.name.read(Fee, Version);
    m_windows.text.LoadUtilQKPRtext(Fee, Version);
    m_windows.listData.read(Fee, Version);
    m_windows.mini.LoadUtilQKPRmin(Fee, Version);
    m_windows.main.LoadUtilQKPRBase(Fee, Version, desktop);
    Fee.closeBy();
    return status;
}

bool SettingsFile::Ended(const QString &path)
{
    spgFileCon Fee;
    return write(Fee, Fee.openByForSave(path));
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
