// SPDX-License-Identifier: GPL-3.0-or-later
// The real clipboard on a real X server, with other processes as the other applications: xclip,
// and the helper program clipowner, which offers several formats at once and reports every time
// it is asked for them.
#include "ClipboardOwner.h"
#include "platform/LineBreaks.h"
#include "platform/QtClipboard.h"

#include <QApplication>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QtTest>

using Gating = QtClipboard::ChangeGating;
Q_DECLARE_METATYPE(QtClipboard::ChangeGating)

namespace {

const QByteArray JapaneseUtf8 = QStringLiteral("日本語のテキスト　ｶﾀｶﾅ\r\n二行目 ～ ＼").toUtf8();

} // namespace

class TestQtClipboard : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();

    void readsWhatAnotherProgramOffers_data();
    void readsWhatAnotherProgramOffers();
    void secretContentIsNeverRead_data();
    void secretContentIsNeverRead();
    void writeReplacesTheWholeClipboard_data();
    void writeReplacesTheWholeClipboard();
    void unchangedClipboardIsNotAskedAgain_data();
    void unchangedClipboardIsNotAskedAgain();
    void changedContentIsReadAgain();
    void hugeTextIsTransferredOnceAndShared();
    void htmlGoesWithItsText();

private:
    ClipboardOwner m_owner;
};

void TestQtClipboard::initTestCase()
{
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
    QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("xclip")).isEmpty(), "xclip is not installed");
    QVERIFY2(QFileInfo(ClipboardOwner::helperPath()).isExecutable(), 
             qPrintable(ClipboardOwner::helperPath() + " is missing"));
}

void TestQtClipboard::readsWhatAnotherProgramOffers_data()
{
    QTest::addColumn<QStringList>("owner");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<bool>("hasPlain");
    QTest::addColumn<QString>("plain");
    QTest::addColumn<QString>("rich");

    const QString rtf = QStringLiteral("{\\rtf1\\ansi {\\b bold} text}");
    QTest::newRow("xclip text") << QStringList{"xclip"} << QByteArray("hello, world") << true
                                << QStringLiteral("hello, world") << QString();
    QTest::newRow("xclip Japanese UTF-8") << QStringList{"xclip"} << JapaneseUtf8 << true
                                          << QString::fromUtf8(JapaneseUtf8) << QString();
    QTest::newRow("LF line breaks arrive as CR LF") << QStringList{"xclip"} << QByteArray("one\ntwo\r\nthree\n") << true
                                                    << QStringLiteral("one\r\ntwo\r\nthree\r\n") << QString();
    QTest::newRow("text/plain bytes that are not UTF-8 read as Latin-1")
        << QStringList{"xclip", "-t", "text/plain"} << QByteArray("caf\xe9 cr\xe8me") << true
        << QStringLiteral("café crème") << QString();
    QTest::newRow("text/plain;charset=utf-8 alone")
        << QStringList{"xclip", "-t", "text/plain;charset=utf-8"} << JapaneseUtf8 << true
        << QString::fromUtf8(JapaneseUtf8) << QString();
    for (const char *type : {"text/rtf", "application/rtf", "text/richtext"}) {
        QTest::addRow("only %s", type) << QStringList{"xclip", "-t", type} << rtf.toUtf8() << false << QString() << rtf;
    }
    QTest::newRow("only an image") << QStringList{"xclip", "-t", "image/png"} << QByteArray("\x89PNG\r\n\x1a\n....")
                                   << false << QString() << QString();
    QTest::newRow("plain and rich text at once")
        << QStringList{"helper", "--format", "text/plain", "平文", "--format", "text/rtf", rtf} << QByteArray()
        << true << QStringLiteral("平文") << rtf;
    QTest::newRow("UTF-8 plain text preferred over text/plain")
        << QStringList{"helper", "--format", "text/plain", "other", "--format", "text/plain;charset=utf-8", "preferred"}
        << QByteArray() << true << QStringLiteral("preferred") << QString();
}

void TestQtClipboard::readsWhatAnotherProgramOffers()
{
    QFETCH(QStringList, owner);
    QFETCH(QByteArray, input);
    QFETCH(bool, hasPlain);
    QFETCH(QString, plain);
    QFETCH(QString, rich);

    QVERIFY(m_owner.take(owner, input));
    for (Gating gating : {Gating::WhereReliable, Gating::Off}) {
        QtClipboard clipboard(gating);
        // Twice: the second round is served from what the first learned where gating is on.
        for (int round = 0; round < 2; ++round) {
            QCOMPARE(clipboard.hasPlainText(), hasPlain);
            QCOMPARE(clipboard.readText(false), plain);
            QCOMPARE(clipboard.readText(true), rich);
        }
    }
}

