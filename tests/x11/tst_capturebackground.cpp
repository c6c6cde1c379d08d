// SPDX-License-Identifier: GPL-3.0-or-later
// The program on a real X server with its X11 clipboard, read in the background: every copy is
// captured in order, and owners that answer slowly, never or wrongly neither hold up the window
// nor leave an item behind. The clipboard's text outlives the program that copied it, and the
// program itself when the desktop runs another clipboard manager. Copies from ignored programs are
// left alone, and the mouse selection is captured once it settles.
#include "BadOwner.h"
#include "ClipboardOwner.h"
#include "TestProgram.h"
#include "XDoTool.h"
#include "capture/ClipboardWatcher.h"
#include "model/ListItems.h"
#include "model/ListCollection.h"
#include "model/ListDisplay.h"
#include "model/ListRecord.h"
#include "model/ProgramState.h"
#include "model/GlobalSettings.h"
#include "platform/x11/X11Clipboard.h"
#include "platform/x11/XcbSelectionWorker.h"
#include "storage/ExtraSettingsFile.h"
#include "windows/TextWindow.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QScopeGuard>
#include <QStandardPaths>

#include <QtTest>
#include <memory>

namespace {

struct Program {
    // extraSettings: lines of the file of new settings the program starts with.
    explicit Program(const QByteArray &extraSettings = {})
    {
        started = clipboard.start();
        program = std::make_unique<TestProgram>(&clipboard);
        QFile file(folder.filePath(ExtraSettingsFile::fileName()));
        started = started && file.open(QIODevice::WriteOnly) && file.write(extraSettings) >= 0;
        file.close();
        program->start({}, {}, folder.path());
        // The shortest interval: retries of a hung owner come as often as they can.
        program->state().settings().pollInterval = 100;
        program->state().settings().applyToWindows();
        program->state().lists().at(ListNumber(0)).itemLimit = 100;
    }
    QStringList words()
    {
        ProgramState &state = program->state();
        ListItems &items = state.lists().at(ListNumber(0)).items();
        QStringList texts;
        for (RowNumber row{0}; row < items.rowCount(); ++row)
            texts << items.at(items.itemOfRow(row)).text;
        return texts;
    }
    QTemporaryDir folder;
    X11Clipboard clipboard;
    bool started = false;
    std::unique_ptr<TestProgram> program;
};

// xclip copies the text, serves one paste (the program's read) and exits.
void copyAndExit(const QByteArray &text)
{
    QProcess xclip;
    xclip.start(QStringLiteral("xclip"), {"-quiet", "-loops", "1", "-selection", "clipboard"});
    xclip.write(text);
    xclip.closeWriteChannel();
    QTRY_COMPARE_WITH_TIMEOUT(xclip.state(), QProcess::NotRunning, 10000);
}

} // namespace

class TestCaptureBackground : public QObject {
    Q_OBJECT
private slots:
    void everyCopyIsCapturedInOrder();
    void copiesAfterAHungOwnerAreCaptured();
    void misbehavingOwnersLeaveNoTraceAndNoWait_data();
    void misbehavingOwnersLeaveNoTraceAndNoWait();
    void lateAnswerGivesWayToTheRealText();
    void resumingFromTheTextWindowPassesOverWhatWasCopiedWhileStopped();
    void clipboardKeepsTheTextOfAnOwnerThatExits_data();
    void clipboardKeepsTheTextOfAnOwnerThatExits();
    void ownerHandingItsClipboardOverAsItExitsIsAnswered();
    void textOutlivesTheProgramWhenAnotherManagerRuns();
    void quickCopyBacksLeaveTheClipboardToALaterOwner();
    void managerKeepsNothingItCouldNotRead();
    void copyingATextAgainMovesItsItem();
    void copiesOfIgnoredProgramsAreNotCaptured();
    void mouseSelectionIsCapturedOnceItSettles();
    void htmlComesWithItsTextAndGoesBackWithIt_data();
    void htmlComesWithItsTextAndGoesBackWithIt();
};

