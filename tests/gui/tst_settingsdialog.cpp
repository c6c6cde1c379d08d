// SPDX-License-Identifier: GPL-3.0-or-later
// The settings dialog through its widgets, opened by its command as the user opens it.
#include "TestProgram.h"
#include "mainwindow/MainWindow.h"
#include "model/ListItems.h"
#include "model/ListCollection.h"
#include "model/ListDisplay.h"
#include "model/ListRecord.h"
#include "model/ProgramState.h"
#include "model/NewListDefaults.h"
#include "model/GlobalSettings.h"
#include "platform/ListBoxWidget.h"
#include "platform/PageSelector.h"
#include "storage/ExtraSettingsFile.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <functional>

namespace {
const QString Invalid = QStringLiteral("Arlen.T.K. QuillKeeper 値が不適正です");

struct Program {
    Program(const QString &settingsPath = QString())
    {
        p.start({}, settingsPath);
        QVERIFY(QTest::qWaitForWindowExposed(&p.window()));
    }
    ProgramState &state() { return p.state(); }
    ListRecord &list(int number) { return state().lists().at(ListNumber(number)); }
    // Fills the list shown at a display position with texts "0", "1", ... (added by its addAtBottom).
    void fill(int position, int count)
    {
        ListDisplay &panes = state().display();
        const PaneNumber pane = panes.paneAtPosition(qint16(position));
        ListItems &items = list(panes.listOfPane(pane).value()).items();
        for (int i = 0; i < count; ++i)
            items.addItem(QString::number(i));
    }
    QStringList rows(int position)
    {
        QStringList shown;
        ListBoxWidget *box = p.listAt(position);
        for (int row = 0; row < box->count(); ++row)
            shown << box->rowText(row);
        return shown;
    }
    // Opens the dialog by its command and runs body on it while it is up; closes it after.
    void withDialog(const std::function<void(QDialog &)> &body)
    {
        bool ran = false;
        QTimer::singleShot(0, [&] {
            auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            ran = true;
            QVERIFY(QTest::qWaitForWindowActive(dialog));
            body(*dialog);
            if (dialog->isVisible())
                dialog->reject();
        });
        p.command(Command::Settings)->trigger();
        QVERIFY(ran);
    }
    TestProgram p;
};

template <typename W>
W *child(QDialog &dialog, const QString &name)
{
    W *found = dialog.findChild<W *>(name);
    if (!found)
        qWarning("no control %s", qPrintable(name));
    return found;
}

void page(QDialog &dialog, int index)
{
    QTest::mouseClick(child<QLabel>(dialog, QStringLiteral("tabWord%1").arg(index)), Qt::LeftButton);
}

bool pageShown(QDialog &dialog, const char *frame)
{
    return child<QWidget>(dialog, QString::fromLatin1(frame))->isVisible();
}

void press(QDialog &dialog, const char *button)
{
    child<QPushButton>(dialog, QString::fromLatin1(button))->click();
}

// A text box by name; the editable combo box's own box for a combo box.
QLineEdit *edit(QDialog &dialog, const QString &name)
{
    if (auto *combo = dialog.findChild<QComboBox *>(name))
        return combo->lineEdit();
    return child<QLineEdit>(dialog, name);
}

void type(QDialog &dialog, const QString &box, const QString &text)
{
    edit(dialog, box)->setText(text);
}
// The lines of an autostart entry that starts the executable at path, and is skipped once it is gone.
QByteArray exec(const QString &path)
{
    return "\nTryExec=" + path.toUtf8() + "\nExec=\"" + path.toUtf8() + "\"\n";
}
} // namespace

