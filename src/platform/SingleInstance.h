// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/RemoteMessage.h"

#include <QLocalServer>
#include <QObject>
#include <QStringList>
#include <functional>
#include <optional>

// One running program per user and display, so that two never write one settings file over each
// other: a second start hands its command-line files, or a command, to the running program and
// leaves. Only the user's own programs are heard: the socket is the user's alone, and a connection
// from another user is dropped unread.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    // The socket's name; the user's own runtime folder holds it where there is one.
    explicit SingleInstance(const QString &name = defaultName(), QObject *parent = nullptr);

    // True when this is the only program: it then listens for later starts. False when a
    // running program took the files (made absolute, for its working folder is another).
    bool claim(const QStringList &files);

    // A later start's side of a command: the running program's reply, or nothing when no program
    // runs (or it does not answer).
    static std::optional<RemoteReply> send(const RemoteRequest &request, const QString &name = defaultName());
    // Answers the commands later starts send; without one they are refused.
    void setAnswer(std::function<RemoteReply(const RemoteRequest &)> answer) { m_answer = std::move(answer); }

    static QString defaultName();

signals:
    // A later start handed these files over (possibly none) and left.
    void filesHanded(const QStringList &files);

private:
    void receive(QLocalSocket *socket);
    void answer(QLocalSocket *socket, const RemoteRequest &request);

    QString m_name;
    QLocalServer m_server;
    std::function<RemoteReply(const RemoteRequest &)> m_answer;
};
