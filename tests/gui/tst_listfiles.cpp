// SPDX-License-Identifier: GPL-3.0-or-later
// Opening and saving clip-list files from the main window: dialogs, remembered folder, overwrite
// save, failures that leave the list alone, and files named on the command line.
#include "TestProgram.h"
#include "mainwindow/ListCommands.h"
#include "mainwindow/ListFileCommands.h"
#include "mainwindow/PaneArea.h"
#include "model/ListItems.h"
#include "model/ListCollection.h"
#include "model/ListDisplay.h"
#include "model/ListRecord.h"
#include "model/ProgramState.h"
#include "platform/ListBoxWidget.h"
#include "storage/ClipListFile.h"
#include "storage/ClipListStore.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

namespace {

struct Window {
    void start(const QStringList &files = {}) { p.start(files); }
    ListNumber focusedList() { return state.display().focusedList(); }
    ListRecord &list(qint16 n) { return state.lists().at(ListNumber(n)); }
    ListFileCommands &listFiles() { return p.root.listFiles(); }
    void add(ListNumber list, const QStringList &texts)
    {
        const PaneNumber pane = state.display().focusedPane();
        for (const QString &t : texts)
            this->list(list.value()).items().addItem(t);
    }
    QStringList rows(PaneNumber pane)
    {
        QStringList out;
        ListBoxWidget *box = p.root.panes().clipListWidget(pane);
        for (int r = 0; r < box->count(); ++r)
            out << box->rowText(r);
        return out;
    }
    QTemporaryDir dir;
    QString path(const QString &name) { return dir.filePath(name); }
    TestProgram p;
    ProgramState &state = p.state();
    ScriptedMessageBoxes &boxes = p.messages;
    ScriptedFileDialogs &dialogs = p.fileDialogs;
};

} // namespace

class TestListFiles : public QObject {
    Q_OBJECT
private slots:
    void saveAsThenOpenElsewhere();
    void dialogsShareTheRememberedFolder();
    void overwriteSaveUsesTheListsFile();
    void failedOpenLeavesTheListAlone();
    void failedSaveKeepsTheFileAndTheName();
    void commandLineFilesOpenIntoListsOfTheirOwn();
};

void TestListFiles::saveAsThenOpenElsewhere()
{
    Window w;
    w.start();
    w.add(ListNumber(0), {"first", "second", "三番目"});
    w.list(0).name = QStringLiteral("saved list");
    const QString saved = w.path("list.qkp");
    w.dialogs.willChoose(saved);
    w.listFiles().saveListWithDialog();
    QVERIFY(QFile::exists(saved));
    QCOMPARE(w.list(0).fileName, saved);
    const FileDialogRequest &request = w.dialogs.shown.last().request;
    QCOMPARE(request.title, QStringLiteral("ｸﾘｯﾌﾟﾘｽﾄを保存する"));
    QCOMPARE(request.defaultExtension, QStringLiteral("qkp"));
    QVERIFY(request.confirmOverwrite);
    QCOMPARE(request.filters.first().first, QStringLiteral("ｸﾘｯﾌﾟﾘｽﾄﾌｧｲﾙ(*.qkp)"));
    QCOMPARE(request.filters.last(), (QPair<QString, QString>("すべてのﾌｧｲﾙ(*.*)", "*.*")));

    // A copy opened into a new list takes the rows, the name, and the path it was saved under.
    const QString copy = w.path("copy.qkp");
    QVERIFY(QFile::copy(saved, copy));
    w.p.root.listCommands().makeNewList();
    w.dialogs.willChoose(copy);
    w.listFiles().openListWithDialog();
    const ListNumber opened = w.focusedList();
    QCOMPARE(opened, 1);
    QCOMPARE(w.list(opened.value()).name, QStringLiteral("saved list"));
    QCOMPARE(w.list(opened.value()).fileName, saved);
    QCOMPARE(w.rows(PaneNumber(1)), w.rows(PaneNumber(0)));
    QCOMPARE(w.dialogs.shown.last().request.title, QStringLiteral("ｸﾘｯﾌﾟﾘｽﾄを開く"));
    QVERIFY(w.boxes.asked.isEmpty());
}

