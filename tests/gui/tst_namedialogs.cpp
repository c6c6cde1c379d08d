// SPDX-License-Identifier: GPL-3.0-or-later
// The naming dialog and the list information dialog on real widgets.
#include "TestProgram.h"
#include "mainwindow/ListCommands.h"
#include "mainwindow/ListDisplayMenu.h"
#include "mainwindow/MainMenus.h"
#include "mainwindow/MainWindow.h"
#include "model/ListItems.h"
#include "model/ListCollection.h"
#include "model/ListDisplay.h"
#include "model/ListRecord.h"
#include "model/ProgramState.h"
#include "model/seams/TextWidth.h"
#include "platform/ListBoxWidget.h"
#include "platform/FontTextWidth.h"
#include "storage/Cp932Codec.h"
#include "storage/ListFigures.h"
#include "windows/ListInfoDialog.h"
#include "windows/NamingDialog.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QWindow>
#include <QtTest>

namespace {
struct Program {
    Program()
    {
        p.start();
        activateMain();
    }
    void activateMain()
    {
        p.window().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&p.window()));
    }
    PaneNumber pane() { return p.state().display().focusedPane(); }
    ListRecord &list(int number) { return p.state().lists().at(ListNumber(qint16(number))); }
    ListItems &items(int number = 0) { return list(number).items(); }
    NamingDialog &name() { return p.root.nameDialog(); }
    ListInfoDialog &data() { return p.root.listDataDialog(); }
    template <typename T> T *in(QWidget &window, const char *child) { return window.findChild<T *>(QString::fromLatin1(child)); }
    void enterName(const QString &text)
    {
        QVERIFY(QTest::qWaitForWindowActive(&name()));
        in<QLineEdit>(name(), "nameEdit")->setText(text);
        QTest::keyClick(in<QLineEdit>(name(), "nameEdit"), Qt::Key_Return);
        QVERIFY(!name().isVisible());
    }
    QStringList menuCaptions()
    {
        ListDisplayMenu &menu = p.root.listDisplayMenu();
        emit menu.menu()->aboutToShow();
        QStringList captions;
        for (int j = 0; j < menu.entryCount(); ++j)
            captions << menu.entry(j)->text();
        return captions;
    }
    QStringList figures()
    {
        QStringList all{in<QLineEdit>(data(), "fileNameEdit")->text()};
        for (const char *name : {"itemCountLabel", "characterCountLabel", "byteCountLabel"})
            all << in<QLabel>(data(), name)->text();
        return all;
    }
    TestProgram p;
};

// Every character 10 pixels wide.
class TenPixels : public TextWidth {
public:
    double textWidth(QStringView text) const override { return 10.0 * double(text.size()); }
};
} // namespace

class TestNameDialogs : public QObject {
    Q_OBJECT
private slots:
    void namingAListNumbersNamesakes();
    void namingAnItemAndRemovingItsName();
    void buttonsLightUpAndTheDialogDragsByItsTitle();
    void fitCaption_data();
    void fitCaption();
    void listDataEntriesAndFigures();
    void withCommas_data();
    void withCommas();
    void bytesAreThoseOfTheClipListFile();
};

void TestNameDialogs::namingAListNumbersNamesakes()
{
    Program t;
    t.p.command(Command::NewList)->trigger();
    t.activateMain();
    // The longest title that, followed by the dots, still fits the strip is shown whole.
    auto *header = t.in<QLabel>(t.name(), "titleLabel");
    FontTextWidth meter;
    meter.setFont(header->font());
    const QString head = QStringLiteral("ﾘｽﾄに名前をつける-");
    while (meter.textWidth(QString(head + t.list(1).name + "i...")) <= header->width())
        t.list(1).name += u'i';
    t.p.command(Command::NameList)->trigger();
    QVERIFY(QTest::qWaitForWindowActive(&t.name()));
    QCOMPARE(t.name().offsetFromMain(), QPoint(46, 66));
    QCOMPARE(t.in<QLineEdit>(t.name(), "nameEdit")->text(), t.list(1).name);
    QCOMPARE(header->text(), head + t.list(1).name);
    t.enterName(t.list(0).name);
    QCOMPARE(t.list(0).sameNameNumber, 1);
    QCOMPARE(t.list(1).sameNameNumber, 2);
    const QString name = t.list(0).name;
    QCOMPARE(t.menuCaptions(), QStringList({name + "(1)", "[" + name + "(2)]"}));
    // An empty name goes to a list unchanged.
    t.activateMain();
    t.p.command(Command::NameList)->trigger();
    t.enterName(QString());
    QCOMPARE(t.list(1).name, QString());
    QCOMPARE(t.list(1).sameNameNumber, 0);
    // Clicking the main window cancels: nothing is named.
    t.activateMain();
    t.p.command(Command::NameList)->trigger();
    QVERIFY(QTest::qWaitForWindowActive(&t.name()));
    t.in<QLineEdit>(t.name(), "nameEdit")->setText(QStringLiteral("changed"));
    QTest::qWait(350);
    t.activateMain();
    QTRY_VERIFY(!t.name().isVisible());
    QCOMPARE(t.list(1).name, QString());
}

