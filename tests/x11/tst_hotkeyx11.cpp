// SPDX-License-Identifier: GPL-3.0-or-later
// The global hotkey on a real X server, pressed through the server (xdotool) while another
// window has the focus.
#include "TestProgram.h"
#include "XDoTool.h"
#include "mainwindow/MainWindow.h"
#include "model/ProgramState.h"
#include "platform/ListBoxWidget.h"
#include "platform/x11/X11Clipboard.h"
#include "platform/x11/X11Hotkey.h"
#include "windows/MiniWindow.h"

#include <QAction>
#include <QLineEdit>
#include <QProcess>
#include <QScopeGuard>
#include <QtTest>

namespace {
// Activates a window of this process once mapped (a request before waits for the map), and until a
// window manager names it active too: the hotkey asks it where to give the focus back.
bool activate(QWidget &window)
{
    if (!QTest::qWaitForWindowExposed(&window))
        return false;
    window.activateWindow();
    return QTest::qWaitFor([&] {
        QProcess tool;
        tool.start(QStringLiteral("xdotool"), {QStringLiteral("getactivewindow")});
        return window.isActiveWindow() && (!qEnvironmentVariableIsSet("QK_WINDOW_MANAGER")
            || (tool.waitForFinished() && tool.readAllStandardOutput().trimmed().toULongLong() == window.winId()));
    });
}
} // namespace

class TestHotkeyX11 : public QObject {
    Q_OBJECT
private slots:
    void pickFromAnotherWindow();
    void fromAnotherProgramOnNewLayout();
    void findBarEnterPicks_data();
    void findBarEnterPicks();
    void takenKeyIsNamed();
};

void TestHotkeyX11::pickFromAnotherWindow()
{
    X11Hotkey hotkey;
    QVERIFY(hotkey.start());
    TestProgram p(nullptr, &hotkey);
    p.start();
    p.fill(0, QStringLiteral("abc"));
    p.root.grabHotkey();
    QVERIFY(p.messages.asked.isEmpty());
    QLineEdit other;
    other.setWindowTitle(QStringLiteral("other"));
    other.show();
    ListBoxWidget *list = p.listAt(0);
    list->setCurrentIndex(list->model()->index(2, 0));
    for (const char *key : {"Return", "Escape"}) {
        if (key[0] == 'E') { // the second time from the mini window
            p.command(Command::Minimise)->trigger();
            QTRY_VERIFY(p.root.miniWindow().isActiveWindow());
        }
        QVERIFY(activate(other));
        QVERIFY(XDoTool::run({QStringLiteral("key"), QStringLiteral("ctrl+alt+v")}));
        QTRY_VERIFY(p.window().isActiveWindow());
        QTRY_VERIFY(list->hasFocus());
        QCOMPARE(list->currentRow(), 0);
        QVERIFY(!p.root.miniWindow().isVisible());
        QVERIFY(XDoTool::run({QStringLiteral("key"), QString::fromLatin1(key)}));
        QTRY_VERIFY(other.isActiveWindow());
        // Back in the form it had: shown behind the other window, then the mini window.
        QTRY_COMPARE(p.root.miniWindow().isVisible(), key[0] == 'E');
        QCOMPARE(p.window().isVisible(), key[0] == 'R');
    }
    // Enter copied the first row; Esc nothing more.
    QCOMPARE(p.clipboard.writes(), QList<FakeClipboard::Write>{{QStringLiteral("a")}});
}

// From a separate program, then again on a layout set while running: the key's Ctrl and Alt go to
// that program, so no event tells this process a time newer than that program's focus.
void TestHotkeyX11::fromAnotherProgramOnNewLayout()
{
    X11Hotkey hotkey;
    QVERIFY(hotkey.start());
    TestProgram p(nullptr, &hotkey);
    p.start();
    p.root.grabHotkey();
    QProcess other;
    other.start(QStringLiteral("xmessage"), {QStringLiteral("-name"), QStringLiteral("qkother"), QStringLiteral("other")});
    // Focused with the server's time, as a click does; tried until a window manager has taken the window in.
    const char *focus = qEnvironmentVariableIsSet("QK_WINDOW_MANAGER") ? "windowactivate" : "windowfocus";
    const QStringList focusOther{"search", "--sync", "--onlyvisible", "--classname", "qkother", focus, "--sync"};
    QTRY_VERIFY(XDoTool::run(focusOther));
    QVERIFY(XDoTool::run({"key", "ctrl+alt+v"}));
    QTRY_VERIFY(p.listAt(0)->hasFocus());
    const auto backToUs = qScopeGuard([] { QProcess::execute("setxkbmap", {"-layout", "us"}); });
    QCOMPARE(QProcess::execute("setxkbmap", {"-layout", "us", "-variant", "dvorak"}), 0);
    QVERIFY(XDoTool::run(focusOther));
    QTRY_VERIFY(!p.window().isActiveWindow());
    // xdotool presses the key that types V now; a press before the new map reached this process meets the old grab.
    bool up = false;
    for (int press = 0; press < 5 && !up; ++press)
        up = XDoTool::run({"key", "ctrl+alt+v"}) && QTest::qWaitFor([&] { return p.listAt(0)->hasFocus(); }, 1000);
    QVERIFY(up);
}

void TestHotkeyX11::findBarEnterPicks_data()
{
    QTest::addColumn<bool>("keepWindow");
    QTest::newRow("back in the tray") << false;
    QTest::newRow("kept up") << true;
}

// Typing finds; Enter on the match picks it as Enter in the list does, and pastes it.
void TestHotkeyX11::findBarEnterPicks()
{
    QFETCH(bool, keepWindow);
    X11Clipboard clipboard;
    QVERIFY(clipboard.start());
    X11Hotkey hotkey;
    QVERIFY(hotkey.start());
    TestProgram p(&clipboard, &hotkey);
    p.start();
    p.fill(0, QStringLiteral("abc"));
    p.state().extraSettings.pasteAfterPick = true;
    p.state().extraSettings.keepWindowAfterPick = keepWindow;
    p.root.grabHotkey();
    p.window().hide();
    QLineEdit other;
    other.show();
    QVERIFY(activate(other));
    QVERIFY(XDoTool::run({"key", "ctrl+alt+v"}));
    QTRY_VERIFY(p.listAt(0)->hasFocus());
    QVERIFY(XDoTool::run({"type", "b"}));
    QVERIFY(XDoTool::run({"key", "Return"}));
    QTRY_COMPARE(other.text(), QStringLiteral("b"));
    QVERIFY(other.isActiveWindow());
    QCOMPARE(p.window().isVisible(), keepWindow);
}

void TestHotkeyX11::takenKeyIsNamed()
{
    X11Hotkey desktop;
    QVERIFY(desktop.start());
    QCOMPARE(desktop.grab(Qt::CTRL | Qt::ALT | Qt::Key_V), HotkeyPort::Grab::Done);
    X11Hotkey hotkey;
    QVERIFY(hotkey.start());
    TestProgram p(nullptr, &hotkey);
    p.start();
    p.messages.willAnswer(MessageBoxPort::Answer::Ok);
    p.root.grabHotkey();
    QCOMPARE(p.messages.asked.size(), 1);
    QVERIFY(p.messages.asked[0].text.contains(QStringLiteral("ﾎｯﾄｷｰ：Ctrl+Alt+V")));
}

QTEST_MAIN(TestHotkeyX11)
#include "tst_hotkeyx11.moc"
