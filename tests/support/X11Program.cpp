// SPDX-License-Identifier: GPL-3.0-or-later
#include "X11Program.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QRegularExpression>
#include <QThread>

X11Program::X11Program()
{
    m_process.setProcessChannelMode(QProcess::ForwardedChannels);
}

X11Program::~X11Program()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
}

bool X11Program::start(const QStringList &arguments)
{
    const QString built = qEnvironmentVariable("QK_PROGRAM");
    if (built.isEmpty() || !m_dir.isValid())
        return false;
    const QString copy = m_dir.filePath(QStringLiteral("quillkeeper"));
    if (!QFile::copy(built, copy))
        return false;
    QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    m_process.setWorkingDirectory(m_dir.path());
    m_process.start(copy, arguments);
    return m_process.waitForStarted(10000);
}

QString X11Program::run(const QString &program, const QStringList &arguments, int timeoutMs)
{
    QProcess p;
    p.start(program, arguments);
    if (!p.waitForFinished(timeoutMs)) {
        p.kill();
        p.waitForFinished();
        return QString();
    }
    return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
}

QString X11Program::waitForWindow(const QString &title, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    const QString pid = QString::number(m_process.processId());
    // xdotool takes POSIX expressions, byte by byte: only ASCII marks are escaped.
    const QString exact = QString(title).replace(QRegularExpression(QStringLiteral("([][.^$*+?(){}|\\\\])")), QStringLiteral("\\\\1"));
    while (!deadline.hasExpired()) {
        // Without --all a window of the program with any title would do.
        const QStringList ids = run(QStringLiteral("xdotool"),
                                    {QStringLiteral("search"), QStringLiteral("--all"), QStringLiteral("--onlyvisible"),
                                     QStringLiteral("--pid"), pid, QStringLiteral("--name"),
                                     QLatin1Char('^') + exact + QLatin1Char('$')})
                                    .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        if (!ids.isEmpty())
            return ids.first();
        QThread::msleep(100);
    }
    return QString();
}

QRect X11Program::geometry(const QString &windowId) const
{
    const QString info = run(QStringLiteral("xwininfo"), {QStringLiteral("-id"), windowId});
    auto number = [&](const char *label) {
        const QRegularExpression re(QString::fromLatin1(label) + QStringLiteral(":\\s+(-?\\d+)"));
        return re.match(info).captured(1).toInt();
    };
    const QRect client(number("Absolute upper-left X"), number("Absolute upper-left Y"), number("Width"),
                       number("Height"));
    // Under a window manager the outer frame adds the extents it announces.
    const QString extents = run(QStringLiteral("xprop"), {QStringLiteral("-id"), windowId, QStringLiteral("_NET_FRAME_EXTENTS")});
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("= (\\d+), (\\d+), (\\d+), (\\d+)")).match(extents);
    if (!m.hasMatch())
        return client;
    return client.marginsAdded(QMargins(m.captured(1).toInt(), m.captured(3).toInt(), m.captured(2).toInt(),
                                        m.captured(4).toInt()));
}

QString X11Program::windowName(const QString &windowId) const
{
    return run(QStringLiteral("xdotool"), {QStringLiteral("getwindowname"), windowId});
}

bool X11Program::screenshot(const QString &path) const
{
    QProcess p;
    p.start(QStringLiteral("import"), {QStringLiteral("-window"), QStringLiteral("root"), path});
    return p.waitForFinished(20000) && p.exitCode() == 0;
}

int X11Program::closeAndWait(const QString &windowId, int timeoutMs)
{
    // End the program the way a user does from the keyboard, with or without a window manager
    // to deliver a close request: its window gets the focus and Ctrl+Q.
    run(QStringLiteral("xdotool"), {QStringLiteral("windowfocus"), QStringLiteral("--sync"), windowId});
    run(QStringLiteral("xdotool"), {QStringLiteral("key"), QStringLiteral("ctrl+q")});
    if (!m_process.waitForFinished(timeoutMs))
        return -1;
    return m_process.exitStatus() == QProcess::NormalExit ? m_process.exitCode() : -1;
}
