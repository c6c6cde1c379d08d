// SPDX-License-Identifier: GPL-3.0-or-later
// The main window on a real X server with the real clipboard: other programs copy texts, the
// pointer and the keyboard are driven through the X server (xdotool), and other programs read
// back what a click put on the clipboard (xclip -o).
#include "ClipboardOwner.h"
#include "TestProgram.h"
#include "capture/ClipboardWatcher.h"
#include "mainwindow/FindBar.h"
#include "mainwindow/MainMenus.h"
#include "mainwindow/PaneArea.h"
#include "mainwindow/MainWindow.h"
#include "model/ListItems.h"
#include "model/ClipItem.h"
#include "model/ListCollection.h"
#include "model/ListDisplay.h"
#include "model/ListRecord.h"
#include "model/ProgramState.h"
#include "model/SettingRanges.h"
#include "model/GlobalSettings.h"
#include "platform/ListBoxWidget.h"
#include "platform/LineBreaks.h"
#include "platform/QtClipboard.h"

#include <QAction>
#include <QLineEdit>
#include <QClipboard>
#include <QMenu>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTimer>
#include <QtTest>
#include <memory>

namespace {

// The shortest interval the settings allow: a few ticks pass quickly.
constexpr int TickMs = SettingRanges::TimerIntervalMin;
// Ticks to wait for a text that must not be captured.
constexpr int QuietTicks = 5;

const QString Japanese = QStringLiteral("日本語のテキスト　ｶﾀｶﾅ\r\n二行目 ～ ＼");

QString rtf(const QString &words)
{
    return QStringLiteral("{\\rtf1\\ansi {\\b %1} text}").arg(words);
}

// Runs an X tool to its end while the event loop keeps running.
bool runTool(const QString &program, const QStringList &arguments)
{
    QProcess tool;
    tool.setProcessChannelMode(QProcess::ForwardedChannels);
    QSignalSpy finished(&tool, &QProcess::finished);
    tool.start(program, arguments);
    if (!tool.waitForStarted() || !finished.wait(10000)) {
        tool.kill();
        tool.waitForFinished();
        return false;
    }
    return tool.exitStatus() == QProcess::NormalExit && tool.exitCode() == 0;
}

// The main window as the user sees it, on the real clipboard with a short timer.
struct Window {
    void open()
    {
        program = std::make_unique<TestProgram>(&clipboard);
        window = &program->window();
        program->start();
        state().settings().pollInterval = TickMs;
        state().settings().applyToWindows();
        // After the watcher's own connection, so a capturing tick finds the count of the ticks before it.
        QObject::connect(&watcher().timer(), &QTimer::timeout, window, [this] { ++ticks; });
        QObject::connect(QGuiApplication::clipboard(), &QClipboard::changed, window,
                         [this](QClipboard::Mode mode) {
                             if (mode == QClipboard::Clipboard && tickAtChange < 0)
                                 tickAtChange = ticks;
                         });
        QObject::connect(list()->model(), &QAbstractItemModel::rowsInserted, window,
                         [this] { tickAtCapture = ticks; });
    }

    ProgramState &state() const { return program->state(); }
    ClipboardWatcher &watcher() const { return program->root.watcher(); }
    ListBoxWidget *list() { return program->root.panes().clipListWidget(state().display().focusedPane()); }
    const QString &lastClipText() const { return watcher().lastClipboardText(); }

    // The item texts of the focused list, top row first.
    QStringList words()
    {
        const PaneNumber pane = state().display().focusedPane();
        ListItems &items = state().display().recordOfPane(pane).items();
        QStringList texts;
        for (RowNumber row{0}; row < items.rowCount(); ++row)
            texts << items.at(items.itemOfRow(row)).text;
        return texts;
    }

    // The tick that captured the last text, counted from the change that brought it (1: the first
    // tick after it); 0 when nothing was captured since the last call of expectChange.
    int ticksToCapture() const { return tickAtCapture < 0 ? 0 : tickAtCapture - tickAtChange + 1; }
    void expectChange()
    {
        tickAtChange = -1;
        tickAtCapture = -1;
    }

    bool passTicks(int count)
    {
        const int until = ticks + count;
        return QTest::qWaitFor([&] { return ticks >= until; }, count * TickMs * 10 + 2000);
    }