void TestCaptureBackground::everyCopyIsCapturedInOrder()
{
    Program p;
    QVERIFY(p.started);
    BadOwner owner;
    QVERIFY(owner.start({QStringLiteral("sequence"), QStringLiteral("20"), QStringLiteral("50")}));
    QStringList expected;
    for (int i = 20; i >= 1; --i)
        expected << QStringLiteral("text %1").arg(i);
    QTRY_COMPARE_WITH_TIMEOUT(p.words(), expected, 10000);
}

void TestCaptureBackground::copiesAfterAHungOwnerAreCaptured()
{
    Program p;
    QVERIFY(p.started);
    BadOwner hung;
    QVERIFY(hung.start({QStringLiteral("never")}));
    // Copies come while the hung owner is still being waited for.
    BadOwner copier;
    QVERIFY(copier.start({QStringLiteral("sequence"), QStringLiteral("20"), QStringLiteral("50")}));
    QTRY_COMPARE_WITH_TIMEOUT(p.words().value(0), QStringLiteral("text 20"), 10000);
    QVERIFY2(p.words().size() >= 17, qPrintable(p.words().join(u',')));
}

void TestCaptureBackground::misbehavingOwnersLeaveNoTraceAndNoWait_data()
{
    QTest::addColumn<QString>("mode");
    for (const char *mode : {"never", "targets-only", "incr-stall", "atom"})
        QTest::newRow(mode) << QString::fromLatin1(mode);
}

void TestCaptureBackground::misbehavingOwnersLeaveNoTraceAndNoWait()
{
    QFETCH(QString, mode);
    Program p;
    QVERIFY(p.started);
    {
        BadOwner owner;
        GapMeter gaps;
        QVERIFY(owner.start({mode}));
        // Several ticks, each asking the owner again.
        QTest::qWait(3000);
        QVERIFY2(gaps.worst < 100, qPrintable(QStringLiteral("the window waited %1 ms").arg(gaps.worst)));
        QVERIFY(p.words().isEmpty());
    }
    // The next program's copy is captured as usual.
    ClipboardOwner next;
    QVERIFY(next.take({QStringLiteral("xclip")}, "after"));
    QTRY_COMPARE(p.words(), QStringList{"after"});
}

void TestCaptureBackground::lateAnswerGivesWayToTheRealText()
{
    Program p;
    QVERIFY(p.started);
    BadOwner owner;
    QVERIFY(owner.start({QStringLiteral("late"), QStringLiteral("1500")}));
    // The owner wakes and answers the requests that timed out; the tick after asks afresh.
    QTRY_COMPARE_WITH_TIMEOUT(p.words(), QStringList{"badowner text"}, 8000);
    QTest::qWait(1000);
    QCOMPARE(p.words(), QStringList{"badowner text"});
}

void TestCaptureBackground::resumingFromTheTextWindowPassesOverWhatWasCopiedWhileStopped()
{
    Program p;
    QVERIFY(p.started);
    p.program->state().settings().pauseWhileTextWindowActive = true;
    ClipboardWatcher &watcher = p.program->root.watcher();
    ClipboardOwner owner;
    QVERIFY(owner.take({QStringLiteral("xclip")}, "before"));
    QTRY_COMPARE(p.words(), QStringList{"before"});
    watcher.setCapturing(false);
    QVERIFY(owner.take({QStringLiteral("xclip")}, "meanwhile"));
    p.program->root.textWindow().findChild<QAction *>(QStringLiteral("captureAction"))->trigger();
    QVERIFY(watcher.capturing());
    // Read as capture resumes, and seen; the next copy is new again.
    QTRY_COMPARE(watcher.lastClipboardText(), QStringLiteral("meanwhile"));
    QVERIFY(owner.take({QStringLiteral("xclip")}, "after"));
    QTRY_VERIFY2(p.words() == (QStringList{"after", "before"}), qPrintable(p.words().join(u',')));
}