void TestListFiles::dialogsShareTheRememberedFolder()
{
    Window w;
    w.start();
    w.listFiles().openListWithDialog(); // cancelled
    QVERIFY(w.dialogs.shown.last().request.initialPath.isEmpty());

    // A failed open does not move the start of the next dialog.
    const QString broken = w.path("broken.qkp");
    QFile f(broken);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.close();
    w.dialogs.willChoose(broken);
    w.boxes.willAnswer(MessageBoxPort::Answer::Ok);
    w.listFiles().openListWithDialog();
    w.listFiles().saveListWithDialog(); // cancelled
    QVERIFY(w.dialogs.shown.last().request.initialPath.isEmpty());

    const QString saved = w.path("kept.qkp");
    w.dialogs.willChoose(saved);
    w.listFiles().saveListWithDialog();
    w.listFiles().openListWithDialog(); // cancelled
    QCOMPARE(w.dialogs.shown.last().request.initialPath, saved);
}

void TestListFiles::overwriteSaveUsesTheListsFile()
{
    Window w;
    w.start();
    w.add(ListNumber(0), {"one"});
    // Never saved: the dialog asks where.
    const QString saved = w.path("over.qkp");
    w.dialogs.willChoose(saved);
    w.listFiles().saveOver();
    QCOMPARE(w.dialogs.shown.size(), 1);
    w.add(ListNumber(0), {"two"});
    w.listFiles().saveOver();
    QCOMPARE(w.dialogs.shown.size(), 1); // no dialog this time
    QCOMPARE(ClipListFile::read(saved).content.items.size(), size_t(2));

    // The file was deleted meanwhile: the dialog asks again.
    QFile::remove(saved);
    w.listFiles().saveOver();
    QCOMPARE(w.dialogs.shown.size(), 2);
}

void TestListFiles::failedOpenLeavesTheListAlone()
{
    Window w;
    w.start();
    w.add(ListNumber(0), {"keep me", "and me"});
    w.list(0).name = QStringLiteral("mine");
    const QString saved = w.path("good.qkp");
    QVERIFY(w.listFiles().store().writeListFile(saved, ListNumber(0)));
    QFile file(saved);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QByteArray bytes = file.readAll();
    bytes[bytes.size() - 1] = char(0x7F); // the closing check value no longer matches
    file.seek(0);
    file.write(bytes);
    file.close();
    const QStringList before = w.rows(PaneNumber(0));
    w.list(0).name = QStringLiteral("renamed since");
    w.boxes.willAnswer(MessageBoxPort::Answer::Ok);
    QVERIFY(!w.listFiles().store().openListFile(saved));
    QCOMPARE(w.rows(PaneNumber(0)), before);
    QCOMPARE(w.list(0).items().count(), 2);
    QCOMPARE(w.list(0).name, QStringLiteral("renamed since"));
    QCOMPARE(w.boxes.asked.last().title, QStringLiteral("Arlen.T.K. QuillKeeper ﾌｧｲﾙ読み込みｴﾗｰ"));
    QCOMPARE(w.boxes.asked.last().icon, MessageBoxPort::Icon::Critical);
}

