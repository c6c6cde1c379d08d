// SPDX-License-Identifier: GPL-3.0-or-later
// The X clipboard read on its own connection, against other processes as owners: xclip, the Qt
// helper clipowner, and badowner, which misbehaves as broken or slow programs do.
#include "BadOwner.h"
#include "ClipboardOwner.h"
#include "platform/LineBreaks.h"
#include "platform/QtClipboard.h"
#include "platform/x11/XcbClipboardConnection.h"

#include <QClipboard>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QUuid>
#include <QtTest>

#include <xcb/xcb.h>

namespace {

// Every result the reader reports, in order: "text:<text>", "secret" or "failed".
class Results : public QObject {
public:
    explicit Results(XcbClipboardConnection &reader)
    {
        connect(&reader, &XcbClipboardConnection::textRead, this, [this](const QString &t) { events << "text:" + t; });
        connect(&reader, &XcbClipboardConnection::secretSkipped, this, [this] { events << QStringLiteral("secret"); });
        connect(&reader, &XcbClipboardConnection::readFailed, this, [this] { events << QStringLiteral("failed"); });
    }
    bool waitFor(qsizetype count, int ms = 10000)
    {
        return QTest::qWaitFor([&] { return events.size() >= count; }, ms);
    }
    QStringList events;
};

} // namespace

class TestXcbClipboardConnection : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();

    void sameTextAsQtClipboard_data();
    void sameTextAsQtClipboard();
    void badOwnerNeverStallsTheGui_data();
    void badOwnerNeverStallsTheGui();
    void stalledTransfersReuseTheirProperties();
    void lateAnswerIsNotTakenForText();
    void quickCopiesAreEachRead();
    void largeTextArrivesWhole();
    void ownContentAndReadingOff();

private:
    std::unique_ptr<XcbClipboardConnection> m_reader;
    std::unique_ptr<Results> m_results;
    ClipboardOwner m_owner;
};

void TestXcbClipboardConnection::initTestCase()
{
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
    QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("xclip")).isEmpty(), "xclip is not installed");
}

void TestXcbClipboardConnection::init()
{
    // A fresh reader each time, reading from the start with nobody's content to report first.
    m_owner.release();
    m_results.reset();
    m_reader = std::make_unique<XcbClipboardConnection>();
    QVERIFY(m_reader->start());
    m_results = std::make_unique<Results>(*m_reader);
}

void TestXcbClipboardConnection::sameTextAsQtClipboard_data()
{
    QTest::addColumn<QStringList>("owner");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<bool>("rich");

    const QByteArray rtf = "{\\rtf1\\ansi {\\b bold}\n text}";
    const QByteArray japanese = QStringLiteral("日本語のテキスト　ｶﾀｶﾅ\n二行目 ～ ＼\r\n").toUtf8();
    QTest::newRow("UTF8_STRING") << QStringList{"xclip"} << japanese << false;
    QTest::newRow("UTF8_STRING not UTF-8") << QStringList{"xclip"} << QByteArray("caf\xe9 \xff\xfe") << false;
    QTest::newRow("UTF8_STRING with NULs") << QStringList{"xclip"} << QByteArray("a\0b\0\0", 5) << false;
    QTest::newRow("STRING Latin-1") << QStringList{"xclip", "-t", "STRING"} << QByteArray("caf\xe9\n") << false;
    QTest::newRow("STRING that looks like UTF-8") << QStringList{"xclip", "-t", "STRING"} << QByteArray("caf\xc3\xa9")
                                                  << false;
    QTest::newRow("TEXT") << QStringList{"xclip", "-t", "TEXT"} << QByteArray("t\xe9xt") << false;
    QTest::newRow("text/plain not UTF-8") << QStringList{"xclip", "-t", "text/plain"} << QByteArray("cr\xe8me\n")
                                          << false;
    QTest::newRow("text/plain;charset=utf-8") << QStringList{"xclip", "-t", "text/plain;charset=utf-8"} << japanese
                                              << false;
    QTest::newRow("empty text") << QStringList{"xclip"} << QByteArray() << false;
    QTest::newRow("image only") << QStringList{"xclip", "-t", "image/png"} << QByteArray("\x89PNG\r\n") << false;
    QTest::newRow("rich only, plain asked") << QStringList{"xclip", "-t", "text/rtf"} << rtf << false;
    for (const char *type : {"text/rtf", "application/rtf", "text/richtext"})
        QTest::addRow("%s", type) << QStringList{"xclip", "-t", type} << rtf << true;
    QTest::newRow("plain only, rich asked") << QStringList{"xclip"} << QByteArray("plain") << true;
    const QStringList both{"helper", "--format", "text/plain", "平文\nline", "--format", "text/rtf", QString::fromUtf8(rtf),
                           "--format", "text/plain;charset=utf-8", "preferred\n"};
    QTest::newRow("Qt owner, plain") << both << QByteArray() << false;
    QTest::newRow("Qt owner, rich") << both << QByteArray() << true;
}

