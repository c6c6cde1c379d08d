// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/RecordFileHeader.h"

#include <QRect>
#include <QString>

class QIODevice;
class NewListDefaults;
class GlobalSettings;
class RecordFile;
struct WindowSettings;

// The settings file QKPRUtil.dat: a header, then the global settings, the new-list defaults, the
// naming dialog, the text window, the list information dialog, the mini window and the main window,
// in that order. Read once at start-up (readSettingsAtStart) and written anew once at the end (writeSettingsAtEnd).
class SettingsFile {
public:
    static constexpr qint16 FormatVersion = 11;
    static QString fileName() { return QStringLiteral("QKPRUtil.dat"); }
    // Where a file that could not be used is kept before it is written over.
    static QString backupPath(const QString &path) { return path + QStringLiteral(".bak"); }
    static QString titleText() { return QStringLiteral("Arlen.T.K. QuillKeeper Utility Values"); }

    // The settings file inside `folder`.
    static QString pathIn(const QString &folder);
    // Where the settings file belongs: the program's folder when files can be made there,
    // otherwise the per-user configuration folder (created when missing).
    static QString location(const QString &programFolder);

    // What readSettingsAtStart found, for writeSettingsAtEnd: a file it could not use (another format version, damaged,
    // cut short) or could not read (no permission, not a regular file, a read error) is kept
    // aside before it is written over.
    enum class Found { Nothing, Usable, Unusable, Unreadable };
    // Nothing the program writes comes near this; a larger file is not read at all.
    static constexpr qint64 MaxSize = 1 << 20;

    SettingsFile(GlobalSettings &state, NewListDefaults &firstList, WindowSettings &windows);

    // Reads the file and hands every section to its owner. A missing, empty, cut-short, damaged,
    // older, newer, foreign or unreadable file gives factory values everywhere (from the first
    // damaged section on); nothing is created. When Unreadable, errorString() tells why. The file
    // and its backup are first made readable by the user only.
    // `desktop` is the rectangle of every screen together, in pixels: every window's size and
    // place are kept within it.
    Found readSettingsAtStart(const QString &path, const QRect &desktop);
    Found readSettingsAtStart(QIODevice &device, const QRect &desktop);

    // Writes the whole file anew from the live settings and the window records. `found` is what
    // readSettingsAtStart said: an Unusable or Unreadable file is first copied to backupPath() (replacing an
    // older backup), and is not written over when that copy fails. The old file is replaced only
    // when the new one was written completely; `found` is then Usable. False when that failed;
    // then errorString() tells why and the old file is as it was. Every window's size and place
    // are first kept within `desktop`, unless it is empty.
    bool writeSettingsAtEnd(const QString &path, Found &found, const QRect &desktop = QRect());
    bool writeSettingsAtEnd(QIODevice &device, const QRect &desktop = QRect());
    QString errorString() const { return m_error; }

    // What the user is told at start-up about a file readSettingsAtStart could not use (Unusable) or read
    // (Unreadable, with the reason); a file that was usable or missing needs no word.
    static QString startProblemTitle();
    static QString startProblemText(Found found, const QString &path, const QString &reason, const QString &crLf);

    static RecordFileHeader::Status readHeader(RecordFile &file);
    static void writeHeader(RecordFile &file);

private:
    Found load(RecordFile &file, bool opened, const QRect &desktop);
    void loadSections(RecordFile &file, bool headerAccepted, const QRect &desktop);
    bool keepAside(const QString &path);
    bool write(RecordFile &file, bool opened, const QRect &desktop);

    GlobalSettings &m_state;
    NewListDefaults &m_firstList;
    WindowSettings &m_windows;
    QString m_error;
};