void TestCaptureBackground::clipboardKeepsTheTextOfAnOwnerThatExits_data()
{
    QTest::addColumn<QByteArray>("extraSettings");
    QTest::addColumn<QByteArray>("pasted");
    QTest::newRow("kept by default") << QByteArray() << QByteArray("日本語 kept");
    QTest::newRow("keeper off") << QByteArray("[Clipboard]\nkeep=false\n") << QByteArray();
}

void TestCaptureBackground::clipboardKeepsTheTextOfAnOwnerThatExits()
{
    QFETCH(QByteArray, extraSettings);
    QFETCH(QByteArray, pasted);
    Program p(extraSettings);
    QVERIFY(p.started);
    copyAndExit("日本語 kept");
    QTRY_COMPARE(p.words(), QStringList{"日本語 kept"});
    QTRY_COMPARE(ClipboardOwner::readWithXclip(), pasted);
    QTest::qWait(300);
    QCOMPARE(ClipboardOwner::readWithXclip(), pasted);
    QCOMPARE(p.words(), QStringList{"日本語 kept"});
    // Latin-1 cannot carry the text: no STRING that would turn it into question marks.
    if (!pasted.isEmpty())
        QCOMPARE(QString::fromLatin1(ClipboardOwner::readWithXclip("TARGETS")).split('\n', Qt::SkipEmptyParts),
                 (QStringList{"TARGETS", "TIMESTAMP", "MULTIPLE", "UTF8_STRING", "text/plain;charset=utf-8", "text/plain"}));
}

void TestCaptureBackground::ownerHandingItsClipboardOverAsItExitsIsAnswered()
{
    Program p;
    QVERIFY(p.started);
    // A Qt program, as a GTK one, asks the desktop's clipboard manager to save its clipboard as it
    // exits, and waits up to 5 s for the answer.
    QProcess owner;
    owner.start(ClipboardOwner::helperPath(), {"--seconds", "1", "--format", "text/plain", "日本語 handed over"});
    QTRY_COMPARE(p.words(), QStringList{"日本語 handed over"});
    QTRY_COMPARE_WITH_TIMEOUT(owner.state(), QProcess::NotRunning, 10000);
    const QByteArray warnings = owner.readAllStandardError();
    QVERIFY2(!warnings.contains("clipboard manager"), warnings.constData());
    QCOMPARE(ClipboardOwner::readWithXclip(), QByteArray("日本語 handed over"));
    QCOMPARE(p.words(), QStringList{"日本語 handed over"});
}

void TestCaptureBackground::textOutlivesTheProgramWhenAnotherManagerRuns()
{
    // The desktop's manager was there first: it keeps that part, and takes our text as we end.
    QProcess manager;
    manager.start(QCoreApplication::applicationDirPath() + QStringLiteral("/helpers/savemanager"));
    QTRY_VERIFY(manager.canReadLine());
    QCOMPARE(manager.readLine().trimmed(), QByteArray("managing"));
    auto p = std::make_unique<Program>();
    QVERIFY(p->started);
    copyAndExit("日本語 outlives");
    // Kept by the program until it ends.
    QTRY_COMPARE(ClipboardOwner::readWithXclip(), QByteArray("日本語 outlives"));
    p.reset();
    QTRY_COMPARE(ClipboardOwner::readWithXclip(), QByteArray("日本語 outlives"));
    QCOMPARE(manager.readAllStandardOutput().trimmed(), QByteArray("saved 日本語 outlives\nowning"));
    manager.kill();
    manager.waitForFinished();
}

void TestCaptureBackground::quickCopyBacksLeaveTheClipboardToALaterOwner()
{
    Program p;
    QVERIFY(p.started);
    const QString large(16 << 20, u'L'); // keeps the clipboard thread busy
    copyAndExit(large.toLatin1());
    QTRY_COMPARE_WITH_TIMEOUT(p.words().size(), 1, 30000);
    for (int press = 0; press < 20; ++press)
        p.program->root.watcher().copyBack(press % 2 ? large : QStringLiteral("small"));
    ClipboardOwner later;
    QVERIFY(later.take({QStringLiteral("xclip")}, "later"));
    QTRY_COMPARE_WITH_TIMEOUT(p.words().value(0), QStringLiteral("later"), 10000);
    QCOMPARE(ClipboardOwner::readWithXclip(), QByteArray("later"));
}

