// SPDX-License-Identifier: GPL-3.0-or-later
// Termination signals reach the event loop as a Qt signal instead of ending the process.
#include "platform/TerminationSignals.h"

#include <QSignalSpy>
#include <QThread>
#include <QtTest>

#include <csignal>

namespace {
volatile std::sig_atomic_t s_earlierHandlerRan = 0;
extern "C" void earlierHandler(int) { s_earlierHandlerRan = 1; }
} // namespace

class TestTerminationSignals : public QObject {
    Q_OBJECT
private slots:
    void signalArrivesOnTheEventLoop_data();
    void signalArrivesOnTheEventLoop();
    void previousHandlerComesBack();
};

void TestTerminationSignals::signalArrivesOnTheEventLoop_data()
{
    QTest::addColumn<int>("signal");
    QTest::newRow("SIGTERM") << SIGTERM;
    QTest::newRow("SIGHUP") << SIGHUP;
    QTest::newRow("SIGINT") << SIGINT;
}

void TestTerminationSignals::signalArrivesOnTheEventLoop()
{
    QFETCH(int, signal);
    TerminationSignals signals_;
    QVERIFY(signals_.isInstalled());
    QThread *receivedOn = nullptr;
    connect(&signals_, &TerminationSignals::terminationRequested, this, [&] { receivedOn = QThread::currentThread(); });
    QSignalSpy spy(&signals_, &TerminationSignals::terminationRequested);

    QCOMPARE(std::raise(signal), 0);
    QCOMPARE(std::raise(signal), 0);
    // Not from inside the handler: only once the event loop runs.
    QCOMPARE(spy.count(), 0);
    QTRY_COMPARE(spy.count(), 2);
    QCOMPARE(spy.at(0).at(0).toInt(), signal);
    QCOMPARE(receivedOn, QThread::currentThread());
}

void TestTerminationSignals::previousHandlerComesBack()
{
    struct sigaction mine = {}, before = {};
    mine.sa_handler = earlierHandler;
    sigemptyset(&mine.sa_mask);
    QCOMPARE(sigaction(SIGTERM, &mine, &before), 0);
    {
        TerminationSignals signals_;
        QSignalSpy spy(&signals_, &TerminationSignals::terminationRequested);
        // A second object leaves the first in charge.
        TerminationSignals second;
        QVERIFY(!second.isInstalled());
        std::raise(SIGTERM);
        QTRY_COMPARE(spy.count(), 1);
        QCOMPARE(int(s_earlierHandlerRan), 0);
    }
    std::raise(SIGTERM);
    QCOMPARE(int(s_earlierHandlerRan), 1);
    sigaction(SIGTERM, &before, nullptr);
}

QTEST_GUILESS_MAIN(TestTerminationSignals)
#include "tst_terminationsignals.moc"