    QtClipboard clipboard;
    std::unique_ptr<TestProgram> program;
    MainWindow *window = nullptr;
    int ticks = 0;
    int tickAtChange = -1;
    int tickAtCapture = -1;
};

} // namespace

class TestClipboardCapture : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();

    void capturesWhatOtherProgramsCopy_data();
    void capturesWhatOtherProgramsCopy();
    void capturesOnlyPlainOrRichTextThatIsNotSecret_data();
    void capturesOnlyPlainOrRichTextThatIsNotSecret();
    void clickedRowGoesBackToTheClipboard_data();
    void clickedRowGoesBackToTheClipboard();
    void ctrlAStopsAndResumesCapture_data();
    void ctrlAStopsAndResumesCapture();
    void typedQueryFiltersAndEnterCopiesTheMatch();

private:
    // Another program owns a first text, then the window starts and captures it on its first tick.
    bool openWithBaseline(Window &w, const QString &baseline);
    bool copyElsewhere(Window &w, const QStringList &owner, const QByteArray &input = {});

    ClipboardOwner m_owner;
};

void TestClipboardCapture::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
    for (const char *tool : {"xclip", "xdotool"})
        QVERIFY2(!QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty(), tool);
    QVERIFY2(QFileInfo(ClipboardOwner::helperPath()).isExecutable(),
             qPrintable(ClipboardOwner::helperPath() + " is missing"));
}

bool TestClipboardCapture::openWithBaseline(Window &w, const QString &baseline)
{
    if (!m_owner.take({"xclip"}, baseline.toUtf8()))
        return false;
    w.open();
    return QTest::qWaitForWindowExposed(w.window) &&
           QTest::qWaitFor([&] { return w.words() == QStringList{baseline}; }, 5000) &&
           w.lastClipText() == baseline;
}

bool TestClipboardCapture::copyElsewhere(Window &w, const QStringList &owner, const QByteArray &input)
{
    w.expectChange();
    return m_owner.take(owner, input);
}

void TestClipboardCapture::capturesWhatOtherProgramsCopy_data()
{
    QTest::addColumn<QStringList>("copies"); // copied by xclip one after the other
    QTest::addColumn<QStringList>("items");  // the new items, top row first

    QTest::newRow("text") << QStringList{"hello, world"} << QStringList{"hello, world"};
    QTest::newRow("Japanese UTF-8 with a line break") << QStringList{Japanese} << QStringList{Japanese};
    QTest::newRow("A, B, A") << QStringList{"A", "B", "A"} << QStringList{"A", "B", "A"};
    QTest::newRow("the same text again") << QStringList{"same", "same"} << QStringList{"same"};
    QTest::newRow("the text already seen at start-up") << QStringList{"baseline"} << QStringList{};
    QTest::newRow("case matters") << QStringList{"Case", "case"} << QStringList{"case", "Case"};
}

void TestClipboardCapture::capturesWhatOtherProgramsCopy()
{
    QFETCH(QStringList, copies);
    QFETCH(QStringList, items);

    Window w;
    QVERIFY(openWithBaseline(w, QStringLiteral("baseline")));
    QString lastSeen = QStringLiteral("baseline");
    for (const QString &text : copies) {
        const qsizetype before = w.words().size();
        QVERIFY(copyElsewhere(w, {"xclip"}, text.toUtf8()));
        if (text != lastSeen) {
            QTRY_COMPARE(w.words().size(), before + 1);
            QCOMPARE(w.words().first(), text);
            QVERIFY2(w.ticksToCapture() >= 1 && w.ticksToCapture() <= 2,
                     qPrintable(QString("captured %1 ticks after the change").arg(w.ticksToCapture())));
        } else {
            QVERIFY(w.passTicks(QuietTicks));
            QCOMPARE(w.words().size(), before);
        }
        lastSeen = text;
        QCOMPARE(w.lastClipText(), text);
    }
    QCOMPARE(w.words(), items + QStringList{"baseline"});
    // The list box follows the items; the newest is the focused and only highlighted row.
    ListBoxWidget *list = w.list();
    QCOMPARE(list->count(), items.size() + 1);
    QCOMPARE(list->currentRow(), 0);
    QCOMPARE(list->selectedRows(), QList<int>{0});
}