void TestCaptureBackground::managerKeepsNothingItCouldNotRead()
{
    Program p("[Clipboard]\nlargestTextMiB=1\n");
    QVERIFY(p.started);
    copyAndExit("last kept");
    BadOwner silent; // asks us to keep its content and never gives it
    QVERIFY(silent.start({QStringLiteral("save-never")}));
    QTRY_VERIFY2_WITH_TIMEOUT(silent.count("refused") == 1, silent.reports().join(",").constData(), 10000);
    // A Qt program offers more than the limit and hands it over as it exits: asked once, refused.
    QTemporaryFile file;
    QVERIFY(file.open() && file.write(QByteArray((1 << 20) + 1, 'x')) > 0 && file.flush());
    QProcess owner;
    owner.start(ClipboardOwner::helperPath(), {"--seconds", "1", "--format-file", "text/plain", file.fileName()});
    QTRY_COMPARE_WITH_TIMEOUT(owner.state(), QProcess::NotRunning, 10000);
    QTRY_COMPARE(ClipboardOwner::readWithXclip(), QByteArray("last kept"));
    QCOMPARE(p.words(), QStringList{"last kept"});
    QCOMPARE(owner.readAllStandardOutput().count("served text/plain"), 1);
}

void TestCaptureBackground::copyingATextAgainMovesItsItem()
{
    Program p("[Capture]\nmoveDuplicates=true\n");
    QVERIFY(p.started);
    for (const QByteArray text : {"named", "middle", "newest"}) {
        copyAndExit(text);
        QTRY_COMPARE_WITH_TIMEOUT(p.words().value(0), QString::fromLatin1(text), 10000);
    }
    ListItems &items = p.program->state().lists().at(ListNumber(0)).items();
    items.nameItem(RowNumber(2), QStringLiteral("Ｎ"));
    copyAndExit("named");
    QTRY_COMPARE_WITH_TIMEOUT(p.words(), (QStringList{"named", "newest", "middle"}), 10000);
    QCOMPARE(items.at(items.itemOfRow(RowNumber(0))).name, QStringLiteral("Ｎ"));
}

