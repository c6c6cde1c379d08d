// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>
#include <variant>

// A command a later start sends the running program (quillkeeper --add, --list, ...).
struct RemoteRequest {
    QString command; // the option's name: "add", "list", ...
    QStringList arguments;
    bool operator==(const RemoteRequest &) const = default;
};

// A row number as a command gives it (from 0); -1 when the text is none.
int rowNumberOf(const QString &text);

// The running program's answer: what the later start prints and the code it exits with.
struct RemoteReply {
    enum Code { Done = 0, NotRunning = 1, BadUsage = 2, Refused = 3 };
    int exitCode = Done;
    QByteArray output; // UTF-8, for standard output
    QString error;     // for standard error
    bool operator==(const RemoteReply &) const = default;
};

// What a later start and the running program say to each other over the single-instance socket.
// Files to open go as a list of names, read until the start hangs up (as every version has sent
// them). A request goes framed, since its start waits for the reply on the same connection: a mark
// no list of names can begin with, the payload's size, then the payload. Nothing read is trusted:
// a size past MaxSize or a malformed payload is refused before anything is made of it.
class RemoteMessage {
public:
    // Enough for a large text added with --add.
    static constexpr qint64 MaxSize = qint64(64) << 20;
    // Bytes of a framed message's head: the mark and the size.
    static constexpr qint64 HeadSize = 12;

    static QByteArray files(const QStringList &files);
    static QByteArray request(const RemoteRequest &request);
    static QByteArray reply(const RemoteReply &reply);

    // How many bytes the framed message beginning with head takes in all; nothing when head is too
    // short to tell, -1 when it is no framed message, or claims more than MaxSize.
    static std::optional<qint64> framedSize(const QByteArray &head);
    // A whole message as received: files or a request; nothing when malformed.
    static std::optional<std::variant<QStringList, RemoteRequest>> read(const QByteArray &message);
    static std::optional<RemoteReply> readReply(const QByteArray &message);
};
