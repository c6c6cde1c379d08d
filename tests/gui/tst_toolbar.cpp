// SPDX-License-Identifier: GPL-3.0-or-later
// The toolbar strip: its places, its fields in hover and click mode, and the pictures that follow
// the switches and the lists.
#include "TestProgram.h"
#include "mainwindow/ListCommands.h"
#include "mainwindow/MainCommands.h"
#include "mainwindow/PaneArea.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/ToolButton.h"
#include "mainwindow/ToolbarField.h"
#include "mainwindow/ToolStrip.h"
#include "model/ListCollection.h"
#include "model/ListRecord.h"
#include "model/ProgramState.h"
#include "model/GlobalSettings.h"
#include "platform/ListBoxWidget.h"

#include <QAction>
#include <QtTest>

namespace {
// Moves the pointer through the window system, as a real move arrives.
void hover(QWidget *widget)
{
    QWindow *window = widget->window()->windowHandle();
    QTest::mouseMove(window, window->mapFromGlobal(widget->mapToGlobal(widget->rect().center())));
}

struct Program {
    Program()
    {
        p.start();
        QVERIFY(QTest::qWaitForWindowExposed(&p.window()));
    }
    ToolStrip &strip() { return p.root.toolStrip(); }
    ListRecord &focused() { return p.root.listCommands().focusedList(); }
    // Opens a group's field by a click, as in click mode, and reads its pictures.
    QStringList openedKeys(int group)
    {
        strip().closeField();
        QTest::mouseClick(strip().button(group), Qt::LeftButton);
        QStringList keys;
        for (const ToolButton *button : strip().field().buttons())
            keys << button->pictureKey();
        return keys;
    }
    TestProgram p;
    ProgramState &state = p.state();
};
} // namespace

class TestToolbar : public QObject {
    Q_OBJECT
private slots:
    void buttonAndMiniButtonPlaces()
    {
        Program w;
        QList<int> lefts;
        for (QWidget *button : w.strip().buttons())
            lefts << static_cast<ToolButton *>(button)->pictureGeometry().left();
        QCOMPARE(lefts, (QList<int>{10, 30, 55, 75, 95, 115, 140, 160, 185, 205, 230}));
        QCOMPARE(w.strip().button(0)->pictureGeometry(), QRect(10, 1, 16, 16));
        QCOMPARE(w.strip().geometry(), QRect(0, 0, w.p.root.panes().width(), PaneArea::ToolStripHeight));
        // The mini window opens over the sixth button, a place the window keeps on its own.
        QCOMPARE(w.p.window().miniButtonOffset(),
                 w.p.root.panes().mapTo(&w.p.window(), w.strip().button(5)->pictureGeometry().topLeft()) +
                     (w.p.window().geometry().topLeft() - w.p.window().frameGeometry().topLeft()));
        w.p.window().setToolbarShown(false);
        QVERIFY(!w.strip().isVisible());
    }

    void fieldPlacedBelowItsButtonOrInsideANarrowWindow()
    {
        Program w;
        w.openedKeys(0);
        QCOMPARE(w.strip().field().geometry(), QRect(16, 13, 84, 23));
        QCOMPARE(w.strip().field().buttons().at(1)->pictureGeometry(), QRect(24, 3, 16, 16));
        w.p.window().resize(200, w.p.window().height());
        QTRY_COMPARE(w.p.root.panes().width(), 200);
        w.openedKeys(8); // 185 + 6 + 44 would pass the right edge
        QCOMPARE(w.strip().field().geometry(), QRect(200 - 44 - 2, 13, 44, 23));
    }

