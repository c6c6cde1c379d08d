// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClipboardOwner.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QSignalSpy>
#include <QTest>

ClipboardOwner::~ClipboardOwner()
{
    release();
}

QString ClipboardOwner::helperPath()
{
    const QString fromEnv = qEnvironmentVariable("QK_CLIPOWNER");
    return fromEnv.isEmpty() ? QCoreApplication::applicationDirPath() + QStringLiteral("/helpers/clipowner") : fromEnv;
}

void ClipboardOwner::release()
{
    if (m_owner) {
        m_owner->kill();
        m_owner->waitForFinished();
        m_owner.reset();
    }
}

bool ClipboardOwner::take(const QStringList &owner, const QByteArray &input)
{
    // The previous owner stays until the new one has taken over: an owner that dies while it
    // still owns the clipboard is reported as a change too, which could be taken for this one.
    std::unique_ptr<QProcess> previous = std::move(m_owner);
    m_reports.clear();
    bool changed = false;
    const auto connection = QObject::connect(QGuiApplication::clipboard(), &QClipboard::changed,
                                             [&changed](QClipboard::Mode mode) {
                                                 if (mode == QClipboard::Clipboard)
                                                     changed = true;
                                             });
    m_owner = std::make_unique<QProcess>();
    const bool xclip = owner.first() == QLatin1String("xclip");
    if (xclip) {
        m_owner->setStandardErrorFile(QProcess::nullDevice()); // "-quiet" still chats on stderr
        m_owner->start(QStringLiteral("xclip"),
                       QStringList{QStringLiteral("-selection"), QStringLiteral("clipboard"), QStringLiteral("-quiet")} +
                           owner.mid(1));
    } else {
        m_owner->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_owner->start(helperPath(), owner.mid(1));
    }
    bool ok = m_owner->waitForStarted();
    if (ok) {
        if (xclip) {
            m_owner->write(input);
            m_owner->closeWriteChannel();
        }
        ok = QTest::qWaitFor([&changed] { return changed; }, OwnerTimeoutMs);
    }
    QObject::disconnect(connection);
    // Let a second notice of the same change (selection clear plus XFixes) arrive now, not later.
    QTest::qWait(100);
    if (previous) {
        previous->kill();
        previous->waitForFinished();
    }
    if (ok && !xclip)
        helperReports(0);
    return ok;
}

QList<QByteArray> ClipboardOwner::helperReports(int settleMs)
{
    if (settleMs > 0)
        QTest::qWait(settleMs);
    if (!m_owner)
        return m_reports;
    while (m_owner->canReadLine() || m_owner->waitForReadyRead(10)) {
        while (m_owner->canReadLine())
            m_reports.append(m_owner->readLine().trimmed());
    }
    return m_reports;
}

QByteArray ClipboardOwner::readWithXclip(const QString &target)
{
    QProcess reader;
    QSignalSpy finished(&reader, &QProcess::finished);
    QStringList arguments{QStringLiteral("-o"), QStringLiteral("-selection"), QStringLiteral("clipboard")};
    if (!target.isEmpty())
        arguments << QStringLiteral("-t") << target;
    reader.start(QStringLiteral("xclip"), arguments);
    if (!finished.wait(60000)) {
        reader.kill();
        reader.waitForFinished();
        return "(xclip -o did not finish)";
    }
    return reader.readAllStandardOutput();
}