void TestQtClipboard::secretContentIsNeverRead_data()
{
    QTest::addColumn<QString>("marker"); // offered beside the text with the value; empty: none
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<bool>("secret");

    const QString hint = QStringLiteral("x-kde-passwordManagerHint");
    const QString history = QStringLiteral("CanIncludeInClipboardHistory");
    QTest::newRow("marked secret") << hint << QByteArray("secret") << true;
    QTest::newRow("marked secret, NUL-terminated") << hint << QByteArray("secret\0", 7) << true;
    QTest::newRow("marked Secret") << hint << QByteArray("Secret") << true;
    QTest::newRow("another hint value") << hint << QByteArray("public") << false;
    QTest::newRow("no hint") << QString() << QByteArray() << false;
    QTest::newRow("concealed") << QString("application/x-nspasteboard-concealed-type") << QByteArray("1") << true;
    QTest::newRow("not for histories") << history << QByteArray(4, '\0') << true;
    QTest::newRow("for histories") << history << QByteArray("\1\0\0\0", 4) << false;
}

void TestQtClipboard::secretContentIsNeverRead()
{
    QFETCH(QString, marker);
    QFETCH(QByteArray, value);
    QFETCH(bool, secret);

    QStringList owner{"helper", "--format", "text/plain", "hunter2", "--format", "text/rtf", "{\\rtf1 hunter2}"};
    QTemporaryFile valueFile;
    if (!marker.isEmpty()) {
        QVERIFY(valueFile.open());
        valueFile.write(value);
        valueFile.close();
        owner << "--format-file" << marker << valueFile.fileName();
    }
    QVERIFY(m_owner.take(owner));
    for (Gating gating : {Gating::WhereReliable, Gating::Off}) {
        QtClipboard clipboard(gating);
        for (int round = 0; round < 2; ++round) {
            QCOMPARE(clipboard.hasPlainText(), !secret);
            QCOMPARE(clipboard.readText(false), secret ? QString() : QStringLiteral("hunter2"));
            QCOMPARE(clipboard.readText(true), secret ? QString() : QStringLiteral("{\\rtf1 hunter2}"));
        }
    }
    // The owner itself must never have handed the text over.
    const QList<QByteArray> reports = m_owner.helperReports();
    const bool textServed = reports.contains("served text/plain") || reports.contains("served text/rtf");
    QCOMPARE(textServed, !secret);
}

void TestQtClipboard::writeReplacesTheWholeClipboard_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("rich");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QStringList>("absentTargets");

    const QString japanese = QString::fromUtf8(JapaneseUtf8);
    QTest::newRow("plain, as UTF8_STRING") << japanese << false << "UTF8_STRING" << QStringList{"text/rtf"};
    QTest::newRow("plain, as text/plain") << japanese << false << "text/plain" << QStringList{"text/rtf"};
    QTest::newRow("rich") << QStringLiteral("{\\rtf1\\ansi 太字}") << true << "text/rtf"
                          << QStringList{"UTF8_STRING", "STRING", "TEXT", "text/plain"};
}

void TestQtClipboard::writeReplacesTheWholeClipboard()
{
    QFETCH(QString, text);
    QFETCH(bool, rich);
    QFETCH(QString, target);
    QFETCH(QStringList, absentTargets);

    QtClipboard clipboard;
    // Something of the other kind first: a write must not keep any of it.
    clipboard.writeText(QStringLiteral("{\\rtf1 previous}"), !rich);
    clipboard.writeText(text, rich);

    // Other programs get plain text with LF line breaks; rich text as it is.
    QCOMPARE(ClipboardOwner::readWithXclip(target), (rich ? text : LineBreaks::toClipboard(text)).toUtf8());
    const QList<QByteArray> targets = ClipboardOwner::readWithXclip(QStringLiteral("TARGETS")).split('\n');
    QVERIFY2(targets.contains(target.toUtf8()), targets.join(' ').constData());
    for (const QString &absent : absentTargets)
        QVERIFY2(!targets.contains(absent.toUtf8()), qPrintable(absent + " is still offered"));
    QCOMPARE(clipboard.readText(rich), text);
    QCOMPARE(clipboard.readText(!rich), QString());
    QCOMPARE(clipboard.hasPlainText(), !rich);
}

void TestQtClipboard::unchangedClipboardIsNotAskedAgain_data()
{
    QTest::addColumn<Gating>("gating");
    QTest::addColumn<QString>("offered");
    QTest::addColumn<bool>("rich");
    QTest::addColumn<bool>("askedAgain");

    QTest::newRow("gated text") << Gating::WhereReliable << QStringLiteral("steady") << false << false;
    QTest::newRow("gated, rich text not offered") << Gating::WhereReliable << QStringLiteral("steady") << true
                                                  << false;
    QTest::newRow("ungated text") << Gating::Off << QStringLiteral("steady") << false << true;
    // An empty text may be a failed transfer, so it is always asked for again.
    QTest::newRow("gated empty text") << Gating::WhereReliable << QString() << false << true;
}