void TestNameDialogs::namingAnItemAndRemovingItsName()
{
    Program t;
    // Nothing to name in an empty list.
    t.p.command(Command::NameItem)->trigger();
    QVERIFY(!t.name().isVisible());
    const QString text = QString(40, u'a') + QStringLiteral("b");
    t.items().addItem(text);
    t.p.state().display().highlightRow(t.pane(), RowNumber(0));
    t.p.command(Command::NameItem)->trigger();
    QVERIFY(QTest::qWaitForWindowActive(&t.name()));
    QCOMPARE(t.name().title, QStringLiteral("項目に名前をつける-") + QString(32, u'a'));
    t.enterName(QStringLiteral("label"));
    QCOMPARE(t.items().at(ItemNumber(0)).name, QStringLiteral("label"));
    QCOMPARE(t.p.listAt(0)->rowText(0), QStringLiteral("label"));
    t.activateMain();
    t.p.command(Command::NameItem)->trigger();
    QCOMPARE(t.name().title, QStringLiteral("項目に名前をつける-label"));
    t.enterName(QString());
    QCOMPARE(t.items().at(ItemNumber(0)).name, QString());
    QCOMPARE(t.p.listAt(0)->rowText(0), t.items().caption(text));
}

void TestNameDialogs::buttonsLightUpAndTheDialogDragsByItsTitle()
{
    Program t;
    t.p.command(Command::NameList)->trigger();
    QVERIFY(QTest::qWaitForWindowActive(&t.name()));
    auto *ok = t.in<QLabel>(t.name(), "buttonLabels0");
    auto *cancel = t.in<QLabel>(t.name(), "buttonLabels1");
    const auto colour = [](QLabel *button) { return button->palette().color(QPalette::Window); };
    const QColor grey(0xE0, 0xE0, 0xE0), blue(0xC0, 0xC0, 0xFF);
    // Through the dialog's window, as the pointer's moves come.
    QWindow *window = t.name().windowHandle();
    const auto over = [&](QWidget *part, QPoint at = {}) { return part->mapTo(&t.name(), at.isNull() ? part->rect().center() : at); };
    QCOMPARE(colour(ok), grey);
    QTest::mouseMove(window, over(ok));
    QTRY_COMPARE(colour(ok), blue);
    QTest::mouseMove(window, over(cancel));
    QTRY_COMPARE(colour(cancel), blue);
    QCOMPARE(colour(ok), grey);
    auto *header = t.in<QLabel>(t.name(), "titleLabel");
    QTest::mouseMove(window, over(header, QPoint(10, 5)));
    QTRY_COMPARE(colour(cancel), grey);

    const QPoint start = t.name().pos();
    QTest::mousePress(window, Qt::LeftButton, {}, over(header, QPoint(10, 5)));
    QTest::mouseMove(window, over(header, QPoint(40, 25)));
    // The pointer moved with the dialog: it is over the same place of the title again.
    QTest::mouseRelease(window, Qt::LeftButton, {}, over(header, QPoint(10, 5)));
    QTRY_COMPARE(t.name().pos(), start + QPoint(30, 20));
    QCOMPARE(t.p.window().windowSettings().name, NameDialogSettings({46 + 30, 66 + 20}));
    QTest::mouseClick(cancel, Qt::LeftButton);
    QVERIFY(!t.name().isVisible());
}

void TestNameDialogs::fitCaption_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("width");
    QTest::addColumn<QString>("caption");
    // Widths: 10 a character, 30 the three dots.
    QTest::newRow("fits with room for the dots") << "abcdefg" << 100.0 << "abcdefg";
    QTest::newRow("would fit only without the dots") << "abcdefgh" << 80.0 << "abcde...";
    QTest::newRow("cut at the last that fits with the dots") << "abcdefghij" << 95.0 << "abcdef...";
    QTest::newRow("no room even for one") << "abc" << 25.0 << "...";
    QTest::newRow("surrogate pair kept whole") << QStringLiteral("ab\U0001F600cd") << 60.0 << "ab...";
    QTest::newRow("empty") << "" << 10.0 << "";
}

