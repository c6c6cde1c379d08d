// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SingleInstance.h"

#include <QDataStream>
#include <QFileInfo>
#include <QLocalSocket>
#include <QRegularExpression>
#include <memory>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {
// Nothing a start has to say comes near this; more is not read.
constexpr qint64 MaxMessage = 4 * 1024 * 1024;
constexpr int WaitMs = 2000;
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
        QByteArray message;
        QDataStream out(&message, QIODevice::WriteOnly);
        out << absolute;
        running.write(message);
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

void SingleInstance::receive(QLocalSocket *socket)
{
    socket->setParent(this);
    auto message = std::make_shared<QByteArray>();
    connect(socket, &QLocalSocket::readyRead, this, [socket, message] {
        message->append(socket->read(MaxMessage - message->size()));
        if (message->size() >= MaxMessage)
            socket->abort();
    });
    auto finish = [this, socket, message] {
        message->append(socket->readAll().left(MaxMessage - message->size()));
        socket->deleteLater();
        QDataStream in(*message);
        // The names one by one: reading a QStringList whole reserves room for as many as its
        // count claims, before a single one is there.
        quint32 count = 0;
        in >> count;
        QStringList files;
        for (quint32 i = 0; i < count && in.status() == QDataStream::Ok; ++i) {
            QString file;
            in >> file;
            files << file;
        }
        // Opening the files may show message boxes: not from inside the socket's own signal.
        if (in.status() == QDataStream::Ok)
            QMetaObject::invokeMethod(this, [this, files] { emit filesHanded(files); }, Qt::QueuedConnection);
    };
    // A start that has already left is read at once.
    if (socket->state() == QLocalSocket::UnconnectedState)
        finish();
    else
        connect(socket, &QLocalSocket::disconnected, this, finish);
}