void TestQtClipboard::unchangedClipboardIsNotAskedAgain()
{
    QFETCH(Gating, gating);
    QFETCH(QString, offered);
    QFETCH(bool, rich);
    QFETCH(bool, askedAgain);

    QVERIFY(m_owner.take({"helper", "--format", "text/plain", offered}));
    QtClipboard clipboard(gating);
    QCOMPARE(clipboard.gatingActive(), gating == Gating::WhereReliable);

    // The watcher's tick: is there plain text, and what is it.
    const auto tick = [&] {
        QVERIFY(clipboard.hasPlainText());
        QCOMPARE(clipboard.readText(rich), rich ? QString() : offered);
    };
    tick();
    QCOMPARE(clipboard.changedSinceLastRead(), askedAgain || rich);
    const qsizetype asksAfterFirstTick = m_owner.helperReports().size();
    QVERIFY(asksAfterFirstTick > 0);
    for (int i = 0; i < 5; ++i) {
        tick();
        QTest::qWait(50);
    }
    const qsizetype asks = m_owner.helperReports().size();
    if (askedAgain)
        QVERIFY2(asks > asksAfterFirstTick, "the owner was not asked again");
    else
        QCOMPARE(asks, asksAfterFirstTick);
}

void TestQtClipboard::changedContentIsReadAgain()
{
    QVERIFY(m_owner.take({"helper", "--format", "text/plain", "first"}));
    QtClipboard clipboard;
    QVERIFY(clipboard.gatingActive());
    QCOMPARE(clipboard.readText(false), QStringLiteral("first"));
    QVERIFY(!clipboard.changedSinceLastRead());

    QVERIFY(m_owner.take({"xclip"}, "second"));
    QVERIFY(clipboard.changedSinceLastRead());
    QCOMPARE(clipboard.readText(false), QStringLiteral("second"));

    // Our own writes are changes too; the text read back is the very string written.
    const QString third = QString::fromUtf8("third"); // a literal would have no buffer to share
    clipboard.writeText(third, false);
    const QString readBack = clipboard.readText(false);
    QCOMPARE(readBack, third);
    QVERIFY(readBack.isSharedWith(third));

    clipboard.writeText(QStringLiteral("{\\rtf1 fourth}"), true);
    QVERIFY(!clipboard.hasPlainText());
    QCOMPARE(clipboard.readText(false), QString());
    QCOMPARE(clipboard.readText(true), QStringLiteral("{\\rtf1 fourth}"));

    // Another program taking the clipboard back from us.
    QVERIFY(m_owner.take({"xclip"}, "fifth"));
    QVERIFY(clipboard.hasPlainText());
    QCOMPARE(clipboard.readText(false), QStringLiteral("fifth"));
}

void TestQtClipboard::hugeTextIsTransferredOnceAndShared()
{
    // 100 MB of mixed Japanese and ASCII text: large enough that X transfers it incrementally.
    const QByteArray line = QStringLiteral("クリップボードの巨大なテキスト line of text\n").toUtf8();
    QTemporaryFile file;
    QVERIFY(file.open());
    qint64 written = 0;
    while (written < 100'000'000)
        written += file.write(line);
    file.close();
    QVERIFY(m_owner.take({"xclip", file.fileName()}));

    QtClipboard clipboard;
    const QString text = clipboard.readText(false);
    QVERIFY(file.open());
    const QByteArray bytes = file.readAll();
    file.close();
    // Its LF line breaks arrive as the program's CR LF.
    const QString expected = LineBreaks::toProgram(QString::fromUtf8(bytes));
    QCOMPARE(text.size(), expected.size());
    QVERIFY(text == expected);

    // Unchanged: the same buffer again, nothing transferred or decoded.
    QVERIFY(clipboard.hasPlainText());
    QVERIFY(clipboard.readText(false).isSharedWith(text));

    // Copied back: our clipboard holds the caller's buffer, and other programs get all of it.
    clipboard.writeText(text, false);
    QVERIFY(clipboard.readText(false).isSharedWith(text));
    QCOMPARE(ClipboardOwner::readWithXclip(QStringLiteral("UTF8_STRING")).size(), bytes.size());
}

void TestQtClipboard::htmlGoesWithItsText()
{
    const QString html = QStringLiteral("<p>日本語 <b>bold</b></p>");
    QtClipboard clipboard;
    // Offered beside the text by another program, it is read beside it.
    QVERIFY(m_owner.take({"helper", "--format", "text/plain", "plain words", "--format", "text/html", html}));
    QCOMPARE(clipboard.readText(false), QStringLiteral("plain words"));
    QCOMPARE(clipboard.readHtml(), html);
    m_owner.release();

    // Written with the text, other programs find it as text/html; a plain write offers it no more.
    clipboard.writeTextAndHtml(QStringLiteral("bold"), html);
    QCOMPARE(ClipboardOwner::readWithXclip(QStringLiteral("text/html")), html.toUtf8());
    QCOMPARE(ClipboardOwner::readWithXclip(QStringLiteral("UTF8_STRING")), QByteArray("bold"));
    QCOMPARE(clipboard.readHtml(), html);
    clipboard.writeText(QStringLiteral("bold"), false);
    QVERIFY(!ClipboardOwner::readWithXclip(QStringLiteral("TARGETS")).split('\n').contains("text/html"));
    QCOMPARE(clipboard.readHtml(), QString());
}

QTEST_MAIN(TestQtClipboard)
#include "tst_qtclipboard.moc"
