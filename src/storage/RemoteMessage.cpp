// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/RemoteMessage.h"

#include <QDataStream>
#include <QIODevice>

namespace {
// A list of names begins with its count, which can never be this.
constexpr quint32 FramedMark = 0xFFFFFFFFu;
// A reply's mark, so that a reply is never taken for a request.
constexpr quint32 ReplyMark = 0xFFFFFFFEu;
constexpr QDataStream::Version StreamVersion = QDataStream::Qt_6_0;

QByteArray framed(quint32 mark, const QByteArray &payload)
{
    QByteArray message;
    QDataStream out(&message, QIODevice::WriteOnly);
    out.setVersion(StreamVersion);
    out << mark << quint64(payload.size());
    message += payload;
    return message;
}

// Strings one by one: reading a QStringList whole reserves room for as many as its count claims,
// before a single one is there.
bool readStrings(QDataStream &in, QStringList &strings)
{
    quint32 count = 0;
    in >> count;
    for (quint32 i = 0; i < count && in.status() == QDataStream::Ok; ++i) {
        QString string;
        in >> string;
        strings << string;
    }
    return in.status() == QDataStream::Ok;
}

// The payload of a framed message with the given mark, whole; nothing otherwise.
std::optional<QByteArray> payloadOf(const QByteArray &message, quint32 mark)
{
    const std::optional<qint64> size = RemoteMessage::framedSize(message);
    if (!size || *size < 0 || *size != message.size())
        return std::nullopt;
    QDataStream in(message);
    quint32 found = 0;
    in >> found;
    if (found != mark)
        return std::nullopt;
    return message.mid(RemoteMessage::HeadSize);
}
} // namespace

int rowNumberOf(const QString &text)
{
    bool number = false;
    const int row = text.toInt(&number);
    return number && row >= 0 ? row : -1;
}

QByteArray RemoteMessage::files(const QStringList &files)
{
    QByteArray message;
    QDataStream out(&message, QIODevice::WriteOnly);
    out << files;
    return message;
}

QByteArray RemoteMessage::request(const RemoteRequest &request)
{
    QByteArray payload;
    QDataStream out(&payload, QIODevice::WriteOnly);
    out.setVersion(StreamVersion);
    out << request.command << request.arguments;
    return framed(FramedMark, payload);
}

QByteArray RemoteMessage::reply(const RemoteReply &reply)
{
    QByteArray payload;
    QDataStream out(&payload, QIODevice::WriteOnly);
    out.setVersion(StreamVersion);
    out << qint32(reply.exitCode) << reply.output << reply.error;
    return framed(ReplyMark, payload);
}

std::optional<qint64> RemoteMessage::framedSize(const QByteArray &head)
{
    if (head.size() < HeadSize)
        return std::nullopt;
    QDataStream in(head);
    in.setVersion(StreamVersion);
    quint32 mark = 0;
    quint64 size = 0;
    in >> mark >> size;
    if ((mark != FramedMark && mark != ReplyMark) || size > quint64(MaxSize))
        return -1;
    return HeadSize + qint64(size);
}

std::optional<std::variant<QStringList, RemoteRequest>> RemoteMessage::read(const QByteArray &message)
{
    if (message.size() > MaxSize + HeadSize)
        return std::nullopt;
    if (message.startsWith(QByteArray(4, '\xff'))) {
        const std::optional<QByteArray> payload = payloadOf(message, FramedMark);
        if (!payload)
            return std::nullopt;
        QDataStream in(*payload);
        in.setVersion(StreamVersion);
        RemoteRequest request;
        in >> request.command;
        if (!readStrings(in, request.arguments) || !in.atEnd())
            return std::nullopt;
        return request;
    }
    QDataStream in(message);
    QStringList files;
    if (!readStrings(in, files))
        return std::nullopt;
    return files;
}

std::optional<RemoteReply> RemoteMessage::readReply(const QByteArray &message)
{
    const std::optional<QByteArray> payload = payloadOf(message, ReplyMark);
    if (!payload)
        return std::nullopt;
    QDataStream in(*payload);
    in.setVersion(StreamVersion);
    RemoteReply reply;
    qint32 code = 0;
    in >> code >> reply.output >> reply.error;
    reply.exitCode = code;
    if (in.status() != QDataStream::Ok || !in.atEnd())
        return std::nullopt;
    return reply;
}
