// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/RecordFile.h"

#include "model/ProgramTexts.h"
#include "storage/Cp932Codec.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QtEndian>

#include <bit>
#include <cerrno>
#include <cstring>
#include <new>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {
// How much of a file being read is held at a time.
constexpr qint64 WindowSize = 1 << 16;

// A folder, a device or a pipe, also behind a link: never read or written as a file.
bool notAFileAt(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() && !info.isFile();
}
} // namespace

RecordFile::RecordFile() = default;

RecordFile::~RecordFile()
{
    if (m_saveFile)
        m_saveFile->cancelWriting();
}

void RecordFile::reset(Mode mode)
{
    m_mode = mode;
    m_data.clear();
    m_offset = 0;
    m_saveFile.reset();
    m_saveDevice = nullptr;
    m_source = nullptr;
    m_readFile.reset();
    m_readCopy.reset();
    m_size = 0;
    m_window.clear();
    m_windowStart = 0;
    m_failed = false;
    m_unreadable = false;
    m_pastEnd = false;
    m_error.clear();
}

void RecordFile::fail(const QString &why)
{
    if (!m_failed)
        m_error = why;
    m_failed = true;
}

void RecordFile::cannotRead(const QString &why)
{
    fail(why);
    m_unreadable = true;
}

bool RecordFile::openForSave(const QString &path, QFileDevice::Permissions permissions)
{
    if (m_mode != Mode::Closed)
        close();
    reset(Mode::Closed);
    // The new file would take the place of a device or a pipe, or of what a link points to.
    if (notAFileAt(path)) {
        m_error = ProgramTexts::notAFile();
        return false;
    }
    auto file = std::make_unique<QSaveFile>(path);
    // Unbuffered: every write reports what really reached the disk. Buffered, Qt 6.4 lets a
    // final flush that the disk took only in part pass as success, and commit() would then put a
    // cut-off file in place of the old one.
    // The permissions go to the temporary file, before anything is written into it.
    if (!file->open(QIODevice::WriteOnly | QIODevice::Unbuffered)
        || (permissions && !file->setPermissions(permissions))) {
        m_error = file->errorString();
        return false;
    }
    reset(Mode::Save);
    m_saveFile = std::move(file);
    return true;
}

bool RecordFile::openForRead(const QString &path)
{
    if (m_mode != Mode::Closed)
        close();
    reset(Mode::Closed);
    // Creating a missing file here would leave an empty one behind that later reads as damaged.
    auto file = std::make_unique<QFile>(path);
    if (!openRegular(*file))
        return false;
    if (!startReading(*file))
        return false;
    m_readFile = std::move(file);
    return true;
}