    void hoverModeOpensOnHoverAndIgnoresClicks()
    {
        Program w;
        ToolStrip &strip = w.strip();
        const auto hovered = [&](QWidget *target) {
            hover(target);
            return strip.openGroup();
        };
        w.state.settings().setToolbarOpensOnHover(true);
        QCOMPARE(hovered(strip.button(2)), 2);
        QCOMPARE(strip.button(2)->frame(), ToolButton::Frame::Pressed);
        QVERIFY(strip.button(2)->testAttribute(Qt::WA_SetCursor) && strip.field().testAttribute(Qt::WA_SetCursor));
        QTest::mouseClick(strip.button(2), Qt::LeftButton);
        QTest::mouseClick(strip.button(2), Qt::LeftButton);
        QCOMPARE(strip.openGroup(), 2);
        // Another group replaces it; a plain button closes it; so does the list below.
        QCOMPARE(hovered(strip.button(6)), 6);
        QCOMPARE(hovered(strip.button(7)), -1);
        QCOMPARE(strip.button(7)->frame(), ToolButton::Frame::Raised);
        QCOMPARE(hovered(strip.button(0)), 0);
        QCOMPARE(hovered(w.p.listAt(0)->viewport()), -1);
        QCOMPARE(strip.button(0)->frame(), ToolButton::Frame::None);
        w.state.settings().setToolbarOpensOnHover(false);
        QVERIFY(!strip.button(2)->testAttribute(Qt::WA_SetCursor) && !strip.field().testAttribute(Qt::WA_SetCursor));
    }

    void clickModeOpensAndClosesByClicks()
    {
        Program w;
        ToolStrip &strip = w.strip();
        hover(strip.button(1));
        QCOMPARE(strip.openGroup(), -1);
        QTest::mouseClick(strip.button(1), Qt::LeftButton);
        QCOMPARE(strip.openGroup(), 1);
        // While it is open the strip's frames stay.
        hover(strip.button(3));
        QCOMPARE(strip.button(1)->frame(), ToolButton::Frame::Pressed);
        QTest::mouseClick(strip.button(1), Qt::LeftButton);
        QCOMPARE(strip.openGroup(), -1);
        // A press beside the field's buttons closes it: on a list, a bar or the field's own edge,
        // which lies over the lists, outside the strip.
        QVERIFY(!strip.isAncestorOf(&strip.field()));
        QWidget *bar = w.p.root.panes().barWidget(1);
        for (QWidget *target : QList<QWidget *>{w.p.listAt(0)->viewport(), bar, &strip.field()}) {
            QTest::mouseClick(strip.button(8), Qt::LeftButton);
            QCOMPARE(strip.openGroup(), 8);
            QTest::mousePress(target, Qt::LeftButton, {}, QPoint(2, 2));
            QTest::mouseRelease(target, Qt::LeftButton, {}, QPoint(2, 2));
            QCOMPARE(strip.openGroup(), -1);
        }
        QTest::mouseClick(strip.button(8), Qt::LeftButton);
        QTest::mouseClick(strip.button(0), Qt::LeftButton);
        QCOMPARE(strip.openGroup(), 0);
    }

