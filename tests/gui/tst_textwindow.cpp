// SPDX-License-Identifier: GPL-3.0-or-later
// The text window on real widgets, against the real list boxes: opening, editing, saving,
// dividing, the length limit and every way it closes.
#include "TestProgram.h"
#include "capture/ClipboardWatcher.h"
#include "mainwindow/MainWindow.h"
#include "model/ListItems.h"
#include "model/ListCollection.h"
#include "model/ListDisplay.h"
#include "model/ListRecord.h"
#include "model/ProgramState.h"
#include "model/GlobalSettings.h"
#include "platform/ListBoxWidget.h"
#include "storage/TextWindowSettings.h"
#include "windows/TextWindow.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using Answer = MessageBoxPort::Answer;

namespace {
const QString Crlf = QStringLiteral("\r\n");

struct Program {
    // Items "one", "two", "three" added at the top: rows show three, two, one.
    Program()
    {
        p.start();
        QVERIFY(QTest::qWaitForWindowActive(&p.window()));
        for (const char *text : {"one", "two", "three"})
            items().addItem(QString::fromLatin1(text));
    }
    PaneNumber pane() { return p.state().display().focusedPane(); }
    ListItems &items() { return p.state().lists().at(ListNumber(0)).items(); }
    QStringList rows()
    {
        QStringList all;
        for (int row = 0; row < p.listAt(0)->count(); ++row)
            all << p.listAt(0)->rowText(row);
        return all;
    }
    QStringList store()
    {
        QStringList all;
        for (ItemNumber item{0}; item < items().count(); ++item)
            all << items().at(item).text;
        return all;
    }
    // Opens the window on a row.
    void open(int row)
    {
        // The commands come from the main window.
        p.window().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&p.window()));
        p.state().display().highlightRow(pane(), RowNumber(qint16(row)));
        p.command(Command::ShowText)->trigger();
        QVERIFY(QTest::qWaitForWindowActive(&text()));
    }
    // After the first moments of the window, when a window manager may still hand the activation
    // back to the main window.
    void clickMain()
    {
        QTest::qWait(350);
        p.window().activateWindow();
        QTest::qWait(50);
    }
    // While the window takes the activation back.
    void clickMainAtOnce()
    {
        QSignalSpy moves(qApp, &QGuiApplication::focusWindowChanged);
        p.window().activateWindow();
        QTRY_VERIFY(moves.size() >= 2 && text().isActiveWindow());
    }
    QStringList captions(const QStringList &texts)
    {
        QStringList all;
        for (const QString &text : texts)
            all << (text == "kept" ? text : items().caption(text));
        return all;
    }
    TextWindow &text() { return p.root.textWindow(); }
    QPlainTextEdit *box(int index = 0) { return text().findChild<QPlainTextEdit *>(QStringLiteral("box%1").arg(index)); }
    QLabel *errorMess() { return text().findChild<QLabel *>(QStringLiteral("message")); }
    QAction *action(const char *name) { return text().findChild<QAction *>(QString::fromLatin1(name)); }
    TestProgram p;
};
} // namespace

class TestTextWindow : public QObject {
    Q_OBJECT
private slots:
    void opensBesideTheMainWindowOnTheFocusedItem();
    void editAndSaveRedrawsTheRow();
    void divide_data();
    void divide();
    void dividingTheRowAFullListWouldDropIsRefused();
    void lengthLimitOnOpening_data();
    void lengthLimitOnOpening();
    void typingUpToTheLimitCutsTheEnd();
    void savingAndDividingKeepWhatTheBoxDoesNotShow();
    void editedTextsLetTheirHtmlGoAndKeepTheirProgram();
    void unload_data();
    void unload();
    void listChangesRefuseSavingUntilARowIsClicked();
    void captureSwitchFollowsTheWindow();
    void placementSurvivesARestart();
};