class TestSettingsDialog : public QObject {
    Q_OBJECT
private slots:
    void boundsOnOk_data()
    {
        QTest::addColumn<int>("pageIndex");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message"); // empty: accepted
        const QString timer = QStringLiteral("100 ～ 2000 の数値を入れてください。\r\nﾀｲﾏｰの時間間隔:\"%1\"");
        QTest::newRow("timer 99") << 0 << "intervalBox" << "99" << timer.arg("99");
        QTest::newRow("timer 100") << 0 << "intervalBox" << "100" << "";
        QTest::newRow("timer 2000") << 0 << "intervalBox" << "2000" << "";
        QTest::newRow("timer 2001") << 0 << "intervalBox" << "2001" << timer.arg("2001");
        QTest::newRow("timer 5 characters") << 0 << "intervalBox" << "+1000" << timer.arg("+1000");
        QTest::newRow("splitting string empty") << 0 << "splitStringEdit" << ""
                                                << QStringLiteral("一文字以上の文字を入れてください。\r\n\r\n「文字ごとに項目を作成する」ﾃｷｽﾄ欄");
        const QString length = QStringLiteral("0 ～ %1 の数値を入れてください。\r\n表示文字数:\"%2\"");
        QTest::newRow("defaults length 350") << 1 << "captionSizeEdits0" << "350" << "";
        QTest::newRow("defaults length 401") << 1 << "captionSizeEdits0" << "401" << length.arg(400).arg(401);
        QTest::newRow("list length 300") << 2 << "captionSizeEditsPerList0" << "300" << "";
        QTest::newRow("list length 350") << 2 << "captionSizeEditsPerList0" << "350" << length.arg(300).arg(350);
        QTest::newRow("list length -1") << 2 << "captionSizeEditsPerList0" << "-1" << length.arg(300).arg(-1);
        QTest::newRow("width 12001") << 1 << "captionSizeEdits1" << "12001"
                                     << QStringLiteral("0 ～ 12000 の数値を入れてください。\r\n表示文字幅:\"12001\"");
        const QString limit = QStringLiteral("1 ～ 32767 の数値を入れてください。\r\n上限項目数:\"%1\"");
        QTest::newRow("limit 0") << 1 << "itemLimitEdit" << "0" << limit.arg(0);
        QTest::newRow("limit far too large") << 2 << "itemLimitEditPerList" << "99999999999999999999"
                                             << limit.arg("99999999999999999999");
        QTest::newRow("limit not numeric") << 2 << "itemLimitEditPerList" << "abc" << limit.arg("abc");
        const QString across = QStringLiteral("1 ～ 300 の数値を入れてください。\r\n水平方向の幅:\"%1\"");
        QTest::newRow("horizontal 0") << 4 << "edgeZoneWidthEdit" << "0" << across.arg(0);
        QTest::newRow("horizontal 1") << 4 << "edgeZoneWidthEdit" << "1" << "";
        QTest::newRow("horizontal 300") << 4 << "edgeZoneWidthEdit" << "300" << "";
        QTest::newRow("horizontal 301") << 4 << "edgeZoneWidthEdit" << "301" << across.arg(301);
        QTest::newRow("vertical 301") << 4 << "edgeZoneHeightEdit" << "301"
                                      << QStringLiteral("1 ～ 300 の数値を入れてください。\r\n垂直方向の幅:\"301\"");
    }
    void boundsOnOk()
    {
        QFETCH(int, pageIndex);
        QFETCH(QString, box);
        QFETCH(QString, text);
        QFETCH(QString, message);
        Program program;
        // A limit of 32767 has its box disabled; lower the list's so the box can be typed in.
        program.list(0).itemLimit = 500;
        program.state().newListDefaults().itemLimitDefault = 500;
        if (!message.isEmpty())
            program.p.messages.willAnswer(MessageBoxPort::Answer::Ok);
        bool open = false;
        program.withDialog([&](QDialog &dialog) {
            page(dialog, pageIndex);
            type(dialog, box, text);
            press(dialog, "OKButton");
            open = dialog.isVisible();
            if (message.isEmpty())
                return;
            QLineEdit *refused = edit(dialog, box);
            // The combo box passes its focus on to its own text box.
            auto *combo = dialog.findChild<QComboBox *>(box);
            QCOMPARE(dialog.focusWidget(), combo ? static_cast<QWidget *>(combo) : refused);
            QVERIFY(refused->isEnabled());
            QCOMPARE(refused->selectedText(), text);
        });
        QCOMPARE(open, !message.isEmpty());
        if (message.isEmpty()) {
            QVERIFY(program.p.messages.asked.isEmpty());
        } else {
            QCOMPARE(program.p.messages.asked.size(), 1);
            QCOMPARE(program.p.messages.asked[0].title, Invalid);
            QCOMPARE(program.p.messages.asked[0].text, message);
            QCOMPARE(program.p.messages.asked[0].icon, MessageBoxPort::Icon::Warning);
        }
    }