void TestListFiles::failedSaveKeepsTheFileAndTheName()
{
    Window w;
    w.start();
    w.add(ListNumber(0), {"x"});
    // A path under a regular file cannot be made, not even by an administrator.
    const QString blocker = w.path("not-a-folder");
    QFile f(blocker);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.close();
    const QString impossible = blocker + QStringLiteral("/list.qkp");
    w.list(0).fileName = QStringLiteral("/earlier/name.qkp");
    w.dialogs.willChoose(impossible);
    w.boxes.willAnswer(MessageBoxPort::Answer::Ok);
    w.listFiles().saveListWithDialog();
    QCOMPARE(w.list(0).fileName, QStringLiteral("/earlier/name.qkp"));
    QCOMPARE(w.boxes.asked.size(), 1);
    QCOMPARE(w.boxes.asked.first().title, QStringLiteral("Arlen.T.K. QuillKeeper ﾌｧｲﾙ書き込みｴﾗｰ"));
    QVERIFY(w.boxes.asked.first().text.startsWith(QStringLiteral("ﾌｧｲﾙ名：") + impossible +
                                                  QStringLiteral("\r\n\r\nこのﾌｧｲﾙに保存できませんでした。\r\n")));
}

void TestListFiles::commandLineFilesOpenIntoListsOfTheirOwn()
{
    QTemporaryDir dir;
    const QString first = dir.filePath(QStringLiteral("first list.qkp"));
    const QString second = dir.filePath(QStringLiteral("second.qkp"));
    {
        Window w;
        w.start();
        w.add(ListNumber(0), {"a1", "a2"});
        QVERIFY(w.listFiles().store().writeListFile(first, ListNumber(0)));
        w.list(0).items().clearItems();
        w.add(ListNumber(0), {"b1"});
        QVERIFY(w.listFiles().store().writeListFile(second, ListNumber(0)));
    }
    const QString missing = dir.filePath(QStringLiteral("missing.qkp"));
    Window w;
    w.boxes.willAnswer(MessageBoxPort::Answer::Ok);
    w.start({first, missing, second});
    QCOMPARE(w.boxes.asked.size(), 1);
    QVERIFY(w.boxes.asked.first().text.startsWith("ﾌｧｲﾙ名：" + missing + "\r\n\r\nこのﾌｧｲﾙを読み込めませんでした。"));
    QCOMPARE(w.state.lists().count(), 3);
    QCOMPARE(w.list(0).items().count(), 2);
    QCOMPARE(w.list(2).items().count(), 1);
    QCOMPARE(w.list(0).fileName, first);
    QCOMPARE(w.focusedList(), 2);
    QCOMPARE(ListFileCommands::spelledPath(first), first);

    // Handed over by a later start: an unreadable file leaves no list behind, and the focus returns.
    w.state.display().focusPane(w.state.display().paneAtPosition(0));
    w.boxes.willAnswer(MessageBoxPort::Answer::Ok);
    w.p.root.openHandedFiles({missing});
    QCOMPARE(w.boxes.asked.size(), 2);
    QCOMPARE(w.state.lists().count(), 3);
    QCOMPARE(w.state.display().paneCount(), 3);
    QCOMPARE(w.focusedList(), 0);
    w.p.root.openHandedFiles({second});
    QCOMPARE(w.state.lists().count(), 4);
    QCOMPARE(w.focusedList(), 3);
    QCOMPARE(w.list(3).items().count(), 1);

    // A relative path stays as typed, and among several files each message names its file.
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.path()));
    QFile damaged(QStringLiteral("damaged.qkp"));
    QVERIFY(damaged.open(QIODevice::WriteOnly) && damaged.write("not a clip list") > 0);
    damaged.close();
    Window relative;
    relative.boxes.willAnswer(MessageBoxPort::Answer::Ok);
    relative.start({QStringLiteral("damaged.qkp"), QStringLiteral("second.qkp")});
    QDir::setCurrent(previous);
    QCOMPARE(relative.boxes.asked.size(), 1);
    QVERIFY2(relative.boxes.asked.first().text.contains(QStringLiteral("ﾌｧｲﾙ名damaged.qkp")),
             qPrintable(relative.boxes.asked.first().text));
    QCOMPARE(relative.list(1).items().count(), 1);
}

QTEST_MAIN(TestListFiles)
#include "tst_listfiles.moc"
