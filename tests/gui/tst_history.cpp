// SPDX-License-Identifier: GPL-3.0-or-later
// The lists kept between runs: what comes back, and what a bad history file does.
#include "TestProgram.h"
#include "mainwindow/ListCommands.h"
#include "mainwindow/ListDisplayMenu.h"
#include "mainwindow/MainWindow.h"
#include "model/ListCollection.h"
#include "model/ListDisplay.h"
#include "model/ListItems.h"
#include "model/ListRecord.h"
#include "model/ProgramState.h"
#include "storage/ExtraSettingsFile.h"
#include "storage/HistoryDatabase.h"
#include "storage/HistoryStore.h"
#include "storage/OwnerOnlyFiles.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <pwd.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// Everything the history keeps, as one comparable text.
QString keptState(TestProgram &program)
{
    ProgramState &state = program.state();
    QString all;
    for (ListNumber number{0}; number < state.lists().count(); ++number) {
        ListRecord &list = state.lists().at(number);
        all += QStringLiteral("list %1 limit %2 bottom %3 file %4 share %5 font %6: ")
                   .arg(list.name + QString::number(list.sameNameNumber))
                   .arg(list.itemLimit)
                   .arg(list.addAtBottom)
                   .arg(list.fileName)
                   .arg(list.heightShare)
                   .arg(list.fontName + QString::number(list.fontSize));
        ListItems &items = list.items();
        for (RowNumber row{0}; row < items.rowCount(); ++row) {
            const ClipItem &item = items.at(items.itemOfRow(row));
            all += item.text + QLatin1Char('/') + item.name + QLatin1Char(' ');
        }
        // The item order decides what a saved clip-list file holds first.
        all += QStringLiteral("| items ");
        for (ItemNumber item{0}; item < items.count(); ++item)
            all += items.at(item).text;
        all += QLatin1Char('\n');
    }
    ListDisplay &display = state.display();
    for (qint16 position = 0; position < display.paneCount(); ++position) {
        const PaneRecord &pane = display.paneRecord(display.paneAtPosition(position));
        all += QStringLiteral("pane %1 share %2%3\n")
                   .arg(pane.list.value())
                   .arg(pane.heightShare)
                   .arg(display.focusedPane() == display.paneAtPosition(position) ? QStringLiteral(" focused") : QString());
    }
    return all;
}

// Ends the program as the user does, which writes what is left.
void end(TestProgram &program)
{
    program.window().close();
}

// A run that leaves `letters` in the first list of the history in `folder`.
void keepOneRun(const QString &folder, const QString &letters)
{
    TestProgram program;
    program.start({}, QString(), folder);
    program.fill(0, letters);
    end(program);
}

// Rebuilds each table of a history database with its columns and rows, but without its key.
bool dropKeys(const QString &path)
{
    QByteArray sql;
    for (const char *table : {"lists", "items", "panes"})
        sql += QByteArray("CREATE TABLE copy AS SELECT * FROM %1; DROP TABLE %1; ALTER TABLE copy RENAME TO %1;").replace("%1", table);
    sqlite3 *db = nullptr;
    const bool done = sqlite3_open(QFile::encodeName(path).constData(), &db) == SQLITE_OK
                      && sqlite3_exec(db, sql.constData(), nullptr, nullptr, nullptr) == SQLITE_OK;
    return sqlite3_close(db) == SQLITE_OK && done;
}

