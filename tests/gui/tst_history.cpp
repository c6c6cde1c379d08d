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
#include "storage/HistoryDatabase.h"
#include "storage/HistoryStore.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

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
            program.state().lists().at(ListNumber(0)).items().nameItem(display.paneAtPosition(0), RowNumber(1), QStringLiteral("Bee"));
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
        QCOMPARE(program.rows(2), QStringLiteral("abc"));
        QVERIFY(keptState(program).startsWith(after.section(QLatin1Char('\n'), 0, 2)));
    }

    void unusableDatabaseIsSetAside_data()
    {
        QTest::addColumn<bool>("inUse");
        QTest::newRow("damaged") << false;
        QTest::newRow("held by another program") << true;
    }

    void unusableDatabaseIsSetAside()
    {
        QFETCH(bool, inUse);
        QTemporaryDir folder;
        const QString path = folder.filePath(HistoryDatabase::fileName());
        HistoryDatabase other;
        QByteArray bytes = "SQLite format 3";
        bytes.append(4096, '\x5a');
        if (inUse) {
            QCOMPARE(other.open(path), HistoryDatabase::Opened::Created);
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