bool RecordFile::openRegular(QFile &file)
{
    // Only a regular file has an end: a device such as /dev/zero would be read until memory runs
    // out, a pipe without a writer would hold the program in open() for good. Neither is opened.
    if (notAFileAt(file.fileName())) {
        m_error = ProgramTexts::notAFile();
        return false;
    }
#ifdef Q_OS_UNIX
    // What was looked at may be replaced before it is opened: open without waiting on a pipe,
    // then make sure of what was opened.
    const int fd = ::open(QFile::encodeName(file.fileName()).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        m_error = qt_error_string(errno);
        return false;
    }
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        m_error = ProgramTexts::notAFile();
        return false;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    // The file takes the handle over and closes it.
    if (file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        return true;
#else
    if (file.open(QIODevice::ReadOnly))
        return true;
#endif
    m_error = file.errorString();
    return false;
}

bool RecordFile::openDeviceForSave(QIODevice &device)
{
    if (m_mode != Mode::Closed)
        close();
    reset(Mode::Closed);
    if (!device.isOpen() && !device.open(QIODevice::WriteOnly)) {
        m_error = device.errorString();
        return false;
    }
    if (!device.isWritable()) {
        m_error = QStringLiteral("the device cannot be written");
        return false;
    }
    reset(Mode::Save);
    m_saveDevice = &device;
    return true;
}

bool RecordFile::openDeviceForRead(QIODevice &device)
{
    if (m_mode != Mode::Closed)
        close();
    reset(Mode::Closed);
    if (!device.isOpen() && !device.open(QIODevice::ReadOnly)) {
        m_error = device.errorString();
        return false;
    }
    if (!device.isReadable()) {
        m_error = QStringLiteral("the device cannot be read");
        return false;
    }
    return startReading(device);
}

bool RecordFile::startReading(QIODevice &device)
{
    reset(Mode::Open);
    m_source = &device;
    if (device.isSequential()) {
        // No going back in a pipe or socket: take it whole (files and buffers are never such).
        auto copy = std::make_unique<QBuffer>();
        copy->setData(device.readAll());
        copy->open(QIODevice::ReadOnly);
        m_source = copy.get();
        m_readCopy = std::move(copy);
    }
    m_size = m_source->size();
    if (m_size < 0 || !m_source->seek(0)) {
        const QString why = m_source->errorString();
        reset(Mode::Closed);
        m_error = why;
        return false;
    }
    return true;
}

bool RecordFile::writeOut(QIODevice &device)
{
    if (!device.isSequential() && !device.seek(0)) {
        m_error = device.errorString();
        return false;
    }
    constexpr qint64 Chunk = 1 << 16;
    for (qint64 at = 0; at < m_data.size(); at += Chunk) {
        const qint64 length = std::min(Chunk, m_data.size() - at);
        const qint64 done = device.write(m_data.constData() + at, length);
        if (done != length) {
            // A short write without an error is a full disk or a size limit.
            m_error = done < 0 && !device.errorString().isEmpty()
                          ? device.errorString()
                          : QStringLiteral("only %1 of %2 bytes could be written").arg(at + std::max<qint64>(done, 0)).arg(m_data.size());
            return false;
        }
    }
    return true;
}

bool RecordFile::close()
{
    bool ok = true;
    if (m_mode == Mode::Save) {
        if (m_failed) {
            ok = false;
        } else if (m_saveFile) {
            ok = writeOut(*m_saveFile);
            if (!ok)
                m_saveFile->cancelWriting();
            if (!m_saveFile->commit()) {
                if (ok)
                    m_error = m_saveFile->errorString();
                ok = false;
            }
        } else if (m_saveDevice) {
            ok = writeOut(*m_saveDevice);
        }
    }
    // What was met while reading (failed(), readPastEnd(), errorString()) stays to be asked.
    m_saveFile.reset();
    m_saveDevice = nullptr;
    m_data.clear();
    m_source = nullptr;
    m_readFile.reset();
    m_readCopy.reset();
    m_window.clear();
    m_windowStart = 0;
    m_size = 0;
    m_offset = 0;
    m_mode = Mode::Closed;
    return ok;
}

void RecordFile::setPosition(qint64 position)
{
    if (position < 1) {
        fail(QStringLiteral("position %1 lies before the start of the file").arg(position));
        return;
    }
    m_offset = position - 1;
}

qint64 RecordFile::windowAt(qint64 offset, qint64 need, const char *&bytes)
{
    // Callers need at most a few bytes, starting inside the file; they get all the window holds.
    need = std::min(need, m_size - offset);
    if (offset < m_windowStart || offset + need > m_windowStart + m_window.size()) {
        if (m_unreadable)
            return 0;
        const qint64 length = std::min(WindowSize, m_size - offset);
        m_window.resize(length);
        m_windowStart = offset;
        const qint64 got = m_source->seek(offset) ? m_source->read(m_window.data(), length) : -1;
        if (got != length) {
            m_window.clear();
            cannotRead(got < 0 && !m_source->errorString().isEmpty()
                           ? m_source->errorString()
                           : QStringLiteral("the file ended at byte %1 while being read").arg(offset + std::max<qint64>(got, 0)));
            return 0;
        }
    }
    bytes = m_window.constData() + (offset - m_windowStart);
    return m_windowStart + m_window.size() - offset;
}

void RecordFile::readBytes(char *into, qint64 count)
{
    qint64 have = std::min(count, bytesLeft());
    if (have > 0) {
        const char *bytes = nullptr;
        have = std::min(have, windowAt(m_offset, have, bytes));
        if (have > 0)
            std::memcpy(into, bytes, size_t(have));
    }
    if (have < count) {
        std::memset(into + have, 0, size_t(count - have));
        m_pastEnd = true;
    }
    m_offset += count;
}

void RecordFile::writeBytes(const char *from, qint64 count)
{
    if (m_mode != Mode::Save) {
        fail(QStringLiteral("the file is not open for saving"));
        return;
    }
    if (m_offset + count > m_data.size())
        m_data.resize(m_offset + count, '\0');
    std::memcpy(m_data.data() + m_offset, from, size_t(count));
    m_offset += count;
}

qint16 RecordFile::readInt16()
{
    char bytes[2];
    readBytes(bytes, 2);
    return qFromLittleEndian<qint16>(bytes);
}

qint32 RecordFile::readInt32()
{
    char bytes[4];
    readBytes(bytes, 4);
    return qFromLittleEndian<qint32>(bytes);
}

float RecordFile::readFloat()
{
    char bytes[4];
    readBytes(bytes, 4);
    return std::bit_cast<float>(qFromLittleEndian<quint32>(bytes));
}

bool RecordFile::readBool()
{
    return readInt16() != 0;
}

QString RecordFile::readStringOfLength(qint32 n)
{
    // Callers have made sure n <= bytesLeft(), so a damaged count cannot ask for more room than
    // the file could fill.
    const Cp932Codec &codec = Cp932Codec::instance();
    QString text;
    try {
        text.reserve(n);
    } catch (const std::bad_alloc &) {
        cannotRead(QString::fromLocal8Bit(std::strerror(ENOMEM)));
        m_offset += n;
        return {};
    }
    while (text.size() < n && bytesLeft() > 0) {
        const char *bytes = nullptr;
        // Two bytes at least: a whole double-byte character.
        const qint64 got = windowAt(m_offset, 2, bytes);
        if (got == 0)
            break;
        const qint64 wanted = n - text.size();
        // The file's last piece is read as the whole string would be; an earlier one may end
        // between the two bytes of a character, which the next piece then starts with.
        const qint64 used = m_offset + got == m_size ? codec.decode(bytes, got, wanted, text)
                                                     : codec.decodeWhole(bytes, got, wanted, text);
        if (used > got)
            m_pastEnd = true;
        m_offset += used;
    }
    if (text.size() < n) {
        m_offset += n - text.size();
        text.resize(n, QChar(u'\0'));
        m_pastEnd = true;
    }
    return text;
}

QString RecordFile::readString()
{
    const qint64 countAt = position();
    const qint32 n = readInt32();
    if (n < 0 || n > bytesLeft()) {
        fail(QStringLiteral("string count %1 at position %2 does not fit the file").arg(n).arg(countAt));
        return {};
    }
    return readStringOfLength(n);
}

bool RecordFile::readStringUpTo(qint32 maxLength, QString &text)
{
    const qint64 countAt = position();
    const qint32 n = readInt32();
    if (n < 0 || n > maxLength)
        return false;
    if (n > bytesLeft()) {
        fail(QStringLiteral("string count %1 at position %2 does not fit the file").arg(n).arg(countAt));
        return false;
    }
    text = readStringOfLength(n);
    return true;
}

void RecordFile::writeInt16(qint16 value)
{
    char bytes[2];
    qToLittleEndian(value, bytes);
    writeBytes(bytes, 2);
}

void RecordFile::writeInt32(qint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    writeBytes(bytes, 4);
}

void RecordFile::writeFloat(float value)
{
    char bytes[4];
    qToLittleEndian(std::bit_cast<quint32>(value), bytes);
    writeBytes(bytes, 4);
}

void RecordFile::writeBool(bool value)
{
    writeInt16(value ? -1 : 0);
}

void RecordFile::writeString(QStringView text)
{
    writeInt32(qint32(text.size()));
    if (m_mode == Mode::Save && m_offset == m_data.size()) {
        // The usual case, writing at the end: encode straight into the file's bytes.
        Cp932Codec::instance().encode(text, m_data);
        m_offset = m_data.size();
        return;
    }
    const QByteArray bytes = Cp932Codec::instance().encode(text);
    writeBytes(bytes.constData(), bytes.size());
}