void TestClipboardCapture::capturesOnlyPlainOrRichTextThatIsNotSecret_data()
{
    QTest::addColumn<QStringList>("owner"); // clipowner's arguments
    QTest::addColumn<bool>("htmlReco");
    QTest::addColumn<QString>("captured"); // null: nothing

    const QStringList both{"--format", "text/plain", "平文", "--format", "text/rtf", rtf("太字")};
    const QStringList secret{"--format", "text/plain", "hunter2", "--format", "text/rtf", rtf("hunter2"),
                             "--format", "x-kde-passwordManagerHint", "secret"};
    QTest::newRow("plain and rich text") << both << false << QStringLiteral("平文");
    QTest::newRow("plain and rich text, read as rich") << both << true << rtf("太字");
    QTest::newRow("plain text only, read as rich") << QStringList{"--format", "text/plain", "平文"} << true << QString();
    // Capture asks for plain text first, even when it reads rich text.
    QTest::newRow("rich text only, read as rich") << QStringList{"--format", "text/rtf", rtf("太字")} << true
                                                  << QString();
    QTest::newRow("an image only") << QStringList{"--format", "image/png", "not really a PNG"} << false << QString();
    QTest::newRow("marked secret") << secret << false << QString();
    QTest::newRow("marked secret, read as rich") << secret << true << QString();
    QTest::newRow("an empty secret hint") << secret.mid(0, 8) + QStringList{""} << false << QString();
}

void TestClipboardCapture::capturesOnlyPlainOrRichTextThatIsNotSecret()
{
    QFETCH(QStringList, owner);
    QFETCH(bool, htmlReco);
    QFETCH(QString, captured);

    Window w;
    QVERIFY(openWithBaseline(w, QStringLiteral("baseline")));
    w.state().settings().richText = htmlReco;
    QVERIFY(copyElsewhere(w, QStringList{"helper"} + owner));
    if (captured.isNull()) {
        QVERIFY(w.passTicks(QuietTicks));
        QCOMPARE(w.words(), QStringList{"baseline"});
        QCOMPARE(w.lastClipText(), QStringLiteral("baseline"));
    } else {
        QTRY_COMPARE(w.words(), (QStringList{captured, "baseline"}));
        QCOMPARE(w.lastClipText(), captured);
    }
    if (owner.contains(QStringLiteral("x-kde-passwordManagerHint"))) {
        // The owner must never have handed the secret over.
        const QList<QByteArray> reports = m_owner.helperReports();
        QVERIFY2(!reports.contains("served text/plain") && !reports.contains("served text/rtf"),
                 reports.join(' ').constData());
        // Nor asked about one content on every tick.
        QCOMPARE(reports.count("served x-kde-passwordManagerHint"), 1);
    }
}

void TestClipboardCapture::clickedRowGoesBackToTheClipboard_data()
{
    QTest::addColumn<bool>("htmlReco");
    QTest::addColumn<QStringList>("copies");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("target"); // what xclip asks for; empty: its default, UTF-8 text

    QTest::newRow("plain text") << false << QStringList{"first", Japanese, "third"} << 1 << QString();
    QTest::newRow("the text captured at start-up") << false << QStringList{"first", "second"} << 2 << QString();
    QTest::newRow("rich text") << true << QStringList{rtf("one"), rtf("二")} << 1 << QStringLiteral("text/rtf");
}

void TestClipboardCapture::clickedRowGoesBackToTheClipboard()
{
    QFETCH(bool, htmlReco);
    QFETCH(QStringList, copies);
    QFETCH(int, row);
    QFETCH(QString, target);

    Window w;
    QVERIFY(openWithBaseline(w, QStringLiteral("baseline")));
    w.state().settings().richText = htmlReco;
    for (const QString &text : copies) {
        if (htmlReco)
            QVERIFY(copyElsewhere(w, {"helper", "--format", "text/plain", "plain", "--format", "text/rtf", text}));
        else
            QVERIFY(copyElsewhere(w, {"xclip"}, text.toUtf8()));
        QTRY_COMPARE(w.words().first(), text);
    }
    const QStringList before = w.words();
    const QString clicked = before.at(row);

    ListBoxWidget *list = w.list();
    const QRect rect = list->rowRect(row);
    QVERIFY(list->viewport()->rect().contains(rect.center()));
    const QPoint at = list->viewport()->mapToGlobal(rect.center());
    QVERIFY(runTool(QStringLiteral("xdotool"), {"mousemove", "--sync", QString::number(at.x()),
                                                QString::number(at.y()), "click", "1"}));
    QTRY_COMPARE(list->currentRow(), row);
    QTRY_COMPARE(w.lastClipText(), clicked);

    // Plain text goes out with LF line breaks, rich text as it is.
    QCOMPARE(QString::fromUtf8(ClipboardOwner::readWithXclip(target)), htmlReco ? clicked : LineBreaks::toClipboard(clicked));
    // What the click put on the clipboard was seen before it was written: never captured back.
    w.expectChange();
    QVERIFY(w.passTicks(QuietTicks));
    QCOMPARE(w.words(), before);
    QCOMPARE(w.lastClipText(), clicked);
    QCOMPARE(w.ticksToCapture(), 0);
}