void TestXcbClipboardConnection::sameTextAsQtClipboard()
{
    QFETCH(QStringList, owner);
    QFETCH(QByteArray, input);
    QFETCH(bool, rich);

    QVERIFY(m_owner.take(owner, input));
    QtClipboard clipboard(QtClipboard::ChangeGating::Off);
    const QString expected = clipboard.readText(rich);
    m_reader->setRichText(rich);
    m_reader->setReading(true);
    QVERIFY(m_results->waitFor(1));
    QCOMPARE(m_results->events, QStringList{"text:" + expected});
}

void TestXcbClipboardConnection::badOwnerNeverStallsTheGui_data()
{
    QTest::addColumn<QStringList>("owner");
    QTest::addColumn<QString>("result");

    QTest::newRow("never answers") << QStringList{"never"} << "failed";
    QTest::newRow("answers TARGETS only") << QStringList{"targets-only"} << "failed";
    QTest::newRow("INCR stalls") << QStringList{"incr-stall"} << "failed";
    QTest::newRow("text typed ATOM") << QStringList{"atom"} << "failed";
    QTest::newRow("secret") << QStringList{"marker", "x-kde-passwordManagerHint", "secret"} << "secret";
    // Other markers and ways of marking: skipped, not failed (the watcher would ask again on every tick).
    QTest::newRow("Secret") << QStringList{"marker", "x-kde-passwordManagerHint", "Secret"} << "secret";
    QTest::newRow("empty hint") << QStringList{"marker", "x-kde-passwordManagerHint", ""} << "secret";
    QTest::newRow("excluded") << QStringList{"marker", "ExcludeClipboardContentFromMonitorProcessing"} << "secret";
    QTest::newRow("not for histories") << QStringList{"marker", "CanIncludeInClipboardHistory", "0"} << "secret";
    QTest::newRow("for histories") << QStringList{"marker", "CanIncludeInClipboardHistory", "1"}
                                   << "text:badowner text";
}

void TestXcbClipboardConnection::badOwnerNeverStallsTheGui()
{
    QFETCH(QStringList, owner);
    QFETCH(QString, result);

    m_reader->setReading(true);
    QVERIFY(m_results->waitFor(1));
    m_results->events.clear();

    GapMeter gui;
    BadOwner bad;
    QElapsedTimer clock;
    clock.start();
    QVERIFY(bad.start(owner));
    QVERIFY(m_results->waitFor(1));
    QVERIFY2(clock.elapsed() < 3000, "gave up too late");
    // A watcher's ticks ask again: each at most one read, never a burst of requests.
    for (int tick = 0; tick < 8; ++tick) {
        m_reader->retry();
        QTest::qWait(500);
    }
    QVERIFY(m_results->waitFor(3));
    const QStringList events = m_results->events;
    QCOMPARE(QSet<QString>(events.cbegin(), events.cend()), QSet<QString>{result});
    QVERIFY2(bad.count("asked TARGETS") <= 9, qPrintable(QString::number(bad.count("asked TARGETS"))));
    // Secret content is never asked for.
    if (result == QLatin1String("secret"))
        QCOMPARE(bad.count("asked UTF8_STRING"), 0);
    QVERIFY2(gui.worst < 100, qPrintable(QStringLiteral("the GUI thread waited %1 ms").arg(gui.worst)));
}