    void statePictures_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QList<Command>>("commands"); // triggered after the change
        QTest::addColumn<int>("group"); // -1: the strip
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QString>("toolTip"); // of the last button
        using enum Command;
        const QList<Command> none;
        QTest::newRow("start") << "" << none << -1 << QStringList{"TNTOP", "TNSTOP"} << "作動中";
        QTest::newRow("on top, stopped") << "" << QList{AlwaysOnTop, StopCapture} << -1
                                         << QStringList{"TCTOP", "TCSTOP"} << "停止中";
        QTest::newRow("files") << "" << none << 0 << QStringList{"TOPEN", "TSAVE", "TCLOSE", "TMAXWIN"} << "最大化";
        QTest::newRow("maximised") << "maximised" << none << 0 << QStringList{"TOPEN", "TSAVE", "TCLOSE", "TNORWIN"}
                                   << "元のｻｲｽﾞに戻す";
        QTest::newRow("list settings") << "" << none << 1 << QStringList{"TUPDNADD", "TUPADD", "TNSEL"}
                                       << "ﾌｫｰｶｽと無関係に追加";
        QTest::newRow("toggled") << "" << QList{KeepFocus, AddAtBottom, AddAtFocus} << 1
                                 << QStringList{"TNLCOPY", "TDNADD", "TCSEL"}
                                 << "指定位置へ追加";
        QTest::newRow("other focusMode") << "focusMode5" << none << 1 << QStringList{"", "TUPADD", "TNSEL"}
                                         << "ﾌｫｰｶｽと無関係に追加";
        QTest::newRow("display") << "" << none << 2 << QStringList{"TLISTEXP", "TCMENU"} << "ﾒﾆｭｰ表示";
        QTest::newRow("menu hidden") << "" << QList{ShowMenuBar} << 2 << QStringList{"TLISTEXP", "TNMENU"}
                                     << "ﾒﾆｭｰ非表示";
        QTest::newRow("one list") << "" << none << 6 << QStringList{"TMAKEL", "TNAMEL", "TUDELEL", "TLDATA"}
                                  << "ﾘｽﾄの詳細情報";
        QTest::newRow("two lists") << "" << QList{NewList} << 6 << QStringList{"TMAKEL", "TNAMEL", "TDELEL", "TLDATA"}
                                   << "ﾘｽﾄの詳細情報";
        QTest::newRow("empty list") << "" << none << 8 << QStringList{"TUJOIN", "TUNAMEI"} << "項目に名前をつけられません";
        QTest::newRow("one highlighted") << "items highlight1" << none << 8 << QStringList{"TUJOIN", "TNAMEI"}
                                         << "項目に名前をつける";
        QTest::newRow("two highlighted") << "items highlight2" << none << 8 << QStringList{"TJOIN", "TNAMEI"}
                                         << "項目に名前をつける";
    }
    void statePictures()
    {
        QFETCH(QString, change);
        QFETCH(QList<Command>, commands);
        QFETCH(int, group);
        QFETCH(QStringList, keys);
        QFETCH(QString, toolTip);
        Program w;
        for (const QString &step : change.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            if (step == "maximised")
                w.p.window().toggleMaximised(true);
            else if (step == "focusMode5")
                w.focused().focusMode = FocusMode(5);
            else if (step == "items")
                w.p.fill(0, QStringLiteral("ab"));
            else if (step.startsWith("highlight"))
                for (int row = 0; row < step.back().digitValue(); ++row)
                    w.p.listAt(0)->setSelected(row, true);
        }
        for (Command command : commands)
            w.p.command(command)->trigger();
        if (group < 0) {
            QCOMPARE((QStringList{w.strip().button(3)->pictureKey(), w.strip().button(4)->pictureKey()}), keys);
            QCOMPARE(w.strip().button(4)->toolTip(), toolTip);
            return;
        }
        QCOMPARE(w.openedKeys(group), keys);
        QCOMPARE(w.strip().field().buttons().last()->toolTip(), toolTip);
    }

    void refusedDeleteDoesNothing()
    {
        Program w;
        w.p.root.listCommands().makeNewList();
        w.p.root.listCommands().toggleListShown(0); // two lists, one shown
        QSignalSpy deleted(w.p.command(Command::DeleteList), &QAction::triggered);
        QCOMPARE(w.openedKeys(6).at(2), QStringLiteral("TUDELEL"));
        QTest::mouseClick(w.strip().field().buttons().at(2), Qt::LeftButton);
        QCOMPARE(w.strip().openGroup(), -1);
        QCOMPARE(deleted.size(), 0);
        QCOMPARE(w.state.lists().count(), 2);
    }

    void fieldClosesBeforeWindowEffects_data()
    {
        QTest::addColumn<int>("group");
        QTest::addColumn<int>("button");
        QTest::addColumn<std::optional<Command>>("command"); // none: the list display menu
        QTest::addColumn<bool>("openDuring");
        QTest::newRow("end") << 0 << 2 << std::optional(Command::EndProgram) << false;
        QTest::newRow("maximise") << 0 << 3 << std::optional(Command::Maximise) << false;
        QTest::newRow("list display") << 2 << 0 << std::optional<Command>() << false;
        QTest::newRow("new list") << 6 << 0 << std::optional(Command::NewList) << true;
    }
    void fieldClosesBeforeWindowEffects()
    {
        QFETCH(int, group);
        QFETCH(int, button);
        QFETCH(std::optional<Command>, command);
        QFETCH(bool, openDuring);
        Program w;
        int seen = -2;
        const auto look = [&] { seen = w.strip().openGroup(); };
        if (!command) {
            // The list display menu pops up where the pointer is; the test only looks at the moment.
            QObject::disconnect(&w.strip(), &ToolStrip::listDisplayRequested, nullptr, nullptr);
            QObject::connect(&w.strip(), &ToolStrip::listDisplayRequested, look);
        } else {
            QObject::connect(w.p.root.commands().action(*command), &QAction::triggered, look);
        }
        w.openedKeys(group);
        QTest::mouseClick(w.strip().field().buttons().at(button), Qt::LeftButton);
        QCOMPARE(seen, openDuring ? group : -1);
    }
};

QTEST_MAIN(TestToolbar)
#include "tst_toolbar.moc"
