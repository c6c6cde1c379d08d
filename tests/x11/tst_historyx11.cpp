// SPDX-License-Identifier: GPL-3.0-or-later
// The real program keeps its lists through kill -9: what was captured a second before is there.
#include "X11Program.h"
#include "storage/ClipListFile.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QtTest>

namespace {
const QString Title = QStringLiteral("Arlen.T.K. QuillKeeper");

// Makes `text` the clipboard's content, owned by xclip as by any other program.
void copy(const QString &text)
{
    QProcess xclip;
    xclip.start(QStringLiteral("xclip"), {QStringLiteral("-selection"), QStringLiteral("clipboard")});
    xclip.write(text.toUtf8());
    xclip.closeWriteChannel();
    xclip.waitForFinished(5000);
}

// The texts of the list saved to `file` with Ctrl+S, oldest first.
QStringList savedItems(const QString &windowId, const QString &file)
{
    const QDateTime before = QFileInfo(file).lastModified();
    X11Program::run(QStringLiteral("xdotool"), {QStringLiteral("windowfocus"), QStringLiteral("--sync"), windowId});
    X11Program::run(QStringLiteral("xdotool"), {QStringLiteral("key"), QStringLiteral("ctrl+s")});
    QElapsedTimer waited;
    waited.start();
    while (QFileInfo(file).lastModified() == before && waited.elapsed() < 10000)
        QTest::qWait(50);
    QStringList texts;
    for (const ClipItem &item : ClipListFile::read(file).content.items)
        texts << item.text;
    return texts;
}
} // namespace

class TestHistoryX11 : public QObject {
    Q_OBJECT
private slots:
    void capturesSurviveKillNine();
};

void TestHistoryX11::capturesSurviveKillNine()
{
    X11Program program;
    // The list saves to this file with Ctrl+S; room for every capture of the test.
    const QString file = program.folder() + QStringLiteral("/kept.qkp");
    ClipListContent empty;
    empty.options.name = QStringLiteral("kept");
    empty.options.itemLimit = 2000;
    empty.options.captionLength = 48;
    empty.options.fontName = QStringLiteral("ＭＳ Ｐゴシック");
    empty.options.fontSize = 9;
    empty.options.fileName = file;
    QVERIFY(ClipListFile::write(file, empty));
    QVERIFY(program.start({file}));
    QString id = program.waitForWindow(Title);
    QVERIFY(!id.isEmpty());

    QStringList sent;
    QStringList oldEnough; // sent more than a second before a kill
    for (int round = 0; round < 10; ++round) {
        QElapsedTimer since;
        since.start();
        QList<qint64> sentAt;
        const int copies = 20 + QRandomGenerator::global()->bounded(30);
        for (int n = 0; n < copies; ++n) {
            const QString text = QStringLiteral("round %1 copy %2").arg(round).arg(n);
            copy(text);
            sent << text;
            sentAt << since.elapsed();
            QTest::qWait(50);
        }
        program.process().kill();
        QVERIFY(program.process().waitForFinished(5000));
        const qint64 killedAt = since.elapsed();
        for (int n = 0; n < copies; ++n) {
            if (killedAt - sentAt[n] > 1000)
                oldEnough << sent[sent.size() - copies + n];
        }

        QProcess &again = program.process();
        again.start(again.program(), {});
        QVERIFY(again.waitForStarted());
        id = program.waitForWindow(Title);
        QVERIFY(!id.isEmpty());
        const QStringList kept = savedItems(id, file);
        // In the order they were copied, and every one copied over a second before the kill.
        int from = 0;
        for (const QString &text : kept) {
            const int at = sent.indexOf(text, from);
            QVERIFY2(at >= 0, qPrintable(QStringLiteral("round %1: %2 out of order").arg(round).arg(text)));
            from = at + 1;
        }
        for (const QString &text : oldEnough)
            QVERIFY2(kept.contains(text), qPrintable(QStringLiteral("round %1: %2 was lost from %3").arg(round).arg(text, kept.join(QLatin1Char(',')))));
    }
    QCOMPARE(program.closeAndWait(id), 0);
}

QTEST_MAIN(TestHistoryX11)
#include "tst_historyx11.moc"