// Makes a folder read-only for the program until the guard goes. Root writes anywhere: the program
// then runs as nobody, in a folder of nobody's.
auto readOnlyFolder(const QString &folder)
{
    const passwd *nobody = ::geteuid() == 0 ? ::getpwnam("nobody") : nullptr;
    const auto path = [&](const QString &file) { return QFile::encodeName(QDir(folder).filePath(file)); };
    bool made = !nobody || ::chmod(path(QStringLiteral("..")).constData(), 0755) == 0;
    // "." is the folder itself.
    for (const QString &file : QDir(folder).entryList(QDir::Files | QDir::Dirs | QDir::NoDotDot))
        made = made && (!nobody || ::chown(path(file).constData(), nobody->pw_uid, 0) == 0);
    if (!made || (nobody && ::seteuid(nobody->pw_uid) != 0) || ::chmod(path(QStringLiteral(".")).constData(), 0555) != 0)
        qFatal("%s could not be made read-only", qPrintable(folder));
    return qScopeGuard([folder, root = nobody != nullptr] {
        if ((root && ::seteuid(0) != 0) || !QFile::setPermissions(folder, QFileDevice::Permissions(0x7755)))
            qFatal("%s stays read-only", qPrintable(folder));
    });
}
} // namespace

class TestHistory : public QObject {
    Q_OBJECT
private slots:
    void everyKeptStateComesBack()
    {
        QTemporaryDir folder;
        const QString file = folder.filePath(QStringLiteral("saved.qkp"));
        QString before;
        {
            TestProgram program;
            program.start({}, QString(), folder.path());
            program.fill(0, QStringLiteral("abc"));
            ListDisplay &display = program.state().display();
            program.state().lists().at(ListNumber(0)).items().nameItem(RowNumber(1), QStringLiteral("Bee"));
            // Long enough to be kept compressed; the others are kept as they are.
            QString longText;
            for (int i = 0; longText.size() < 5000; ++i)
                longText += QStringLiteral("長い文 %1 long line\r\n").arg(i);
            program.state().lists().at(ListNumber(0)).items().addItem(longText);
            program.command(Command::NewList)->trigger();
            program.command(Command::AddAtBottom)->trigger();
            program.fill(1, QStringLiteral("xyz"));
            program.command(Command::NewList)->trigger();
            program.fill(2, QStringLiteral("h"));
            // The third list stays, hidden.
            program.root.listDisplayMenu().updateListCaptions();
            program.root.listCommands().toggleListShown(2);
            QCOMPARE(display.paneCount(), qint16(2));
            display.setHeightShare(display.paneAtPosition(0), 0.25f);
            display.setHeightShare(display.paneAtPosition(1), 0.75f);
            display.focusPane(display.paneAtPosition(0));
            program.fileDialogs.willChoose(file);
            program.command(Command::SaveAs)->trigger();
            before = keptState(program);
            QVERIFY2(before.contains(QStringLiteral("a/ b/Bee c/ | items cba")), qPrintable(before));
            end(program);
        }
        QString after;
        {
            TestProgram program;
            program.start({}, QString(), folder.path());
            after = keptState(program);
            QCOMPARE(after, before);
            QVERIFY(program.messages.asked.isEmpty());
            end(program);
        }
        // A file named at the start does not replace the items brought back: it opens in a list of its own.
        TestProgram program;
        program.start({file}, QString(), folder.path());
        QCOMPARE(program.state().lists().count(), qint16(4));
        QCOMPARE(program.rows(2), program.rows(0));
        QVERIFY(keptState(program).startsWith(after.section(QLatin1Char('\n'), 0, 2)));
    }

    void unusableDatabaseIsSetAside_data()
    {
        QTest::addColumn<bool>("inUse");
        QTest::addColumn<bool>("keyless");
        QTest::newRow("damaged") << false << false;
        QTest::newRow("held by another program") << true << false;
        QTest::newRow("tables without their keys, which refuse every write") << false << true;
    }

