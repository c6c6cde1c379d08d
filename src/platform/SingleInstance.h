// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocalServer>
#include <QObject>
#include <QStringList>

// One running program per user and display, so that two never write one settings file over each
// other: a second start hands its command-line files to the running program and leaves.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    // The socket's name; the user's own runtime folder holds it where there is one.
    explicit SingleInstance(const QString &name = defaultName(), QObject *parent = nullptr);

    // True when this is the only program: it then listens for later starts. False when a
    // running program took the files (made absolute, for its working folder is another).
    bool claim(const QStringList &files);

    static QString defaultName();

signals:
    // A later start handed these files over (possibly none) and left.
    void filesHanded(const QStringList &files);

private:
    void receive(QLocalSocket *socket);

    QString m_name;
    QLocalServer m_server;
};
