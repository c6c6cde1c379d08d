// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SingleInstance.h"

#include <QFileInfo>
#include <QLocalSocket>
#include <QRegularExpression>
#include <memory>

#ifdef Q_OS_UNIX
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace {
// Nothing a start has to say comes near this; more is not read.
constexpr qint64 MaxMessage = RemoteMessage::MaxSize + RemoteMessage::HeadSize;
constexpr int WaitMs = 2000;
// A command may wait on the window (a list of 32,767 rows to print, say).
constexpr int ReplyWaitMs = 30000;

// Whether the other end of the socket runs as this user, where the system tells.
bool sameUser(const QLocalSocket &socket)
{
#ifdef Q_OS_LINUX
    ucred peer{};
    socklen_t size = sizeof peer;
    if (::getsockopt(int(socket.socketDescriptor()), SOL_SOCKET, SO_PEERCRED, &peer, &size) != 0)
        return false;
    return peer.uid == ::getuid();
#else
    Q_UNUSED(socket);
    return true;
#endif
}
} // namespace

SingleInstance::SingleInstance(const QString &name, QObject *parent) : QObject(parent), m_name(name)
{
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *socket = m_server.nextPendingConnection())
            receive(socket);
    });
}

QString SingleInstance::defaultName()
{
    QString display = qEnvironmentVariable("DISPLAY");
    display.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9]")), QStringLiteral("_"));
    const QString base = QStringLiteral("quillkeeper-") + display;
#ifdef Q_OS_UNIX
    // The session's own folder, readable by the user alone; without one Qt would warn at every start.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir())
        return runtime + QLatin1Char('/') + base;
    return base + QLatin1Char('-') + QString::number(::getuid());
#else
    return base + QLatin1Char('-') + qEnvironmentVariable("USERNAME");
#endif
}

bool SingleInstance::claim(const QStringList &files)
{
    QLocalSocket running;
    running.connectToServer(m_name);
    if (running.waitForConnected(WaitMs)) {
        QStringList absolute;
        for (const QString &file : files)
            absolute << (file.isEmpty() ? file : QFileInfo(file).absoluteFilePath());
        running.write(RemoteMessage::files(absolute));
        if (running.waitForBytesWritten(WaitMs)) {
            running.disconnectFromServer();
            return false;
        }
    }
    // Nobody answers: whatever socket a crashed run left behind is stale.
    QLocalServer::removeServer(m_name);
    m_server.listen(m_name);
    return true;
}

std::optional<RemoteReply> SingleInstance::send(const RemoteRequest &request, const QString &name)
{
    QLocalSocket running;
    running.connectToServer(name);
    if (!running.waitForConnected(WaitMs))
        return std::nullopt;
    running.write(RemoteMessage::request(request));
    QByteArray reply;
    while (running.waitForReadyRead(ReplyWaitMs) || running.bytesAvailable() > 0) {
        reply += running.readAll();
        const std::optional<qint64> size = RemoteMessage::framedSize(reply);
        if (size && (*size < 0 || reply.size() >= *size))
            break;
    }
    return RemoteMessage::readReply(reply);
}

void SingleInstance::receive(QLocalSocket *socket)
{
    socket->setParent(this);
    if (!sameUser(*socket)) {
        socket->abort();
        socket->deleteLater();
        return;
    }
    auto message = std::make_shared<QByteArray>();
    connect(socket, &QLocalSocket::readyRead, this, [this, socket, message] {
        message->append(socket->read(MaxMessage - message->size()));
        // A command's start waits for the answer: it is read as soon as it is whole.
        const std::optional<qint64> framed = RemoteMessage::framedSize(*message);
        if (message->size() >= MaxMessage || (framed && *framed < 0 && message->startsWith(QByteArray(4, '\xff')))) {
            socket->abort();
        } else if (framed && *framed > 0 && message->size() >= *framed) {
            disconnect(socket, nullptr, this, nullptr);
            const auto received = RemoteMessage::read(message->left(*framed));
            if (received && std::holds_alternative<RemoteRequest>(*received))
                answer(socket, std::get<RemoteRequest>(*received));
            else
                socket->abort();
        }
    });
    auto finish = [this, socket, message] {
        message->append(socket->readAll().left(MaxMessage - message->size()));
        socket->deleteLater();
        const auto received = RemoteMessage::read(*message);
        if (!received || !std::holds_alternative<QStringList>(*received))
            return;
        // Opening the files may show message boxes: not from inside the socket's own signal.
        QMetaObject::invokeMethod(this, [this, files = std::get<QStringList>(*received)] { emit filesHanded(files); },
                                  Qt::QueuedConnection);
    };
    // A start that has already left is read at once.
    if (socket->state() == QLocalSocket::UnconnectedState)
        finish();
    else
        connect(socket, &QLocalSocket::disconnected, this, finish);
}

void SingleInstance::answer(QLocalSocket *socket, const RemoteRequest &request)
{
    // Answered from the event loop, not from inside the socket's own signal: a command may show a
    // window or a message box.
    QMetaObject::invokeMethod(
        this,
        [this, socket, request] {
            RemoteReply reply;
            if (m_answer) {
                reply = m_answer(request);
            } else {
                reply.exitCode = RemoteReply::Refused;
                reply.error = QStringLiteral("このｺﾏﾝﾄﾞは受け付けていません。");
            }
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            socket->write(RemoteMessage::reply(reply));
            socket->disconnectFromServer();
            // A start that already left is gone at once.
            if (socket->state() == QLocalSocket::UnconnectedState)
                socket->deleteLater();
        },
        Qt::QueuedConnection);
}