    void unusableDatabaseIsSetAside()
    {
        QFETCH(bool, inUse);
        QFETCH(bool, keyless);
        QTemporaryDir folder;
        const QString path = folder.filePath(HistoryDatabase::fileName());
        HistoryDatabase other;
        QByteArray bytes = "SQLite format 3";
        bytes.append(4096, '\x5a');
        if (keyless) {
            keepOneRun(folder.path(), QStringLiteral("k"));
            QVERIFY(dropKeys(path));
        } else if (inUse) {
            QCOMPARE(other.open(path), HistoryDatabase::Opened::Created);
        }
        if (inUse || keyless) {
            QFile held(path);
            QVERIFY(held.open(QIODevice::ReadOnly));
            bytes = held.readAll();
        } else {
            QFile damaged(path);
            QVERIFY(damaged.open(QIODevice::WriteOnly));
            damaged.write(bytes);
        }

        TestProgram program;
        program.messages.willAnswer(MessageBoxPort::Answer::Ok);
        program.start({}, QString(), folder.path());
        QTRY_COMPARE(program.messages.asked.size(), 1);
        const QString told = program.messages.asked.first().text;
        QVERIFY2(told.contains(inUse ? QStringLiteral("別のﾌﾟﾛｸﾞﾗﾑが使用中です") : QStringLiteral("読み込めませんでした")), qPrintable(told));
        QCOMPARE(program.state().lists().count(), qint16(1));
        QCOMPARE(program.rows(0), QString());
        // Nothing is lost: the file stays where it was, or is kept aside whole.
        QFile kept(inUse ? path : HistoryDatabase::backupPath(path));
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), bytes);
        if (!inUse) {
            // A new history begins at once.
            program.fill(0, QStringLiteral("n"));
            end(program);
            TestProgram again;
            again.start({}, QString(), folder.path());
            QCOMPARE(again.rows(0), QStringLiteral("n"));
        }
    }

    void damagedTextLeavesTheOtherItems()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(HistoryDatabase::fileName());
        {
            TestProgram program;
            program.start({}, QString(), folder.path());
            program.fill(0, QStringLiteral("ab"));
            // Kept compressed, and unpacked while the window is built.
            program.state().lists().at(ListNumber(0)).items().addItem(QString(400, QLatin1Char('x')));
            end(program);
        }
        sqlite3 *db = nullptr;
        QCOMPARE(sqlite3_open(QFile::encodeName(path).constData(), &db), SQLITE_OK);
        QCOMPARE(sqlite3_exec(db, "UPDATE items SET text = zeroblob(40) WHERE typeof(text) = 'blob'", nullptr, nullptr, nullptr),
                 SQLITE_OK);
        QCOMPARE(sqlite3_changes(db), 1);
        QCOMPARE(sqlite3_close(db), SQLITE_OK);

        TestProgram program;
        program.messages.willAnswer(MessageBoxPort::Answer::Ok);
        program.start({}, QString(), folder.path());
        QTRY_COMPARE(program.messages.asked.size(), 1);
        QVERIFY(program.messages.asked.first().text.contains(QStringLiteral("壊れていて")));
        ListItems &items = program.state().lists().at(ListNumber(0)).items();
        QStringList texts;
        for (ItemNumber item{0}; item < items.count(); ++item)
            texts.append(items.at(item).text);
        texts.sort();
        QCOMPARE(texts, QStringList({QString(), QStringLiteral("a"), QStringLiteral("b")}));
    }

    void limitIsKeptWhenALaterListIsRefused()
    {
        QTemporaryDir folder;
        {
            TestProgram program;
            program.start({}, QString(), folder.path());
            program.command(Command::NewList)->trigger();
            // What waits now goes now: only the dialog's change is left to write.
            program.root.history().collect();
            // The first list's lower limit is taken; the second's is refused, which stops the applying there.
            for (auto answer : {MessageBoxPort::Answer::Ok, MessageBoxPort::Answer::Cancel, MessageBoxPort::Answer::Ok})
                program.messages.willAnswer(answer);
            QTimer::singleShot(0, [] {
                auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
                QVERIFY(dialog);
                QTest::mouseClick(dialog->findChild<QLabel *>(QStringLiteral("tabWord2")), Qt::LeftButton);
                for (int index : {0, 1}) {
                    dialog->findChild<QComboBox *>(QStringLiteral("listSelector"))->setCurrentIndex(index);
                    dialog->findChild<QLineEdit *>(QStringLiteral("itemLimitEditPerList"))->setText(QStringLiteral("10"));
                }
                dialog->findChild<QPushButton *>(QStringLiteral("OKButton"))->click();
                dialog->reject();
            });
            program.command(Command::Settings)->trigger();
            QCOMPARE(program.messages.asked.size(), 3);
            end(program);
        }
        TestProgram again;
        again.start({}, QString(), folder.path());
        ListDisplay &display = again.state().display();
        QCOMPARE(display.recordOfPane(display.paneAtPosition(0)).itemLimit, qint16(10));
    }

    void filesAreTheUsersOnly()
    {
        QTemporaryDir base;
        const QDir folder(base.filePath(QStringLiteral("made")));
        const QStringList files = {folder.filePath(QStringLiteral("QKPRUtil.dat")), folder.filePath(HistoryDatabase::fileName()),
                                   folder.filePath(ExtraSettingsFile::fileName())};
        {
            TestProgram program;
            program.start({}, files[0], folder.path());
            program.fill(0, QStringLiteral("p"));
            QTRY_COMPARE(QFileInfo(files[1] + QStringLiteral("-wal")).permissions(), OwnerOnlyFiles::FilePermissions);
            QVERIFY(ExtraSettingsFile(files[2]).write(ExtraSettings()));
            end(program);
        }
        QCOMPARE(QFileInfo(folder.path()).permissions(), OwnerOnlyFiles::FolderPermissions);
        // Left readable by everyone by an earlier version: narrowed at the next start.
        for (const QString &file : files) {
            QCOMPARE(QFileInfo(file).permissions(), OwnerOnlyFiles::FilePermissions);
            QVERIFY(QFile::setPermissions(file, OwnerOnlyFiles::FilePermissions | QFileDevice::ReadGroup | QFileDevice::ReadOther));
        }
        TestProgram again;
        again.start({}, files[0], folder.path());
        for (const QString &file : files)
            QCOMPARE(QFileInfo(file).permissions(), OwnerOnlyFiles::FilePermissions);
    }

    void readOnlyFolderBringsTheListsBack()
    {
        QTemporaryDir base;
        const QString folder = base.filePath(QStringLiteral("kept"));
        keepOneRun(folder, QStringLiteral("ro"));
        const auto readOnly = readOnlyFolder(folder);
        TestProgram program;
        program.messages.willAnswer(MessageBoxPort::Answer::Ok);
        program.start({}, QString(), folder);
        QCOMPARE(program.rows(0), QStringLiteral("ro"));
        program.fill(0, QStringLiteral("x"));
        end(program);
        QTRY_COMPARE(program.messages.asked.size(), 1);
        QVERIFY(program.messages.asked.first().text.contains(QStringLiteral("今回の変更は次回の起動まで保持しません")));
    }

    void switchingOffDeletesTheDatabase()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(HistoryDatabase::fileName());
        TestProgram program;
        program.start({}, QString(), folder.path());
        program.fill(0, QStringLiteral("s"));
        QVERIFY(QFileInfo::exists(path));
        QTimer::singleShot(0, [] {
            auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            QTest::mouseClick(dialog->findChild<QLabel *>(QStringLiteral("tabWord5")), Qt::LeftButton);
            auto *keep = dialog->findChild<QCheckBox *>(QStringLiteral("keepHistoryCheck"));
            QVERIFY(keep->isVisible() && keep->isChecked());
            keep->click();
            dialog->findChild<QPushButton *>(QStringLiteral("OKButton"))->click();
        });
        program.command(Command::Settings)->trigger();
        QVERIFY(!QFileInfo::exists(path));
        program.fill(0, QStringLiteral("t"));
        end(program);
        QVERIFY(!QFileInfo::exists(path));
        // The switch is kept, and the next run starts empty.
        TestProgram again;
        again.start({}, QString(), folder.path());
        QCOMPARE(again.rows(0), QString());
        QVERIFY(!QFileInfo::exists(path));
    }
};

QTEST_MAIN(TestHistory)
#include "tst_history.moc"
