// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QList>
#include <QProcess>
#include <QStringList>
#include <QTimer>
#include <QtTest>

// Helpers of the tests that read the clipboard while its owner misbehaves.

// The worst gap between ticks of a 10 ms timer on the GUI thread.
class GapMeter : public QObject {
public:
    GapMeter()
    {
        m_clock.start();
        connect(&m_timer, &QTimer::timeout, this, [this] {
            worst = std::max(worst, m_clock.restart());
        });
        m_timer.start(10);
    }
    qint64 worst = 0;

private:
    QTimer m_timer;
    QElapsedTimer m_clock;
};

// badowner owning the clipboard until destroyed.
class BadOwner {
public:
    bool start(const QStringList &arguments)
    {
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start(QCoreApplication::applicationDirPath() + QStringLiteral("/helpers/badowner"), arguments);
        return m_process.waitForStarted() && QTest::qWaitFor([&] { return reports().contains("owning"); }, 10000);
    }
    QList<QByteArray> reports()
    {
        while (m_process.canReadLine())
            m_reports.append(m_process.readLine().trimmed());
        return m_reports;
    }
    qsizetype count(const QByteArray &report) { return reports().count(report); }
    ~BadOwner()
    {
        m_process.kill();
        m_process.waitForFinished();
    }

private:
    QProcess m_process;
    QList<QByteArray> m_reports;
};