void TestTextWindow::opensBesideTheMainWindowOnTheFocusedItem()
{
    Program t;
    t.items().nameItem(RowNumber(1), QStringLiteral("named"));
    t.open(1);
    QCOMPARE(t.box()->toPlainText(), QStringLiteral("two"));
    QCOMPARE(t.text().windowTitle(), QStringLiteral("named"));
    QCOMPARE(t.text().offsetFromMain(), QPoint(66, 66));
    QCOMPARE(t.text().frameGeometry().size(), QSize(240, 186));
    QVERIFY(t.box(0)->isVisible() && !t.box(1)->isVisible());
    QVERIFY(t.action("bothAction")->isChecked() && !t.action("verticalAction")->isChecked());
    QCOMPARE(t.action("captureAction")->text(), t.p.root.watcher().capturing() ? QStringLiteral("作動中(&S)") : QStringLiteral("停止中(&S)"));
    QVERIFY(t.text().showsItem() && t.text().itemMatchesList());

    // Open again: only the activation.
    t.clickMain();
    QVERIFY(!t.text().isVisible());
    t.open(2);
    QCOMPARE(t.text().windowTitle(), QStringLiteral("ﾃｷｽﾄ表示"));

    // Topmost with the main window; a stored place off the desktop is pulled back onto it.
    t.action("closeAction")->trigger();
    t.p.window().setAlwaysOnTop(true);
    t.p.window().windowSettings().text.offsetX = 5000;
    t.open(2);
    QVERIFY(t.text().windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QCOMPARE(t.text().frameGeometry().right(), t.text().screen()->geometry().right());
    // ... and follows the main window's switch while it is shown.
    t.p.window().setAlwaysOnTop(false);
    QVERIFY(!t.text().windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

void TestTextWindow::editAndSaveRedrawsTheRow()
{
    Program t;
    t.open(0);
    t.box()->moveCursor(QTextCursor::End);
    QTest::keyClick(t.box(), Qt::Key_Return);
    QTest::keyClicks(t.box(), QStringLiteral("4"));
    QCOMPARE(t.text().windowTitle(), QStringLiteral("* ﾃｷｽﾄ表示"));
    QVERIFY(t.text().holdsEdits());
    QTest::keyClick(t.box(), Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(!t.box()->textCursor().hasSelection());
    QTest::keyClick(t.box(), Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(t.box()->textCursor().selectedText().size(), 7);
    t.box()->moveCursor(QTextCursor::End);
    emit t.text().findChild<QMenu *>("textMenu")->aboutToShow();
    QVERIFY(t.action("saveAction")->isEnabled());
    QTest::keyClick(t.box(), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(t.store(), QStringList({"one", "two", "three" + Crlf + "4"}));
    QCOMPARE(t.rows().first(), t.items().caption("three" + Crlf + "4"));
    QCOMPARE(t.text().windowTitle(), QStringLiteral("ﾃｷｽﾄ表示"));
    QMenu *menu = t.text().findChild<QMenu *>("textMenu");
    emit menu->aboutToShow();
    QVERIFY(!t.action("saveAction")->isEnabled());
    emit menu->aboutToHide();
    QTest::keyClicks(t.box(), QStringLiteral("5"));
    QTest::keyClick(t.box(), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(t.store().last(), "three" + Crlf + "45");
    // Saved: closing asks nothing.
    t.action("closeAction")->trigger();
    QVERIFY(!t.text().isVisible());
    QVERIFY(t.p.messages.asked.isEmpty());
}

void TestTextWindow::divide_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("length");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QStringList>("store");
    // The item shown is "ab\r\ncd" in row 1 named "kept"; the new item comes above it, focused.
    QTest::newRow("selection in the middle") << 1 << 3 << QStringList({"three", "b\r\nc", "kept", "one"})
                                             << QStringList({"one", "ad", "three", "b\r\nc"});
    QTest::newRow("caret in the middle") << 2 << 0 << QStringList({"three", "ab", "kept", "one"})
                                         << QStringList({"one", "\r\ncd", "three", "ab"});
    QTest::newRow("caret at the start") << 0 << 0 << QStringList({"three", "", "kept", "one"})
                                        << QStringList({"one", "ab\r\ncd", "three", ""});
    QTest::newRow("caret at the end") << 5 << 0 << QStringList({"three", "ab\r\ncd", "kept", "one"})
                                      << QStringList({"one", "", "three", "ab\r\ncd"});
}

void TestTextWindow::divide()
{
    QFETCH(int, start);
    QFETCH(int, length);
    QFETCH(QStringList, rows);
    QFETCH(QStringList, store);
    Program t;
    t.items().at(ItemNumber(1)).text = QStringLiteral("ab\r\ncd");
    t.items().nameItem(RowNumber(1), QStringLiteral("kept"));
    t.open(1);
    QTextCursor cursor = t.box()->textCursor();
    cursor.setPosition(start);
    cursor.setPosition(start + length, QTextCursor::KeepAnchor);
    t.box()->setTextCursor(cursor);
    QTest::keyClick(t.box(), Qt::Key_T, Qt::ControlModifier);
    QVERIFY(!t.text().isVisible());
    QVERIFY(t.p.messages.asked.isEmpty());
    QCOMPARE(t.rows(), t.captions(rows));
    QCOMPARE(t.store(), store);
    QCOMPARE(t.p.listAt(0)->currentRow(), 1);
    QVERIFY(t.p.listAt(0)->selected(1));
}

void TestTextWindow::dividingTheRowAFullListWouldDropIsRefused()
{
    Program t;
    t.p.state().lists().at(ListNumber(0)).itemLimit = 3;
    const bool addAtBottom = t.p.state().lists().at(ListNumber(0)).addAtBottom;
    t.open(addAtBottom ? 0 : 2);
    t.p.messages.willAnswer(Answer::Ok);
    t.action("divideAction")->trigger();
    QCOMPARE(t.p.messages.asked.size(), 1);
    QCOMPARE(t.p.messages.asked[0].text, QStringLiteral("ﾘｽﾄの項目数が上限のため、二分割できません。"));
    QVERIFY(t.text().isVisible());
    QCOMPARE(t.store(), QStringList({"one", "two", "three"}));
}

void TestTextWindow::lengthLimitOnOpening_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<int>("shown");
    QTest::addColumn<bool>("message");
    QTest::newRow("16383") << QString(16383, u'x') << 16383 << false;
    QTest::newRow("16384") << QString(16384, u'x') << 16384 << true;
    QTest::newRow("cut between CR and LF") << QString(16383, u'x') + Crlf << 16383 << true;
    QTest::newRow("10 MB") << QString(10 * 1024 * 1024, u'y') << 16384 << true;
}

void TestTextWindow::lengthLimitOnOpening()
{
    QFETCH(QString, item);
    QFETCH(int, shown);
    QFETCH(bool, message);
    Program t;
    t.items().at(ItemNumber(2)).text = item;
    t.open(0);
    QCOMPARE(t.box()->document()->characterCount() - 1, shown);
    QCOMPARE(t.errorMess()->isVisible(), message);
    if (message)
        QCOMPARE(t.errorMess()->text(), QStringLiteral("文字が入りきりません。一部を表示します。"));
    // Opening and closing never cuts the item.
    t.clickMain();
    QVERIFY(!t.text().isVisible());
    QCOMPARE(t.items().at(ItemNumber(2)).text, item);
}

void TestTextWindow::typingUpToTheLimitCutsTheEnd()
{
    Program t;
    t.items().at(ItemNumber(2)).text = QString(16382, u'x');
    t.open(0);
    t.box()->moveCursor(QTextCursor::End);
    QTest::keyClicks(t.box(), QStringLiteral("a"));
    QVERIFY(!t.errorMess()->isVisible());
    QTest::keyClicks(t.box(), QStringLiteral("bc"));
    QCOMPARE(t.box()->toPlainText(), QString(16382, u'x') + "ab");
    QCOMPARE(t.errorMess()->text(), QStringLiteral("文字を増やせません。末尾を削除します。"));
    QVERIFY(t.errorMess()->isVisible());
    const int fullHeight = t.text().height() - t.text().findChild<QMenuBar *>()->height();
    QVERIFY(t.box()->height() < fullHeight);
    QTest::keyClick(t.box(), Qt::Key_Backspace);
    QVERIFY(!t.errorMess()->isVisible());
    QTRY_COMPARE(t.box()->height(), fullHeight);
}

void TestTextWindow::savingAndDividingKeepWhatTheBoxDoesNotShow()
{
    Program t;
    const QString item = QString(TextWindow::MaxChars, u'x') + "end";
    t.items().at(ItemNumber(2)).text = item;
    t.open(0);
    QTest::keyClicks(t.box(), QStringLiteral("a"));
    QCOMPARE(t.errorMess()->text(), QStringLiteral("文字が入りきりません。一部を表示します。"));
    QTest::keyClick(t.box(), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(t.items().at(ItemNumber(2)).text, "a" + item);
    QTest::keyClick(t.box(), Qt::Key_T, Qt::ControlModifier);
    QCOMPARE(t.store(), QStringList({"one", "two", item, "a"}));
}

void TestTextWindow::editedTextsLetTheirHtmlGoAndKeepTheirProgram()
{
    Program t;
    ClipItem &copied = t.items().at(ItemNumber(2));
    copied.program = QStringLiteral("firefox-esr");
    copied.html = QStringLiteral("<b>") + copied.text + QStringLiteral("</b>");
    t.open(0);
    QTest::keyClicks(t.box(), QStringLiteral("a"));
    QTest::keyClick(t.box(), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(t.items().at(ItemNumber(2)).html, QString());
    // Both parts of a divided text came from the same program.
    QTest::keyClick(t.box(), Qt::Key_T, Qt::ControlModifier);
    QCOMPARE(t.store().size(), 4);
    QCOMPARE(t.items().at(ItemNumber(2)).program, QStringLiteral("firefox-esr"));
    QCOMPARE(t.items().at(ItemNumber(3)).program, QStringLiteral("firefox-esr"));
    QCOMPARE(t.items().at(ItemNumber(3)).html, QString());
}

void TestTextWindow::unload_data()
{
    QTest::addColumn<bool>("locked");
    QTest::addColumn<bool>("edited");
    QTest::addColumn<bool>("listChanged");
    QTest::addColumn<bool>("byDeactivation");
    QTest::addColumn<int>("answer"); // -1: no box
    QTest::addColumn<bool>("stays");
    QTest::addColumn<bool>("saved");
    const int yes = int(Answer::Yes), no = int(Answer::No), cancel = int(Answer::Cancel), ok = int(Answer::Ok);
    QTest::newRow("clean, click away") << false << false << false << true << -1 << false << false;
    QTest::newRow("clean, locked, click away") << true << false << false << true << -1 << true << false;
    QTest::newRow("locked, close command") << true << false << false << false << -1 << false << false;
    QTest::newRow("edited, Yes") << false << true << false << false << yes << false << true;
    QTest::newRow("edited, No") << false << true << false << true << no << false << false;
    QTest::newRow("edited, Cancel") << false << true << false << true << cancel << true << false;
    QTest::newRow("edited, locked, Yes") << true << true << false << true << yes << true << true;
    QTest::newRow("edited, locked, No") << true << true << false << true << no << true << false;
    QTest::newRow("list changed, OK") << false << true << true << false << ok << false << false;
    QTest::newRow("list changed, Cancel") << false << true << true << false << cancel << true << false;
}

void TestTextWindow::unload()
{
    QFETCH(bool, locked);
    QFETCH(bool, edited);
    QFETCH(bool, listChanged);
    QFETCH(bool, byDeactivation);
    QFETCH(int, answer);
    QFETCH(bool, stays);
    QFETCH(bool, saved);
    Program t;
    t.open(0);
    if (locked)
        QTest::keyClick(t.box(), Qt::Key_L, Qt::ControlModifier);
    QCOMPARE(t.action("lockAction")->isChecked(), locked);
    if (edited)
        QTest::keyClicks(t.box(), QStringLiteral("new "));
    if (listChanged) {
        // Its top row moves down one place, as a drag would move it: rows now hold other items.
        ListItems &items = t.items();
        const ItemNumber top = items.itemOfRow(RowNumber(0));
        items.removeRow(RowNumber(0));
        RowNumber below(1);
        items.insertRow(items.at(top).text, below, top, false);
    }
    if (answer >= 0)
        t.p.messages.willAnswer(Answer(answer));
    if (byDeactivation)
        t.clickMain();
    else
        t.action("closeAction")->trigger();
    QTRY_COMPARE(t.text().isVisible(), stays);
    QVERIFY(t.p.messages.allAnswered());
    QCOMPARE(t.p.messages.asked.size(), answer >= 0 ? 1 : 0);
    if (answer >= 0) {
        const auto &asked = t.p.messages.asked[0];
        const auto expected = listChanged
            ? ScriptedMessageBoxes::Asked{"Arlen.T.K. QuillKeeper", "ﾘｽﾄが変更されたため、保存されません。",
                                          MessageBoxPort::Icon::Warning, MessageBoxPort::Buttons::OkCancel}
            : ScriptedMessageBoxes::Asked{"Arlen.T.K. QuillKeeper * ﾃｷｽﾄ表示", "内容が変更されています。\r\n保存しますか?",
                                          MessageBoxPort::Icon::Question, MessageBoxPort::Buttons::YesNoCancel};
        QCOMPARE(asked.title, expected.title);
        QCOMPARE(asked.text, expected.text);
        QVERIFY(asked.icon == expected.icon && asked.buttons == expected.buttons);
    }
    QCOMPARE(t.store().last(), saved ? QStringLiteral("new three") : QStringLiteral("three"));
    QCOMPARE(t.text().showsItem(), stays);
    if (stays && edited && answer == int(Answer::Cancel)) {
        // Holding its edit, it stays on its item: a click on another row neither turns it nor copies.
        ListBoxWidget *list = t.p.listAt(0);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->rowRect(2).center());
        QCOMPARE(t.box()->toPlainText(), QStringLiteral("new three"));
        QVERIFY(t.p.clipboard.writes().isEmpty());
    }
    if (!stays)
        QVERIFY(!t.text().holdsEdits());
}

void TestTextWindow::listChangesRefuseSavingUntilARowIsClicked()
{
    Program t;
    t.open(1);
    // Lock it, so the click on the main window leaves it open.
    t.action("lockAction")->trigger();
    t.p.root.watcher().setCapturing(true);
    t.p.clipboard.setPlainText(QStringLiteral("captured"));
    t.p.root.watcher().tick();
    QVERIFY(!t.text().itemMatchesList());
    QTest::keyClicks(t.box(), QStringLiteral("x"));
    // Past the first moments of the window.
    QTest::qWait(350);
    t.p.messages.willAnswer(Answer::Ok);
    t.action("saveAction")->trigger();
    QCOMPARE(t.p.messages.asked.last().text, QStringLiteral("ﾘｽﾄが変更されたため、保存できません。"));
    QCOMPARE(t.p.messages.asked.last().icon, MessageBoxPort::Icon::Warning);
    // A window manager hands the activation to the main window as the box goes: no click away.
    t.clickMainAtOnce();
    t.p.messages.willAnswer(Answer::Ok);
    t.action("divideAction")->trigger();
    QCOMPARE(t.p.messages.asked.last().text, QStringLiteral("ﾘｽﾄが変更されたため、二分割できません。"));
    QCOMPARE(t.p.messages.asked.last().icon, MessageBoxPort::Icon::Critical);
    QVERIFY(t.text().isVisible());
    // Away from the edited window, then a click on row 3 ("one"): re-pointed and allowed again.
    t.p.messages.willAnswer(Answer::No);
    t.clickMain();
    QTRY_VERIFY(t.p.messages.allAnswered());
    ListBoxWidget *list = t.p.listAt(0);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->rowRect(3).center());
    QVERIFY(t.text().itemMatchesList());
    QCOMPARE(t.box()->toPlainText(), QStringLiteral("one"));
}

void TestTextWindow::captureSwitchFollowsTheWindow()
{
    Program t;
    t.p.state().settings().pauseWhileTextWindowActive = true;
    t.p.root.watcher().setCapturing(true);
    t.open(0);
    // Active: capture stopped, and the menu shows it.
    QVERIFY(!t.p.root.watcher().capturing());
    QCOMPARE(t.action("captureAction")->text(), QStringLiteral("停止中(&S)"));
    t.clickMainAtOnce();
    t.clickMain();
    QVERIFY(!t.text().isVisible());
    QVERIFY(t.p.root.watcher().capturing());
    t.p.command(Command::StopCapture)->trigger();
    QCOMPARE(t.action("captureAction")->text(), QStringLiteral("停止中(&S)"));
}

void TestTextWindow::placementSurvivesARestart()
{
    QTemporaryDir dir;
    const QString settings = dir.filePath(QStringLiteral("QKPRUtil.dat"));
    QSize outer;
    {
        TestProgram p;
        p.start({}, settings);
        for (const char *text : {"one", "two"})
            p.state().lists().at(ListNumber(0)).items().addItem(QString::fromLatin1(text));
        p.state().display().highlightRow(PaneNumber(0), RowNumber(0));
        p.command(Command::ShowText)->trigger();
        TextWindow &text = p.root.textWindow();
        QVERIFY(QTest::qWaitForWindowExposed(&text));
        text.move(p.window().frameGeometry().topLeft() + QPoint(25, 35));
        text.resize(280, 150);
        outer = text.frameGeometry().size();
        // The text moves to the wrapping box; choosing that mode again keeps it there.
        for (int twice = 0; twice < 2; ++twice)
            text.findChild<QAction *>("verticalAction")->trigger();
        QCOMPARE(text.findChild<QPlainTextEdit *>("box1")->toPlainText(), QStringLiteral("two"));
        QVERIFY(!text.findChild<QPlainTextEdit *>("box0")->isVisible());
        text.findChild<QAction *>("lockAction")->trigger();
        // Still open when the program ends: nothing is asked, the placement is kept.
        p.window().close();
        QVERIFY(p.messages.asked.isEmpty());
    }
    TestProgram again;
    again.start({}, settings);
    const TextWindowSettings &stored = again.window().windowSettings().text;
    QCOMPARE(QPoint(stored.offsetX, stored.offsetY), QPoint(25, 35));
    QCOMPARE(QSize(stored.width, stored.height), outer);
    QVERIFY(stored.locked);
    QCOMPARE(stored.scrollMode, 1);
}

QTEST_MAIN(TestTextWindow)
#include "tst_textwindow.moc"
