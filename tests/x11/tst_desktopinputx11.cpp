// SPDX-License-Identifier: GPL-3.0-or-later
// Input from the desktop on a real X server: clip-list files dragged over from another program
// (a small helper plays the file manager) and the pointer resting at the screen's edges.
#include "TestProgram.h"
#include "XDoTool.h"
#include "mainwindow/MainWindow.h"
#include "model/ListItems.h"
#include "model/ListCollection.h"
#include "model/ListDisplay.h"
#include "model/ListRecord.h"
#include "model/ProgramState.h"
#include "platform/ListBoxWidget.h"
#include "storage/ClipListFile.h"

#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {
QStringList texts(ProgramState &state, ListNumber list)
{
    QStringList out;
    ListItems &items = state.lists().at(list).items();
    for (RowNumber row{0}; row < items.rowCount(); ++row)
        out << items.at(items.itemOfRow(row)).text;
    return out;
}

bool writeList(const QString &path, const QStringList &items)
{
    ClipListContent content;
    content.options.itemLimit = 32;
    content.options.captionLength = 48;
    content.options.fontSize = 9;
    content.options.fontName = QStringLiteral("ＭＳ Ｐゴシック");
    content.options.name = QStringLiteral("dropped");
    for (const QString &t : items)
        content.items.push_back(ClipItem{t, QString()});
    return ClipListFile::write(path, content);
}
} // namespace

class TestDesktopInputX11 : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void filesDraggedFromAnotherProgram();
    void pointerAtTheScreenEdgesStepsThroughTheList();
};

void TestDesktopInputX11::initTestCase()
{
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
    QVERIFY(!QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty());
}

void TestDesktopInputX11::filesDraggedFromAnotherProgram()
{
    TestProgram p;
    p.start();
    QVERIFY(QTest::qWaitForWindowExposed(&p.window()));
    ProgramState &state = p.state();
    const PaneNumber pane = state.display().focusedPane();
    state.lists().at(ListNumber(0)).items().addItem(QStringLiteral("captured before"));

    QTemporaryDir dir;
    const QString first = dir.filePath(QStringLiteral("first.qkp"));
    const QString notAList = dir.filePath(QStringLiteral("notes.txt"));
    const QString second = dir.filePath(QStringLiteral("second list.qkp"));
    QVERIFY(writeList(first, {"a1", "a2"}));
    QFile notes(notAList);
    QVERIFY(notes.open(QIODevice::WriteOnly) && notes.write("just some notes\n") > 0);
    notes.close();
    QVERIFY(writeList(second, {"b1"}));
    p.messages.willAnswer(MessageBoxPort::Answer::Ok);

    QProcess dragger;
    dragger.start(QCoreApplication::applicationDirPath() + QStringLiteral("/helpers/filedragger"),
                  {first, notAList, second});
    QVERIFY(dragger.waitForStarted());
    QVERIFY(XDoTool::run({"search", "--sync", "--onlyvisible", "--name", "^filedragger$"}));
    // Press on the helper's window (it starts the drag), then carry the files over in steps.
    const ListBoxWidget *list = p.listAt(0);
    QVERIFY(XDoTool::drag({QPoint(660, 560), list->mapToGlobal(list->rect().center())}));
    // The drop is answered by this process's event loop, so the wait keeps it running.
    QTRY_VERIFY_WITH_TIMEOUT(dragger.state() == QProcess::NotRunning, 10000);
    QCOMPARE(dragger.readAllStandardOutput().trimmed(), QByteArray("copied"));

    // The first file into the focused list, each further one into a new list; the notes are no
    // clip list: their message names them, and the lists already open keep what they hold.
    QTRY_COMPARE(state.display().paneCount(), qint16(3));
    QCOMPARE(texts(state, ListNumber(0)), (QStringList{"a2", "a1"}));
    QCOMPARE(texts(state, ListNumber(1)), QStringList());
    QCOMPARE(texts(state, ListNumber(2)), (QStringList{"b1"}));
    QCOMPARE(p.messages.asked.size(), 1);
    QCOMPARE(p.messages.asked[0].title, ClipListFile::readErrorTitle());
    QVERIFY(p.messages.asked[0].text.contains(QStringLiteral("notes.txt")));
    QTRY_VERIFY(p.window().isActiveWindow());
}

void TestDesktopInputX11::pointerAtTheScreenEdgesStepsThroughTheList()
{
    TestProgram p;
    p.start();
    QVERIFY(QTest::qWaitForWindowExposed(&p.window()));
    ProgramState &state = p.state();
    const PaneNumber pane = state.display().focusedPane();
    ListItems &items = state.lists().at(ListNumber(0)).items();
    for (const char *text : {"bottom", "middle", "top"})
        items.addItem(QString::fromLatin1(text));
    state.display().highlightRow(pane, RowNumber(1));
    // Stepping runs while the focused list keeps moving its focus after each capture.
    QCOMPARE(state.lists().at(ListNumber(0)).focusMode, FocusMode::MovesAtScreenEdges);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();

    // Left edge: up, one row per tick, each reached item copied; the first row holds it there.
    QVERIFY(XDoTool::pointTo(QPoint(screen.left(), screen.center().y())));
    QTRY_COMPARE(state.display().focusedRow(pane), qint16(0));
    QTRY_COMPARE(p.clipboard.writes().last().text, QStringLiteral("top"));
    // Right edge: down to the last row.
    QVERIFY(XDoTool::pointTo(QPoint(screen.right(), screen.center().y())));
    QTRY_COMPARE(state.display().focusedRow(pane), qint16(2));
    QTRY_COMPARE(p.clipboard.writes().last().text, QStringLiteral("bottom"));
    QCOMPARE(p.listAt(0)->selectedRows(), QList<int>{2});
    // Away from the edges nothing more is copied.
    QVERIFY(XDoTool::pointTo(screen.center()));
    QTest::qWait(600);
    const qsizetype copied = p.clipboard.writes().size();
    QTest::qWait(1200);
    QCOMPARE(p.clipboard.writes().size(), copied);
}

QTEST_MAIN(TestDesktopInputX11)
#include "tst_desktopinputx11.moc"