void TestClipboardCapture::ctrlAStopsAndResumesCapture_data()
{
    QTest::addColumn<bool>("menuBar");
    QTest::newRow("menu shortcut") << true;
    QTest::newRow("window key, menu bar hidden") << false;
}

void TestClipboardCapture::ctrlAStopsAndResumesCapture()
{
    QFETCH(bool, menuBar);

    Window w;
    QVERIFY(openWithBaseline(w, QStringLiteral("baseline")));
    w.window->setMenuBarShown(menuBar);
    const QString id = QString::number(w.window->winId());
    QVERIFY(runTool(QStringLiteral("xdotool"), {"windowfocus", "--sync", id}));
    QTRY_VERIFY(w.window->isActiveWindow());

    QVERIFY(runTool(QStringLiteral("xdotool"), {"key", "ctrl+a"}));
    QTRY_VERIFY(!w.window->capturing());
    emit w.program->root.menus().barMenus[2]->aboutToShow();
    QVERIFY(w.program->command(Command::StopCapture)->isChecked());

    QVERIFY(copyElsewhere(w, {"xclip"}, "copied while stopped"));
    // The timer keeps running for the screen-edge stepping of the list, but captures nothing.
    QVERIFY(w.watcher().timer().isActive());
    QVERIFY(w.passTicks(QuietTicks));
    QCOMPARE(w.words(), QStringList{"baseline"});
    QVERIFY(!w.window->capturing());

    QVERIFY(runTool(QStringLiteral("xdotool"), {"key", "ctrl+a"}));
    QTRY_VERIFY(w.window->capturing());
    QTRY_COMPARE(w.words(), (QStringList{"copied while stopped", "baseline"}));
    emit w.program->root.menus().barMenus[2]->aboutToShow();
    QVERIFY(!w.program->command(Command::StopCapture)->isChecked());
}

void TestClipboardCapture::typedQueryFiltersAndEnterCopiesTheMatch()
{
    Window w;
    QVERIFY(openWithBaseline(w, QStringLiteral("baseline")));
    const auto copy = [&](const char *text) {
        QVERIFY(copyElsewhere(w, {"xclip"}, text));
        QTRY_COMPARE(w.words().first(), QString::fromLatin1(text));
    };
    for (const char *text : {"apple pie", "banana split", "cherry tart"})
        copy(text);
    const QString id = QString::number(w.window->winId());
    QVERIFY(runTool(QStringLiteral("xdotool"), {"windowfocus", "--sync", id}));
    QTRY_VERIFY(w.window->isActiveWindow());
    w.list()->setFocus();
    QVERIFY(runTool(QStringLiteral("xdotool"), {"type", "--delay", "30", "ban"}));
    FindBar &bar = w.program->root.findBar();
    QTRY_COMPARE(bar.queryEdit()->text(), QStringLiteral("ban"));
    // The list is looked through in slices: the rows follow the query a moment later.
    QTRY_VERIFY(w.list()->isRowHidden(0) && !w.list()->isRowHidden(1) && w.list()->isRowHidden(2));
    QVERIFY(runTool(QStringLiteral("xdotool"), {"key", "Return"}));
    QTRY_COMPARE(QString::fromUtf8(ClipboardOwner::readWithXclip()), QStringLiteral("banana split"));
    // A capture while the bar is open shows if it matches.
    for (const char *text : {"banana bread", "date"})
        copy(text);
    QTRY_VERIFY(w.list()->isRowHidden(0) && !w.list()->isRowHidden(1));
}

QTEST_MAIN(TestClipboardCapture)
#include "tst_clipboardcapture.moc"
