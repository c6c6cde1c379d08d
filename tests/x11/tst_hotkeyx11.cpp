// SPDX-License-Identifier: GPL-3.0-or-later
// The global hotkey on a real X server, pressed through the server (xdotool) while another
// window has the focus.
#include "TestProgram.h"
#include "XDoTool.h"
#include "mainwindow/MainWindow.h"
#include "platform/ListBoxWidget.h"
#include "platform/x11/X11Hotkey.h"
#include "windows/MiniWindow.h"

#include <QAction>
#include <QLineEdit>
#include <QtTest>

class TestHotkeyX11 : public QObject {
    Q_OBJECT
private slots:
    void pickFromAnotherWindow();
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
    list->setCurrentRow(2);
    for (const char *key : {"Return", "Escape"}) {
        if (key[0] == 'E') { // the second time from the mini window
            p.command(Command::Minimise)->trigger();
            QTRY_VERIFY(p.root.miniWindow().isActiveWindow());
        }
        other.activateWindow();
        QTRY_VERIFY(other.isActiveWindow());
        QVERIFY(XDoTool::run({QStringLiteral("key"), QStringLiteral("ctrl+alt+v")}));
        QTRY_VERIFY(p.window().isActiveWindow());
        QTRY_VERIFY(list->hasFocus());
        QCOMPARE(list->currentRow(), 0);
        QVERIFY(!p.root.miniWindow().isVisible());
        QVERIFY(XDoTool::run({QStringLiteral("key"), QString::fromLatin1(key)}));
        QTRY_VERIFY(other.isActiveWindow());
        QVERIFY(p.window().isVisible());
    }
    // Enter copied the first row; Esc nothing more.
    QCOMPARE(p.clipboard.writes(), QList<FakeClipboard::Write>{{QStringLiteral("a")}});
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
