// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QFileDevice>
#include <QString>
#include <QStringView>

#include <memory>

class QFile;
class QIODevice;
class QSaveFile;

// One record file, read or written one typed little-endian value at a time at a 1-based position.
// A file opened for reading is read piece by piece as the values are asked for, so a huge file
// costs no more memory than what is taken from it; reads beyond its end yield zeros. A file
// opened for saving is collected in memory and reaches the disk only in close(), through a
// temporary file that replaces the old one when everything was written (QSaveFile), so a failed
// save leaves the previous file as it was.
class RecordFile {
public:
    RecordFile();
    // An open file is closed; a save that was not closed with close() is discarded.
    ~RecordFile();
    RecordFile(const RecordFile &) = delete;
    RecordFile &operator=(const RecordFile &) = delete;

    // Between a successful open and the close.
    bool isOpen() const { return m_mode != Mode::Closed; }

    // Start a new file at path, replacing the file there when close() succeeds; a folder, a
    // device or a pipe there is left alone and refused. The new file gets `permissions` when given,
    // otherwise those of the file it replaces (a new one: the system's default).
    bool openForSave(const QString &path, QFileDevice::Permissions permissions = {});
    // Read the file at path. False, with the system's reason in errorString(), when it cannot be
    // opened; a missing file is not created. Only a regular file is opened (a link to one
    // too): never a folder, a device or a pipe, and never waiting on one.
    bool openForRead(const QString &path);
    // The same on a device the caller owns (tests, fuzzing). A save device must allow seeking
    // back to its start unless it is sequential; it is written in close(). A device read must
    // stay open until close().
    bool openDeviceForSave(QIODevice &device);
    bool openDeviceForRead(QIODevice &device);
    // Ends the file. For a save, true only when every byte reached the file and it replaced the
    // old one; otherwise the old file is left untouched and errorString() tells why.
    bool close();

    qint16 readInt16();
    qint32 readInt32();
    float readFloat();
    bool readBool();
    // A count, then that many characters. A count below zero or beyond the bytes left is damage:
    // nothing more is read, failed() turns true and the result is empty. So is a string there is
    // no memory for; then also unreadable().
    QString readString();
    // The same with a limit: a count outside 0 ... maxLength returns false with text unchanged and the
    // position just after the count (damage as above also returns false).
    bool readStringUpTo(qint32 maxLength, QString &text);

    void writeInt16(qint16 value);
    void writeInt32(qint32 value);
    void writeFloat(float value);
    void writeBool(bool value);
    void writeString(QStringView text);

    // 1-based: the first byte of the file is position 1.
    qint64 position() const { return m_offset + 1; }
    void setPosition(qint64 position);
    qint64 size() const { return m_mode == Mode::Open ? m_size : m_data.size(); }

    // A damaged string count was met, a read or write could not be made.
    bool failed() const { return m_failed; }
    // What is in the file could not be taken (a read error, a file that shrank, no memory for a
    // string): unlike damage, errorString() then gives the system's reason.
    bool unreadable() const { return m_unreadable; }
    // A read reached beyond the end of the file (the missing bytes read as zero).
    bool readPastEnd() const { return m_pastEnd; }
    // Everything read so far was really in the file.
    bool intact() const { return !m_failed && !m_pastEnd; }
    QString errorString() const { return m_error; }

private:
    enum class Mode { Closed, Open, Save };

    void reset(Mode mode);
    void fail(const QString &why);
    void cannotRead(const QString &why);
    bool openRegular(QFile &file);
    bool startReading(QIODevice &device);
    qint64 windowAt(qint64 offset, qint64 need, const char *&bytes);
    void readBytes(char *into, qint64 count);
    void writeBytes(const char *from, qint64 count);
    qint64 bytesLeft() const { return m_offset < size() ? size() - m_offset : 0; }
    QString readStringOfLength(qint32 n);
    bool writeOut(QIODevice &device);

    Mode m_mode = Mode::Closed;
    // Saving: everything written so far.
    QByteArray m_data;
    qint64 m_offset = 0;
    // Reading: the source, its size, and the piece of it last read.
    std::unique_ptr<QFile> m_readFile;
    std::unique_ptr<QIODevice> m_readCopy;
    QIODevice *m_source = nullptr;
    qint64 m_size = 0;
    QByteArray m_window;
    qint64 m_windowStart = 0;
    std::unique_ptr<QSaveFile> m_saveFile;
    QIODevice *m_saveDevice = nullptr; // not owned
    bool m_failed = false;
    bool m_unreadable = false;
    bool m_pastEnd = false;
    QString m_error;
};