void TestCaptureBackground::copiesOfIgnoredProgramsAreNotCaptured()
{
    Program p("[Capture]\nignoredPrograms=Other, XCLIP-SECRET\n");
    QVERIFY(p.started);
    // The same program under another name: only the name tells them apart.
    const QString renamed = p.folder.filePath(QStringLiteral("xclip-secret"));
    QVERIFY(QFile::copy(QStandardPaths::findExecutable(QStringLiteral("xclip")), renamed));
    QVERIFY(QFile::setPermissions(renamed, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    QProcess ignored;
    ignored.start(renamed, {"-quiet", "-selection", "clipboard"});
    ignored.write("password");
    ignored.closeWriteChannel();
    QVERIFY(ignored.waitForStarted());
    QTRY_COMPARE(ClipboardOwner::readWithXclip(), QByteArray("password"));
    // Read in the order copied: once the next copy is in, the ignored one was passed over.
    copyAndExit("shown");
    QTRY_COMPARE_WITH_TIMEOUT(p.words(), QStringList{"shown"}, 10000);
    const ListItems &items = p.program->state().lists().at(ListNumber(0)).items();
    QCOMPARE(items.data(items.index(0), Qt::ToolTipRole).toString(), QStringLiteral("ｺﾋﾟｰ元: xclip"));
    ignored.kill();
    ignored.waitForFinished();
}

void TestCaptureBackground::mouseSelectionIsCapturedOnceItSettles()
{
    Program p("[Capture]\nmouseSelection=true\n");
    QVERIFY(p.started);
    QProcess xterm;
    xterm.start(QStringLiteral("xterm"), {"-geometry", "40x4+500+0", "-e", "sh", "-c", "printf 'alpha beta gamma'; sleep 600"});
    QVERIFY(xterm.waitForStarted());
    const auto stop = qScopeGuard([&xterm] {
        xterm.kill();
        xterm.waitForFinished();
    });
    QVERIFY(XDoTool::run({"search", "--sync", "--onlyvisible", "--class", "xterm"}));
    // A double click selects a word; it is clicked again until the terminal has drawn its text.
    for (int tries = 0; tries < 20 && p.words().isEmpty(); ++tries) {
        QVERIFY(XDoTool::run({"mousemove", "560", "10", "click", "--repeat", "2", "--delay", "80", "1"}));
        (void)QTest::qWaitFor([&p] { return !p.words().isEmpty(); }, 500);
    }
    QCOMPARE(p.words(), QStringList{"beta"});
    // The right button extends the selection to the end of the line: the same item grows.
    QVERIFY(XDoTool::run({"mousemove", "597", "10", "click", "3"}));
    QTRY_COMPARE_WITH_TIMEOUT(p.words(), QStringList{"beta gamma"}, 5000);
    // While a button is held the selection may still be changing: it is read once it is let go.
    QVERIFY(XDoTool::run({"mousemove", "900", "700", "mousedown", "1"}));
    QProcess held;
    held.start(QStringLiteral("xclip"), {"-quiet", "-selection", "primary"});
    held.write("held");
    held.closeWriteChannel();
    QTRY_COMPARE(QGuiApplication::clipboard()->text(QClipboard::Selection), QStringLiteral("held"));
    QTest::qWait(3 * XcbSelectionWorker::SelectionSettleMs);
    QCOMPARE(p.words(), QStringList{"beta gamma"});
    QVERIFY(XDoTool::run({"mouseup", "1"}));
    QTRY_COMPARE_WITH_TIMEOUT(p.words(), (QStringList{"held", "beta gamma"}), 5000);
    held.kill();
    held.waitForFinished();
}

void TestCaptureBackground::htmlComesWithItsTextAndGoesBackWithIt_data()
{
    QTest::addColumn<bool>("utf16");
    QTest::newRow("UTF-8") << false;
    // As browsers write it, ending in a NUL.
    QTest::newRow("UTF-16 with a byte order mark") << true;
}

void TestCaptureBackground::htmlComesWithItsTextAndGoesBackWithIt()
{
    QFETCH(bool, utf16);
    Program p;
    QVERIFY(p.started);
    // HTML alone, as some editors copy: the item is the text it reads as.
    const QByteArray html = "<p>Hello <b>bold</b> world</p><p>二行目 &amp; more</p>";
    QByteArray offered = html;
    if (utf16) {
        const QString text = QString::fromUtf8(html) + QChar(0);
        offered = QByteArray("\xff\xfe") + QByteArray(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
    }
    {
        ClipboardOwner owner;
        QVERIFY(owner.take({QStringLiteral("xclip"), QStringLiteral("-t"), QStringLiteral("text/html")}, offered));
        QTRY_COMPARE_WITH_TIMEOUT(p.words(), QStringList{"Hello bold world\r\n二行目 & more"}, 10000);
    }
    // Copied back, the text goes with the very HTML it came with.
    ClipboardWatcher &watcher = p.program->root.watcher();
    ProgramState &state = p.program->state();
    watcher.copyFocusedItem(state.display().focusedPane(), ListNumber(0));
    QTRY_COMPARE(ClipboardOwner::readWithXclip(QStringLiteral("text/html")), html);
    QCOMPARE(ClipboardOwner::readWithXclip(QStringLiteral("UTF8_STRING")), QByteArray("Hello bold world\n二行目 & more"));
}

QTEST_MAIN(TestCaptureBackground)
#include "tst_capturebackground.moc"