void TestXcbClipboardConnection::stalledTransfersReuseTheirProperties()
{
    // Atoms are numbered in the order the server makes them, and never freed.
    xcb_connection_t *x = qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
    auto newAtom = [x, name = QUuid::createUuid().toByteArray()]() mutable {
        name += '+';
        std::unique_ptr<xcb_intern_atom_reply_t, decltype(&free)> reply(
            xcb_intern_atom_reply(x, xcb_intern_atom(x, 0, quint16(name.size()), name.constData()), nullptr), &free);
        return reply->atom;
    };
    m_reader->setReading(true);
    QVERIFY(m_results->waitFor(1));
    BadOwner owner;
    QVERIFY(owner.start({"incr-stall"}));
    // Each read stalls in the middle of its transfer and is given up; the owner is asked again.
    const auto stalledReads = [&](int count) {
        for (int read = 0; read < count && m_results->waitFor(m_results->events.size() + 1); ++read)
            m_reader->retry();
    };
    stalledReads(3);
    const xcb_atom_t before = newAtom();
    stalledReads(5);
    QVERIFY(m_results->events.size() >= 9);
    QCOMPARE(newAtom(), before + 1);
}

void TestXcbClipboardConnection::lateAnswerIsNotTakenForText()
{
    m_reader->setReading(true);
    QVERIFY(m_results->waitFor(1));
    m_results->events.clear();

    BadOwner late;
    QVERIFY(late.start({"late", "1500"}));
    QVERIFY(m_results->waitFor(1));
    QCOMPARE(m_results->events, QStringList{"failed"});
    // Asked again while still frozen: on thawing the owner answers both requests for TARGETS, the
    // one given up first; only the answer to the second may count.
    m_reader->retry();
    QVERIFY(m_results->waitFor(2));
    QTest::qWait(300);
    QCOMPARE(late.count("served TARGETS"), 2);
    QCOMPARE(m_results->events, (QStringList{"failed", "text:badowner text"}));

    QVERIFY(m_owner.take({"xclip"}, "after the late owner"));
    QVERIFY(m_results->waitFor(3));
    QCOMPARE(m_results->events.last(), QStringLiteral("text:after the late owner"));
}

void TestXcbClipboardConnection::quickCopiesAreEachRead()
{
    m_reader->setReading(true);
    QVERIFY(m_results->waitFor(1));
    m_results->events.clear();

    BadOwner copier;
    QVERIFY(copier.start({"sequence", "20", "50"}));
    QStringList expected;
    for (int i = 1; i <= 20; ++i)
        expected << QStringLiteral("text:text %1").arg(i);
    QVERIFY(m_results->waitFor(20));
    QTest::qWait(200);
    QCOMPARE(m_results->events, expected);
}

void TestXcbClipboardConnection::largeTextArrivesWhole()
{
    const QByteArray line = QStringLiteral("大きなテキストの一行 large text line\n").toUtf8();
    QByteArray bytes;
    while (bytes.size() < 10'000'000)
        bytes += line;
    QTemporaryFile file;
    QVERIFY(file.open());
    QCOMPARE(file.write(bytes), bytes.size());
    QVERIFY(file.flush());

    m_reader->setReading(true);
    QVERIFY(m_results->waitFor(1));
    m_results->events.clear();
    QVERIFY(m_owner.take({"xclip", file.fileName()}));
    QVERIFY(m_results->waitFor(1, 60000));
    QCOMPARE(m_results->events.size(), 1);
    const QString &event = m_results->events.first();
    QVERIFY2(event == "text:" + LineBreaks::toProgram(QString::fromUtf8(bytes)),
             qPrintable(QStringLiteral("%1 characters: %2").arg(event.size()).arg(event.left(40))));
}

void TestXcbClipboardConnection::ownContentAndReadingOff()
{
    m_reader->setReading(true);
    QVERIFY(m_results->waitFor(1));
    m_results->events.clear();

    // The program's own copy is not read back.
    QGuiApplication::clipboard()->setText(QStringLiteral("mine"));
    QTest::qWait(500);
    QCOMPARE(m_results->events, QStringList());

    m_reader->setReading(false);
    QVERIFY(m_owner.take({"xclip"}, "copied while off"));
    QTest::qWait(500);
    QCOMPARE(m_results->events, QStringList());
    // On again: the current content once.
    m_reader->setReading(true);
    QVERIFY(m_results->waitFor(1));
    QTest::qWait(300);
    QCOMPARE(m_results->events, QStringList{"text:copied while off"});
}

QTEST_MAIN(TestXcbClipboardConnection)
#include "tst_xcbclipboardconnection.moc"