    void invalidValueHoldsPageAndList()
    {
        Program program;
        program.p.command(Command::NewList)->trigger();
        program.p.messages.willAnswer(MessageBoxPort::Answer::Ok);
        program.p.messages.willAnswer(MessageBoxPort::Answer::Ok);
        program.withDialog([&](QDialog &dialog) {
            page(dialog, 4);
            type(dialog, "edgeZoneHeightEdit", "0");
            page(dialog, 0);
            QVERIFY(pageShown(dialog, "edgePage"));
            QVERIFY(!pageShown(dialog, "globalPage"));

            type(dialog, "edgeZoneHeightEdit", "8");
            page(dialog, 2);
            QVERIFY(pageShown(dialog, "perListPage"));
            type(dialog, "captionSizeEditsPerList1", "x");
            auto *lists = child<QComboBox>(dialog, "listSelector");
            lists->setCurrentIndex(1);
            QCOMPARE(lists->currentIndex(), 0);
            QCOMPARE(child<QLineEdit>(dialog, "captionSizeEditsPerList1")->text(), QStringLiteral("x"));
        });
        QCOMPARE(program.p.messages.asked.size(), 2);
    }

    void pageKeysSwitchPagesWithTheClickRefusal()
    {
        Program program;
        program.p.messages.willAnswer(MessageBoxPort::Answer::Ok);
        program.withDialog([&](QDialog &dialog) {
            QWidget *tabs = child<QWidget>(dialog, "pageTabs");
            QCOMPARE(QAccessible::queryAccessibleInterface(tabs)->role(), QAccessible::PageTabList);
            QCOMPARE(QAccessible::queryAccessibleInterface(tabs)->child(5)->text(QAccessible::Name), QStringLiteral("その他の設定"));
            QCOMPARE(child<QWidget>(dialog, "colourSamplesPerList1")->accessibleName(), QStringLiteral("ﾌｫｰｶｽのあるときの文字色"));
            QApplication::setActiveWindow(&dialog);
            QVERIFY(QTest::qWaitForWindowActive(&dialog));
            QTest::keyClick(&dialog, Qt::Key_PageUp, Qt::ControlModifier);
            QVERIFY(pageShown(dialog, "morePage"));
            QTest::keyClick(&dialog, Qt::Key_Tab, Qt::ControlModifier);
            QVERIFY(pageShown(dialog, "globalPage"));
            tabs->setFocus();
            QTest::keyClick(tabs, Qt::Key_Left);
            QTest::keyClick(tabs, Qt::Key_Up);
            QVERIFY(pageShown(dialog, "edgePage"));
            type(dialog, "edgeZoneHeightEdit", "0");
            QTest::keyClick(&dialog, Qt::Key_PageDown, Qt::ControlModifier);
            QVERIFY(pageShown(dialog, "edgePage"));
            type(dialog, "edgeZoneHeightEdit", "8");
            QTest::keyClick(&dialog, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
            QVERIFY(pageShown(dialog, "textPage"));
        });
        QCOMPARE(program.p.messages.asked.size(), 1);
    }

    void listEntries()
    {
        Program program;
        program.p.command(Command::NewList)->trigger();
        program.state().lists().makeList(); // not shown
        program.list(0).name = program.list(1).name = QStringLiteral("ｸﾘｯﾌﾟ");
        program.list(0).sameNameNumber = 0;
        program.list(1).sameNameNumber = 2;
        program.list(2).name = QStringLiteral("隠れ");
        // Display order differs from list numbers: list 1 on top.
        ListDisplay &panes = program.state().display();
        const PaneNumber top = panes.paneAtPosition(0);
        panes.setPaneAtPosition(0, panes.paneAtPosition(1));
        panes.setPaneAtPosition(1, PaneNumber(top));
        program.withDialog([&](QDialog &dialog) {
            auto *lists = child<QComboBox>(dialog, "listSelector");
            QStringList entries;
            for (int i = 0; i < lists->count(); ++i)
                entries << lists->itemText(i);
            QCOMPARE(entries, QStringList({"[表示]-ｸﾘｯﾌﾟ(2)", "[表示]-ｸﾘｯﾌﾟ", "[非表示]-隠れ"}));
        });
    }

    void lowerLimit_data()
    {
        QTest::addColumn<bool>("confirm");
        QTest::newRow("cancel") << false;
        QTest::newRow("ok") << true;
    }
    void lowerLimit()
    {
        QFETCH(bool, confirm);
        Program program;
        program.p.command(Command::NewList)->trigger();
        program.list(0).itemLimit = 32;
        program.list(0).addAtBottom = false;
        program.fill(0, 32);
        QVERIFY(program.list(0).sameNameNumber != 0); // two lists of one name: the question tells them apart
        const QStringList before = program.rows(0);
        const qint16 secondLength = program.list(1).captionLength;
        program.p.messages.willAnswer(confirm ? MessageBoxPort::Answer::Ok : MessageBoxPort::Answer::Cancel);
        if (!confirm)
            program.p.messages.willAnswer(MessageBoxPort::Answer::Ok);
        bool open = false;
        program.withDialog([&](QDialog &dialog) {
            page(dialog, 2);
            type(dialog, "itemLimitEditPerList", "10");
            child<QComboBox>(dialog, "listSelector")->setCurrentIndex(1);
            type(dialog, "captionSizeEditsPerList0", "7");
            press(dialog, "OKButton");
            open = dialog.isVisible();
            if (!confirm) {
                QCOMPARE(child<QComboBox>(dialog, "listSelector")->currentIndex(), 0);
                QCOMPARE(child<QLineEdit>(dialog, "itemLimitEditPerList")->selectedText(), QStringLiteral("10"));
            }
        });
        const auto &asked = program.p.messages.asked;
        QCOMPARE(asked[0].title, QStringLiteral("Arlen.T.K. QuillKeeper 変更の注意"));
        QCOMPARE(asked[0].buttons, MessageBoxPort::Buttons::OkCancel);
        QCOMPARE(asked[0].text, QStringLiteral("上限項目数を変更前の値より小さく設定すると、\r\nあふれた項目は削除されます。\r\n"
                                               "続行しますか?\r\n\r\nﾘｽﾄ名:%1\r\n\r変更前値:\"32\"\r\n\r変更値:\"10\"")
                                    .arg(program.list(0).name + QStringLiteral("(%1)").arg(program.list(0).sameNameNumber)));
        QCOMPARE(open, !confirm);
        if (confirm) {
            QCOMPARE(asked.size(), 1);
            QCOMPARE(program.list(0).itemLimit, qint16(10));
            QCOMPARE(program.list(0).items().count(), qint16(10));
            QCOMPARE(program.rows(0), before.mid(0, 10));
            QCOMPARE(program.list(1).captionLength, qint16(7));
        } else {
            QCOMPARE(asked.size(), 2);
            QCOMPARE(asked[1].text, QStringLiteral("設定は、完了していません。"));
            QCOMPARE(program.list(0).itemLimit, qint16(32));
            QCOMPARE(program.rows(0), before);
            QCOMPARE(program.list(1).captionLength, secondLength);
        }
    }

    void raisingLimitAsksNothing()
    {
        Program program;
        program.list(0).itemLimit = 32;
        program.withDialog([&](QDialog &dialog) {
            page(dialog, 2);
            type(dialog, "itemLimitEditPerList", "40");
            press(dialog, "OKButton");
        });
        QVERIFY(program.p.messages.asked.isEmpty());
        QCOMPARE(program.list(0).itemLimit, qint16(40));
    }

    void hiddenListLosesTheSameRows()
    {
        Program program;
        program.list(0).itemLimit = 20;
        program.list(0).addAtBottom = true;
        program.fill(0, 20);
        const QStringList before = program.rows(0);
        program.p.command(Command::NewList)->trigger();
        ListDisplay &panes = program.state().display();
        panes.closePane(panes.paneAtPosition(0));
        program.p.messages.willAnswer(MessageBoxPort::Answer::Ok);
        program.withDialog([&](QDialog &dialog) {
            page(dialog, 2);
            child<QComboBox>(dialog, "listSelector")->setCurrentIndex(1); // the hidden one
            type(dialog, "itemLimitEditPerList", "5");
            press(dialog, "OKButton");
        });
        program.state().display().showList(ListNumber(0));
        QCOMPARE(program.rows(1), before.mid(15));
    }

    void applyToAllThenCancel()
    {
        Program program;
        program.p.command(Command::NewList)->trigger();
        const ListOptions first = program.list(0);
        const ListOptions second = program.list(1);
        program.withDialog([&](QDialog &dialog) {
            page(dialog, 1);
            QVERIFY(child<QPushButton>(dialog, "applyToAllListsButton")->isVisible());
            type(dialog, "captionSizeEdits0", "3");
            child<QCheckBox>(dialog, "largestLimitCheck")->setChecked(false);
            type(dialog, "itemLimitEdit", "50");
            press(dialog, "applyToAllListsButton");
            page(dialog, 2);
            QCOMPARE(child<QLineEdit>(dialog, "captionSizeEditsPerList0")->text(), QStringLiteral("3"));
            press(dialog, "CancelButton");
        });
        QVERIFY(static_cast<const ListOptions &>(program.list(0)) == first);
        QVERIFY(static_cast<const ListOptions &>(program.list(1)) == second);
        QVERIFY(program.p.messages.asked.isEmpty());
    }

    void tabSelector()
    {
        QWidget owner;
        PageSelector selector;
        QLabel tabs[2];
        QLabel words[2];
        QWidget frames[2];
        for (int i = 0; i < 2; ++i) {
            frames[i].setParent(&owner);
            frames[i].hide();
            selector.registerControl(&tabs[i], &words[i], &frames[i]);
        }
        owner.show();
        bool refuse = false;
        QList<QPair<int, int>> raised;
        connect(&selector, &PageSelector::pageChanging, this, [&](qint16 before, qint16 index, qint16 &cancel) {
            raised.append({before, index});
            if (refuse)
                cancel = 1;
        });
        selector.clickLabel(0);
        selector.clickLabel(0); // shown already: no event
        QCOMPARE(raised, (QList<QPair<int, int>>{{-1, 0}}));
        QVERIFY(frames[0].isVisible());
        QVERIFY(!frames[1].isVisible());
        const QColor active = tabs[0].palette().color(QPalette::Window);
        QCOMPARE(active, QApplication::palette().color(QPalette::Highlight));

        refuse = true;
        selector.clickLabel(1);
        QCOMPARE(selector.visibleIndex(), qint16(0));
        QVERIFY(frames[0].isVisible());
        QVERIFY(!frames[1].isVisible());
        QCOMPARE(tabs[0].palette().color(QPalette::Window), active);

        refuse = false;
        selector.clickLabel(1);
        QVERIFY(!frames[0].isVisible());
        QVERIFY(frames[1].isVisible());
        QCOMPARE(tabs[1].palette().color(QPalette::Window), active);
        QCOMPARE(tabs[0].palette().color(QPalette::Window), QApplication::palette().color(QPalette::Midlight));
    }

    void intervalExample()
    {
        Program program;
        program.withDialog([&](QDialog &dialog) {
            auto *example = dialog.findChild<QTimer *>("TIvlExampleTimer");
            QCOMPARE(example->interval(), 500);
            QVERIFY(example->isActive());
            type(dialog, "intervalBox", "300");
            QCOMPARE(example->interval(), 300);
            type(dialog, "intervalBox", "3000");
            QCOMPARE(example->interval(), 300);
            type(dialog, "intervalBox", "300");
            auto *label = child<QLabel>(dialog, "intervalExample");
            const QColor first = label->palette().color(QPalette::Window);
            QTRY_VERIFY(label->palette().color(QPalette::Window) != first);
            page(dialog, 3);
            QVERIFY(!example->isActive());
        });
    }

    void typedIntervalIsNotCompleted()
    {
        Program program;
        program.withDialog([&](QDialog &dialog) {
            QLineEdit *timer = edit(dialog, "intervalBox");
            timer->clear();
            // Completion follows the box only while it has the focus.
            timer->setFocus();
            QTRY_VERIFY(timer->hasFocus());
            QTest::keyClicks(timer, "50");
            QCOMPARE(timer->text(), QStringLiteral("50"));
        });
    }

    void fieldsAreLabelled()
    {
        Program program;
        program.withDialog([&](QDialog &dialog) {
            // A screen reader finds these by their labels: a combo box's own name is its value.
            QList<QWidget *> fields;
            for (QComboBox *box : dialog.findChildren<QComboBox *>())
                fields.append(box);
            for (const char *edit : {"captionSizeEdits0", "captionSizeEdits1", "captionSizeEditsPerList1"})
                fields.append(child<QLineEdit>(dialog, QString::fromLatin1(edit)));
            for (QWidget *field : fields) {
                QVERIFY2(!QAccessible::queryAccessibleInterface(field)->relations(QAccessible::Label).isEmpty(),
                         qPrintable(field->objectName()));
            }
        });
    }

        void millimetreLabels()
    {
        Program program;
        program.withDialog([&](QDialog &dialog) {
            page(dialog, 4);
            type(dialog, "edgeZoneWidthEdit", "301");
            QCOMPARE(child<QLabel>(dialog, "edgeZoneWidthMillimetres")->text(), QStringLiteral("(1～300)"));
            type(dialog, "edgeZoneHeightEdit", "x");
            QCOMPARE(child<QLabel>(dialog, "edgeZoneHeightMillimetres")->text(), QStringLiteral("(非数値)"));
            type(dialog, "edgeZoneWidthEdit", "50");
            QVERIFY(child<QLabel>(dialog, "edgeZoneWidthMillimetres")->text().endsWith(QStringLiteral("(mm)")));
        });
    }

    void fontSizes_data()
    {
        QTest::addColumn<double>("chosen");
        QTest::addColumn<float>("stored");
        QTest::newRow("10.5 to even 10") << 10.5 << 10.0f;
        QTest::newRow("11.5 to even 12") << 11.5 << 12.0f;
        QTest::newRow("13") << 13.0 << 13.0f;
    }
    void fontSizes()
    {
        QFETCH(double, chosen);
        QFETCH(float, stored);
        Program program;
        QFont font(QStringLiteral("Noto Sans CJK JP"));
        font.setPointSizeF(chosen);
        program.p.fontColourDialogs.fonts = {font, std::nullopt};
        program.withDialog([&](QDialog &dialog) {
            page(dialog, 3);
            press(dialog, "textFontButton");
            QCOMPARE(child<QLabel>(dialog, "textFontSizeLabel")->text(), QString::number(stored));
            press(dialog, "textFontButton"); // cancelled: nothing changes
            QCOMPARE(child<QLabel>(dialog, "textFontSizeLabel")->text(), QString::number(stored));
            press(dialog, "OKButton");
        });
        QCOMPARE(program.state().settings().textFontSize, stored);
        QCOMPARE(program.state().settings().textFontName, font.family());
    }

    void coloursAndCustomColours()
    {
        Program program;
        auto &dialogs = program.p.fontColourDialogs;
        dialogs.colours = {QColor(1, 2, 3), std::nullopt};
        dialogs.defineCustom = QColor(9, 8, 7);
        program.withDialog([&](QDialog &dialog) {
            page(dialog, 1);
            QTest::mouseClick(child<QWidget>(dialog, "colourSamples0"), Qt::LeftButton);
            QTest::mouseClick(child<QWidget>(dialog, "colourSamples2"), Qt::LeftButton); // cancelled
            press(dialog, "OKButton");
        });
        const NewListDefaults &defaults = program.state().newListDefaults();
        QCOMPARE(defaults.focusedBackColourDefault, Colour(0x030201));
        QCOMPARE(dialogs.customOffered.size(), 2);
        QCOMPARE(dialogs.customOffered[0][0], QColor(Qt::white));
        QCOMPARE(dialogs.customOffered[1][0], QColor(9, 8, 7));
    }

    // The switch on the last page writes the autostart entry that starts this program, and removes it.
    void startAtLoginWritesTheAutostartEntry()
    {
        QTemporaryDir config;
        qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
        QFile entry(config.filePath(QStringLiteral("autostart/quillkeeper.desktop")));
        Program program;
        for (const bool on : {true, false}) {
            program.withDialog([](QDialog &dialog) {
                page(dialog, 5);
                child<QCheckBox>(dialog, "startAtLoginCheck")->click();
                press(dialog, "OKButton");
            });
            QCOMPARE(entry.open(QIODevice::ReadOnly) && entry.readAll().contains(exec(QCoreApplication::applicationFilePath())), on);
            entry.close();
        }
        // An entry left by a copy elsewhere is made this program's at the next start.
        QTemporaryDir folder;
        QFile extra(folder.filePath(ExtraSettingsFile::fileName()));
        QVERIFY(extra.open(QIODevice::WriteOnly) && extra.write("[Session]\nstartAtLogin=true\n") > 0);
        extra.close();
        QVERIFY(entry.open(QIODevice::WriteOnly) && entry.write("[Desktop Entry]\nExec=\"/gone/quillkeeper\"\n") > 0);
        entry.close();
        TestProgram restarted;
        restarted.start({}, {}, folder.path());
        QVERIFY(entry.open(QIODevice::ReadOnly) && entry.readAll().contains(exec(QCoreApplication::applicationFilePath())));
    }

    // One full change by keyboard and mouse, kept in the settings file over a restart.
    void fullChangeSurvivesRestart()
    {
        QStandardPaths::setTestModeEnabled(true);
        QTemporaryDir folder;
        const QString settings = folder.filePath("QKPRUtil.dat");
        {
            Program program(settings);
            program.p.window().setAlwaysOnTop(true);
            QSignalSpy interval(&program.state().settings(), &GlobalSettings::timerIntervalChanged);
            program.withDialog([&](QDialog &dialog) {
                QVERIFY(!program.p.window().alwaysOnTop());
                QLineEdit *timer = child<QComboBox>(dialog, "intervalBox")->lineEdit();
                timer->selectAll();
                QTest::keyClicks(timer, "700");
                page(dialog, 4);
                QLineEdit *across = child<QLineEdit>(dialog, "edgeZoneWidthEdit");
                across->selectAll();
                QTest::keyClicks(across, "25");
                page(dialog, 1);
                QLineEdit *name = child<QLineEdit>(dialog, "nameEdit");
                name->selectAll();
                QTest::keyClicks(name, "Memo");
                program.p.messages.willAnswer(MessageBoxPort::Answer::Ok);
                press(dialog, "settingsPlaceButton");
                QCOMPARE(program.p.messages.asked.last().text,
                         QStringLiteral("環境ﾌｧｲﾙの保存場所:\r\n\r\n") + QDir::toNativeSeparators(settings));
                // Every page fits a 1280 x 800 screen.
                for (int i = 0; i < 6; ++i) {
                    page(dialog, i);
                    QVERIFY2(dialog.sizeHint().width() <= 1280 && dialog.sizeHint().height() <= 760, qPrintable(QStringLiteral("page %1: %2 x %3").arg(i).arg(dialog.sizeHint().width()).arg(dialog.sizeHint().height())));
                    if (!qEnvironmentVariableIsEmpty("QK_SHOTS"))
                        dialog.grab().save(QStringLiteral("%1/settings%2.png").arg(qEnvironmentVariable("QK_SHOTS")).arg(i));
                }
                QTest::mouseClick(child<QPushButton>(dialog, "OKButton"), Qt::LeftButton);
                QVERIFY(!dialog.isVisible());
            });
            QVERIFY(program.p.window().alwaysOnTop());
            QCOMPARE(interval.size(), 1);
            QCOMPARE(interval[0][0].toInt(), 700);
            program.p.window().close();
        }
        Program again(settings);
        const GlobalSettings &g = again.state().settings();
        QCOMPARE(g.pollInterval, qint16(700));
        QCOMPARE(g.edgeZoneWidth, 25);
        QCOMPARE(again.state().newListDefaults().nameDefault, QStringLiteral("Memo"));
    }
};

QTEST_MAIN(TestSettingsDialog)
#include "tst_settingsdialog.moc"