void TestNameDialogs::fitCaption()
{
    QFETCH(QString, text);
    QFETCH(double, width);
    QFETCH(QString, caption);
    QCOMPARE(NamingDialog::fitCaption(text, width, TenPixels()), caption);
}

void TestNameDialogs::listDataEntriesAndFigures()
{
    Program t;
    t.items().addItem(QString(1000, u'a') + QString(1000, u'あ'));
    t.p.command(Command::NewList)->trigger();
    t.p.command(Command::NewList)->trigger();
    // The third list, named like the second, is hidden.
    t.list(0).name = QStringLiteral("first");
    t.list(0).sameNameNumber = 0;
    t.list(1).sameNameNumber = 1;
    t.list(2).name = t.list(1).name;
    t.list(2).sameNameNumber = 2;
    t.list(2).fileName = QStringLiteral("/tmp/saved.qkl");
    t.p.root.listCommands().toggleListShown(2);
    t.p.state().display().focusPane(t.p.state().display().paneAtPosition(0));
    t.activateMain();
    QTest::keyClick(&t.p.window(), Qt::Key_I, Qt::ControlModifier);
    QVERIFY(QTest::qWaitForWindowActive(&t.data()));
    QCOMPARE(t.data().windowTitle(), QStringLiteral("ﾘｽﾄ詳細情報"));
    QCOMPARE(t.data().offsetFromMain(), QPoint(53, 33));
    auto *entries = t.in<QComboBox>(t.data(), "listSelector");
    const QString first = t.list(0).name, second = t.list(1).name;
    QCOMPARE(entries->count(), 3);
    QCOMPARE(entries->itemText(0), "[表示]-" + first);
    QCOMPARE(entries->itemText(1), "[表示]-" + second + "(1)");
    QCOMPARE(entries->itemText(2), "[非表示]-" + second + "(2)");
    QCOMPARE(entries->currentIndex(), 0);
    QCOMPARE(t.figures(), QStringList({"(なし)", "1 個", "2,000 文字", "3,000 ﾊﾞｲﾄ"}));
    entries->setCurrentIndex(2);
    emit entries->activated(2);
    QCOMPARE(t.figures(), QStringList({"/tmp/saved.qkl", "0 個", "0 文字", "0 ﾊﾞｲﾄ"}));
    // Moved, closed on O.K., reopened where it was left.
    t.data().move(t.p.window().frameGeometry().topLeft() + QPoint(70, 20));
    QTest::mouseClick(t.in<QWidget>(t.data(), "okButton"), Qt::LeftButton);
    QVERIFY(!t.data().isVisible());
    QCOMPARE(t.p.window().windowSettings().listData, ListDataDialogSettings({70, 20}));
    t.activateMain();
    t.p.command(Command::ListInfo)->trigger();
    QVERIFY(QTest::qWaitForWindowActive(&t.data()));
    QCOMPARE(t.data().offsetFromMain(), QPoint(70, 20));
    // Losing activation closes it.
    QTest::qWait(350);
    t.activateMain();
    QTRY_VERIFY(!t.data().isVisible());
}

void TestNameDialogs::withCommas_data()
{
    QTest::addColumn<qint64>("number");
    QTest::addColumn<QString>("written");
    QTest::newRow("0") << qint64(0) << "0";
    QTest::newRow("999") << qint64(999) << "999";
    QTest::newRow("1000") << qint64(1000) << "1,000";
    QTest::newRow("1234567") << qint64(1234567) << "1,234,567";
    QTest::newRow("beyond 32 bits") << qint64(5000000000) << "5,000,000,000";
}

void TestNameDialogs::withCommas()
{
    QFETCH(qint64, number);
    QFETCH(QString, written);
    QCOMPARE(ListFigures::withCommas(number), written);
}

void TestNameDialogs::bytesAreThoseOfTheClipListFile()
{
    Program t;
    // Half-width, full-width, half-width katakana, a character without a CP932 form, a surrogate pair.
    const QStringList texts = {QStringLiteral("abc\r\n"), QStringLiteral("漢字～"), QStringLiteral("ｶﾀｶﾅ"),
                               QStringLiteral("€"), QStringLiteral("\U0001F600")};
    qint64 encoded = 0;
    for (const QString &text : texts) {
        t.items().addItem(text);
        encoded += Cp932Codec::instance().encode(text).size();
    }
    const ListFigures figures = ListFigures::of(t.items());
    QCOMPARE(figures.bytes, encoded);
    QCOMPARE(figures.bytes, qint64(5 + 6 + 4 + 1 + 2));
}

QTEST_MAIN(TestNameDialogs)
#include "tst_namedialogs.moc"
