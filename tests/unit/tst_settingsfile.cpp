// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file: header and version rule, every section's round trip, damaged and foreign
// files, window placement on the desktop, and saving that fails.
#include "model/ProgramTexts.h"
#include "model/GlobalSettingsCopy.h"
#include "model/NewListDefaults.h"
#include "model/GlobalSettings.h"
#include "storage/SettingsFile.h"
#include "storage/SettingsSections.h"
#include "storage/WindowPlacement.h"
#include "storage/WindowSettings.h"
#include "storage/RecordFile.h"

#include <QBuffer>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <functional>
#include <limits>

namespace {

const QRect Desktop(0, 0, 1024, 768);

// One program's worth of settings: the live objects and the window records.
struct Program {
    GlobalSettings settings;
    NewListDefaults defaultsOfNewLists;
    WindowSettings windows;
    int timerInterval = -1; // as the settings last pushed them
    Colour barColour = 0;
    QList<bool> pointerChanges;

    Program()
    {
        QObject::connect(&settings, &GlobalSettings::timerIntervalChanged, [this](int ms) { timerInterval = ms; });
        QObject::connect(&settings, &GlobalSettings::barColourChanged, [this](Colour colour) { barColour = colour; });
        QObject::connect(&settings, &GlobalSettings::toolbarOpensOnHoverChanged, [this](bool hover) { pointerChanges.append(hover); });
    }
    GlobalSettings &utility() { return settings; }
    NewListDefaults &firstList() { return defaultsOfNewLists; }
    SettingsFile file() { return SettingsFile(settings, defaultsOfNewLists, windows); }

    SettingsFile::Found start(QByteArray bytes)
    {
        QBuffer buffer(&bytes);
        return file().readSettingsAtStart(buffer, Desktop);
    }
    QByteArray end()
    {
        QBuffer buffer;
        buffer.open(QIODevice::ReadWrite);
        if (!file().writeSettingsAtEnd(buffer))
            return {};
        return buffer.data();
    }
    GlobalSettingsCopy global() { return settings.copyOut(); }
    NewListDefaultFields defaults() { return firstList(); }
};

// Every stored value away from its factory value, with the awkward ones the file must keep.
void fillWithOwnValues(Program &p)
{
    GlobalSettingsCopy g;
    g.pollInterval = 1500;
    g.barColour = systemColour(8);
    g.addOptionsToAllLists = true;
    g.addOptionsAsDefaults = false;
    g.dropOverflowOnMove = true;
    g.warnOnOverflow = false;
    g.splitCaptures = true;
    g.splitAtLineBreaks = false;
    g.splitString = QStringLiteral("、。");
    g.richText = true;
    g.toolbarOpensOnHover = true;
    g.pauseWhileTextWindowActive = false;
    g.textFontName = QStringLiteral("IPAPGothic");
    g.textFontSize = 10.5f;
    g.leftEdgeAction = 2;
    g.rightEdgeAction = 0;
    g.topEdgeAction = 1;
    g.bottomEdgeAction = 2;
    g.edgeZoneWidth = 300;
    g.edgeZoneHeight = 1;
    p.utility().copyIn(g);

    NewListDefaults &f = p.firstList();
    f.captionByWidthDefault = false;
    f.captionLengthDefault = 400;
    f.captionWidthDefault = 0;
    f.lineBreakMarkDefault = QString(); // empty strings are kept as empty
    f.showLengthDefault = false;
    f.itemLimitDefault = 32767;
    f.addAtBottomDefault = true;
    f.addAtFocusDefault = true;
    f.focusModeDefault = FocusMode::Stays;
    f.fileNameDefault = QString();
    f.nameDefault = QStringLiteral("ﾒﾓ～");
    f.fontNameDefault = QStringLiteral("Noto Sans CJK JP");
    f.fontSizeDefault = 12.25f;
    f.backColourDefault = 0x00123456;
    f.textColourDefault = systemColour(5);
    f.focusedBackColourDefault = 0;
    f.focusedTextColourDefault = qint32(0xFFFFFFFFu);

    WindowSettings &w = p.windows;
    w.name = {-10, 400};
    w.text = {-300, -20, 500, 700, true, TextWindowSettings::VerticalOnly};
    w.listData = {0, 0};
    w.mini = {12, 34};
    w.main.menuBarShown = false;
    w.main.alwaysOnTop = true;
    w.main.capturing = false;
    w.main.toolbarShown = false;
    w.main.sizeState = MainWindowSettings::SizeState::Maximised;
    w.main.Left = 20;
    w.main.Top = 30;
    w.main.Width = 640;
    w.main.Height = 480;
}

void expectFactory(Program &p)
{
    const GlobalSettingsCopy g = p.global();
    QCOMPARE(g.pollInterval, qint16(500));
    QCOMPARE(g.barColour, systemColour(15));
    QCOMPARE(g.splitString, QStringLiteral("."));
    QCOMPARE(g.textFontName, ProgramTexts::defaultFontName());
    QCOMPARE(g.textFontSize, 9.0f);
    QCOMPARE(g.rightEdgeAction, qint16(1));
    QCOMPARE(g.bottomEdgeAction, qint16(1));
    QCOMPARE(g.toolbarOpensOnHover, false);
    QCOMPARE(g.addOptionsAsDefaults, true);
    QCOMPARE(p.firstList().nameDefault, QStringLiteral("ｸﾘｯﾌﾟ"));
    QCOMPARE(p.firstList().itemLimitDefault, qint16(32));
    QCOMPARE(p.firstList().captionLengthDefault, qint16(48));
    QCOMPARE(p.firstList().captionWidthDefault, 192);
    QCOMPARE(p.firstList().textColourDefault, systemColour(8));
    QCOMPARE(p.windows.name, NameDialogSettings());
    QCOMPARE(p.windows.text, TextWindowSettings());
    QCOMPARE(p.windows.listData, ListDataDialogSettings());
    QCOMPARE(p.windows.mini, MiniWindowSettings());
    MainWindowSettings main;
    main.Left = 358; // (1024 - 307) / 2 = 358.5, halves to even
    main.Top = 276;  // (768 - 215) / 2 = 276.5
    QCOMPARE(p.windows.main, main);
}

// Byte offset of each section's end in a file written by `p`: header, then the seven sections.
QList<qint64> sectionEnds(Program &p)
{
    QBuffer buffer;
    buffer.open(QIODevice::ReadWrite);
    RecordFile fee;
    fee.openDeviceForSave(buffer);
    QList<qint64> ends;
    SettingsFile::writeHeader(fee);
    ends << fee.position() - 1;
    SettingsSections::writeGlobalSettings(p.utility(), fee);
    ends << fee.position() - 1;
    SettingsSections::writeNewListDefaults(p.firstList(), fee);
    ends << fee.position() - 1;
    p.windows.name.write(fee);
    ends << fee.position() - 1;
    p.windows.text.write(fee);
    ends << fee.position() - 1;
    p.windows.listData.write(fee);
    ends << fee.position() - 1;
    p.windows.mini.write(fee);
    ends << fee.position() - 1;
    p.windows.main.write(fee);
    ends << fee.position() - 1;
    fee.close();
    return ends;
}

QByteArray withVersion(QByteArray bytes, qint16 version)
{
    bytes[74] = char(version & 0xFF);
    bytes[75] = char(version >> 8);
    return bytes;
}

} // namespace

using Alteration = std::function<void(Program &)>;
Q_DECLARE_METATYPE(Alteration)
Q_DECLARE_METATYPE(SettingsFile::Found)

class TestSettingsFile : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void firstRunWithoutFile();
    void headerLayout();
    void headerStatus_data();
    void headerStatus();
    void unusableFileIsKeptAside_data();
    void unusableFileIsKeptAside();
    void unusableFileStaysWhenItCannotBeKept();
    void everyFieldRoundTrips();
    void toolbarPointerFollowsLoadedValue();
    void globalSettingsReachTheMainWindow();
    void damagedValuesTakeFactoryValues_data();
    void damagedValuesTakeFactoryValues();
    void damagedStringCountFallsBack();
    void cutShortFileKeepsOnlyWholeSections();
    void storedRectangleIsKeptOnTheDesktop();
    void windowSizesAndOffsetsStayWithinTheDesktop();
    void fitOnScreen_data();
    void fitOnScreen();
    void fitOnScreenWithoutDesktop();
    void endedReportsAFileThatCannotBeWritten();
    void location();
};

void TestSettingsFile::firstRunWithoutFile()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = SettingsFile::pathIn(dir.path());
    QCOMPARE(QFileInfo(path).fileName(), QStringLiteral("QKPRUtil.dat"));

    Program p;
    SettingsFile file = p.file();
    SettingsFile::Found found = file.readSettingsAtStart(path, Desktop);
    QCOMPARE(found, SettingsFile::Found::Nothing);
    expectFactory(p);
    QVERIFY(p.pointerChanges.isEmpty());
    // A run killed now leaves nothing behind that the next start would take for a damaged file.
    QVERIFY(!QFile::exists(path));

    QVERIFY(file.writeSettingsAtEnd(path, found));
    QFile written(path);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.readAll(), p.end());
    QVERIFY(!QFile::exists(SettingsFile::backupPath(path)));

    Program next;
    QCOMPARE(next.file().readSettingsAtStart(path, Desktop), SettingsFile::Found::Usable);
    expectFactory(next);
}

void TestSettingsFile::headerLayout()
{
    Program p;
    p.start({});
    const QByteArray bytes = p.end();
    QCOMPARE(bytes.left(6), QByteArray::fromHex("010000008500")); // program 1.0.133
    QCOMPARE(bytes.mid(6, 4), QByteArray::fromHex("17000000"));
    QCOMPARE(bytes.mid(10, 23), QByteArray("Arlen.T.K. Wrenfold Ltd"));
    QCOMPARE(bytes.mid(33, 4), QByteArray::fromHex("25000000"));
    QCOMPARE(bytes.mid(37, 37), QByteArray("Arlen.T.K. QuillKeeper Utility Values"));
    QCOMPARE(bytes.mid(74, 2), QByteArray::fromHex("0b00"));
    QCOMPARE(bytes.mid(76, 2), QByteArray::fromHex("f401")); // the first section: polling interval 500
    QCOMPARE(sectionEnds(p).first(), 76);
}

void TestSettingsFile::headerStatus_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("status");
    Program p;
    p.start({});
    const QByteArray good = p.end();
    QTest::newRow("accepted") << good << 0;
    QTest::newRow("version 10") << withVersion(good, 10) << 1;
    QTest::newRow("version 0") << withVersion(good, 0) << 1;
    QTest::newRow("version 12") << withVersion(good, 12) << 3;
    QTest::newRow("empty") << QByteArray() << 2;
    QTest::newRow("header cut before the version") << good.left(74) << 2;
    QTest::newRow("other maker") << QByteArray(good).replace("Wrenfold", "Wrenfald") << 2;
    QTest::newRow("clip-list file") << QByteArray(good).replace("Utility Values", "User ClipLists") << 2;
    QByteArray tooLong = good;
    tooLong[6] = 65;
    QTest::newRow("string count 65") << tooLong << 2;
    QByteArray negative = good;
    negative[9] = char(0x80);
    QTest::newRow("negative string count") << negative << 2;
    QTest::newRow("foreign") << QByteArray("PK\x03\x04 not a settings file at all") << 2;
}

void TestSettingsFile::headerStatus()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, status);
    QBuffer buffer(&bytes);
    RecordFile fee;
    QVERIFY(fee.openDeviceForRead(buffer));
    QCOMPARE(int(SettingsFile::readHeader(fee)), status);
}

void TestSettingsFile::unusableFileIsKeptAside_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<SettingsFile::Found>("found");
    Program old;
    old.start({});
    fillWithOwnValues(old);
    const QByteArray good = old.end();
    QTest::newRow("usable") << good << SettingsFile::Found::Usable;
    QTest::newRow("empty, as a killed first start of an earlier build left it") << QByteArray() << SettingsFile::Found::Nothing;
    QTest::newRow("version 10") << withVersion(good, 10) << SettingsFile::Found::Unusable;
    QTest::newRow("version 12") << withVersion(good, 12) << SettingsFile::Found::Unusable;
    QTest::newRow("foreign") << QByteArray("PK\x03\x04 not a settings file") << SettingsFile::Found::Unusable;
    QTest::newRow("cut inside the sections") << good.left(good.size() - 3) << SettingsFile::Found::Unusable;
    QTest::newRow("longer than any settings file") << good + QByteArray(SettingsFile::MaxSize, '\0') << SettingsFile::Found::Unusable;
}

void TestSettingsFile::unusableFileIsKeptAside()
{
    QFETCH(QByteArray, bytes);
    QFETCH(SettingsFile::Found, found);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = SettingsFile::pathIn(dir.path());
    const QString backup = SettingsFile::backupPath(path);
    QCOMPARE(QFileInfo(backup).fileName(), QStringLiteral("QKPRUtil.dat.bak"));
    auto put = [](const QString &where, const QByteArray &content) {
        QFile f(where);
        return f.open(QIODevice::WriteOnly) && f.write(content) == content.size();
    };
    QVERIFY(put(path, bytes));
    QVERIFY(put(backup, "an older backup"));

    Program p;
    SettingsFile file = p.file();
    SettingsFile::Found started = file.readSettingsAtStart(path, Desktop);
    QCOMPARE(started, found);
    QVERIFY(file.writeSettingsAtEnd(path, started));
    QCOMPARE(started, SettingsFile::Found::Usable);
    QFile written(path);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.readAll(), p.end());

    QFile kept(backup);
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), found == SettingsFile::Found::Unusable ? bytes : QByteArray("an older backup"));
    // Only the first write replaces the user's file; a later one keeps the backup as it is.
    QVERIFY(file.writeSettingsAtEnd(path, started));
    kept.seek(0);
    QCOMPARE(kept.readAll(), found == SettingsFile::Found::Unusable ? bytes : QByteArray("an older backup"));
}

void TestSettingsFile::unusableFileStaysWhenItCannotBeKept()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = SettingsFile::pathIn(dir.path());
    const QByteArray foreign = "not a settings file";
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(foreign);
    }
    // A folder with something in it where the backup should go: it can be neither removed nor replaced.
    QVERIFY(QDir().mkpath(SettingsFile::backupPath(path) + QStringLiteral("/inside")));
    Program p;
    SettingsFile file = p.file();
    SettingsFile::Found found = file.readSettingsAtStart(path, Desktop);
    QVERIFY(!file.writeSettingsAtEnd(path, found));
    QVERIFY(file.errorString().contains(QStringLiteral("QKPRUtil.dat.bak")));
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), foreign);
}

void TestSettingsFile::everyFieldRoundTrips()
{
    Program first;
    first.start({});
    fillWithOwnValues(first);
    const QByteArray bytes = first.end();

    Program second;
    QCOMPARE(second.start(bytes), SettingsFile::Found::Usable);
    QCOMPARE(second.global(), first.global());
    QCOMPARE(second.global().toolbarOpensOnHover, true);
    QCOMPARE(second.defaults(), first.defaults());
    QCOMPARE(second.windows, first.windows);
    QCOMPARE(second.end(), bytes);
}

void TestSettingsFile::toolbarPointerFollowsLoadedValue()
{
    Program first;
    first.start({});
    first.utility().setToolbarOpensOnHover(true);
    Program second;
    second.start(first.end());
    QCOMPARE(second.pointerChanges, QList<bool>{true});
}

void TestSettingsFile::globalSettingsReachTheMainWindow()
{
    Program first;
    first.start({});
    fillWithOwnValues(first);
    Program second;
    second.start(first.end());
    QCOMPARE(second.timerInterval, 1500);
    QCOMPARE(second.barColour, systemColour(8));

    Program factory;
    factory.start({});
    QCOMPARE(factory.timerInterval, 500);
}

void TestSettingsFile::damagedValuesTakeFactoryValues_data()
{
    using Damage = Alteration;
    using Check = Alteration;
    QTest::addColumn<Damage>("damage");
    QTest::addColumn<Check>("check");

    auto global = [](std::function<void(GlobalSettingsCopy &)> change) {
        return Damage([change](Program &p) {
            GlobalSettingsCopy g = p.utility().copyOut();
            change(g);
            p.utility().copyIn(g);
        });
    };
    QTest::newRow("timer interval 0") << global([](GlobalSettingsCopy &g) { g.pollInterval = 0; })
                                      << Check([](Program &p) { QCOMPARE(p.global().pollInterval, qint16(500)); });
    QTest::newRow("timer interval 2001") << global([](GlobalSettingsCopy &g) { g.pollInterval = 2001; })
                                         << Check([](Program &p) { QCOMPARE(p.global().pollInterval, qint16(500)); });
    QTest::newRow("empty split string") << global([](GlobalSettingsCopy &g) { g.splitString.clear(); })
                                        << Check([](Program &p) { QCOMPARE(p.global().splitString, QStringLiteral(".")); });
    QTest::newRow("empty font name") << global([](GlobalSettingsCopy &g) { g.textFontName.clear(); })
                                     << Check([](Program &p) { QCOMPARE(p.global().textFontName, ProgramTexts::defaultFontName()); });
    QTest::newRow("font size 0") << global([](GlobalSettingsCopy &g) { g.textFontSize = 0; })
                                 << Check([](Program &p) { QCOMPARE(p.global().textFontSize, 9.0f); });
    QTest::newRow("font size NaN") << global([](GlobalSettingsCopy &g) { g.textFontSize = std::nanf(""); })
                                   << Check([](Program &p) { QCOMPARE(p.global().textFontSize, 9.0f); });
    QTest::newRow("font size infinite") << global([](GlobalSettingsCopy &g) { g.textFontSize = std::numeric_limits<float>::infinity(); })
                                        << Check([](Program &p) { QCOMPARE(p.global().textFontSize, 9.0f); });
    QTest::newRow("edge action 7") << global([](GlobalSettingsCopy &g) { g.rightEdgeAction = 7; })
                                   << Check([](Program &p) { QCOMPARE(p.global().rightEdgeAction, qint16(1)); });
    QTest::newRow("edge action -1") << global([](GlobalSettingsCopy &g) { g.topEdgeAction = -1; })
                                    << Check([](Program &p) { QCOMPARE(p.global().topEdgeAction, qint16(0)); });
    QTest::newRow("edge zone 0") << global([](GlobalSettingsCopy &g) { g.edgeZoneWidth = 0; })
                                 << Check([](Program &p) { QCOMPARE(p.global().edgeZoneWidth, 8); });
    QTest::newRow("edge zone 301") << global([](GlobalSettingsCopy &g) { g.edgeZoneHeight = 301; })
                                   << Check([](Program &p) { QCOMPARE(p.global().edgeZoneHeight, 8); });

    QTest::newRow("item limit -5") << Damage([](Program &p) { p.firstList().itemLimitDefault = -5; })
                                   << Check([](Program &p) { QCOMPARE(p.firstList().itemLimitDefault, qint16(32)); });
    QTest::newRow("item limit 0") << Damage([](Program &p) { p.firstList().itemLimitDefault = 0; })
                                  << Check([](Program &p) { QCOMPARE(p.firstList().itemLimitDefault, qint16(32)); });
    QTest::newRow("caption length 401") << Damage([](Program &p) { p.firstList().captionLengthDefault = 401; })
                                        << Check([](Program &p) { QCOMPARE(p.firstList().captionLengthDefault, qint16(48)); });
    QTest::newRow("caption width -1") << Damage([](Program &p) { p.firstList().captionWidthDefault = -1; })
                                      << Check([](Program &p) { QCOMPARE(p.firstList().captionWidthDefault, 192); });
    QTest::newRow("move mode 2") << Damage([](Program &p) { p.firstList().focusModeDefault = FocusMode(2); })
                                 << Check([](Program &p) { QCOMPARE(p.firstList().focusModeDefault, FocusMode::MovesAtScreenEdges); });
    QTest::newRow("list font size negative") << Damage([](Program &p) { p.firstList().fontSizeDefault = -9; })
                                             << Check([](Program &p) { QCOMPARE(p.firstList().fontSizeDefault, 9.0f); });
    QTest::newRow("list font name empty") << Damage([](Program &p) { p.firstList().fontNameDefault.clear(); })
                                          << Check([](Program &p) { QCOMPARE(p.firstList().fontNameDefault, ProgramTexts::defaultFontName()); });

    QTest::newRow("text window height 0") << Damage([](Program &p) { p.windows.text.height = 0; })
                                          << Check([](Program &p) { QCOMPARE(p.windows.text.height, 186); });
    QTest::newRow("text window width negative") << Damage([](Program &p) { p.windows.text.width = -240; })
                                                << Check([](Program &p) { QCOMPARE(p.windows.text.width, 240); });
    QTest::newRow("text box 2") << Damage([](Program &p) { p.windows.text.scrollMode = 2; })
                                << Check([](Program &p) { QCOMPARE(p.windows.text.scrollMode, 0); });
    QTest::newRow("main window state 1") << Damage([](Program &p) { p.windows.main.sizeState = MainWindowSettings::SizeState::Minimised; })
                                         << Check([](Program &p) { QCOMPARE(p.windows.main.sizeState, MainWindowSettings::SizeState::Normal); });
    QTest::newRow("main window width 0") << Damage([](Program &p) { p.windows.main.Width = 0; })
                                         << Check([](Program &p) { QCOMPARE(p.windows.main.Width, 307); });
    QTest::newRow("main window height negative") << Damage([](Program &p) { p.windows.main.Height = -1; })
                                                 << Check([](Program &p) { QCOMPARE(p.windows.main.Height, 215); });
}

void TestSettingsFile::damagedValuesTakeFactoryValues()
{
    QFETCH(Alteration, damage);
    QFETCH(Alteration, check);
    Program writer;
    writer.start({});
    fillWithOwnValues(writer);
    writer.windows.main.Left = writer.windows.main.Top = 0;
    damage(writer);

    Program reader;
    QCOMPARE(reader.start(writer.end()), SettingsFile::Found::Usable);
    check(reader);
    // Only the damaged value gave way: the rest of the file was taken.
    QCOMPARE(reader.global().addOptionsToAllLists, true);
    QCOMPARE(reader.firstList().nameDefault, QStringLiteral("ﾒﾓ～"));
    QCOMPARE(reader.windows.mini, writer.windows.mini);
    QCOMPARE(reader.windows.main.alwaysOnTop, true);
}

void TestSettingsFile::damagedStringCountFallsBack()
{
    Program writer;
    writer.start({});
    fillWithOwnValues(writer);
    QByteArray bytes = writer.end();
    const QList<qint64> ends = sectionEnds(writer);
    // The new-list defaults' first string count sits after a bool, an int16 and an int32.
    const qint64 countAt = ends[1] + 8;
    QCOMPARE(bytes.mid(countAt, 4), QByteArray(4, '\0')); // the empty lineBreakMarkDefault
    for (const QByteArray &count : {QByteArray::fromHex("ffffffff"), QByteArray::fromHex("ffffff7f"), QByteArray::fromHex("00000100")}) {
        bytes.replace(countAt, 4, count);
        Program reader;
        QCOMPARE(reader.start(bytes), SettingsFile::Found::Unusable);
        // The global section before the damage is kept; the damaged section and all after it are not.
        QCOMPARE(reader.global(), writer.global());
        QCOMPARE(reader.firstList().nameDefault, QStringLiteral("ｸﾘｯﾌﾟ"));
        QCOMPARE(reader.windows.mini, MiniWindowSettings());
        QCOMPARE(reader.windows.main.Width, 307);
    }
}

void TestSettingsFile::cutShortFileKeepsOnlyWholeSections()
{
    Program writer;
    writer.start({});
    fillWithOwnValues(writer);
    writer.windows.main.Left = writer.windows.main.Top = 0;
    const QByteArray bytes = writer.end();
    const QList<qint64> ends = sectionEnds(writer);
    QCOMPARE(ends.last(), bytes.size());

    Program factory;
    factory.start({});
    for (qint64 cut = 0; cut < bytes.size(); ++cut) {
        Program reader;
        reader.start(bytes.left(cut));
        auto whole = [&](int section) { return cut >= ends[section]; };
        const QByteArray where = "cut at " + QByteArray::number(cut);
        QVERIFY2((reader.global() == (whole(1) ? writer.global() : factory.global())), where);
        QVERIFY2((reader.defaults() == (whole(2) ? writer.defaults() : factory.defaults())), where);
        QVERIFY2((reader.windows.name == (whole(3) ? writer.windows.name : factory.windows.name)), where);
        QVERIFY2((reader.windows.text == (whole(4) ? writer.windows.text : factory.windows.text)), where);
        QVERIFY2((reader.windows.listData == (whole(5) ? writer.windows.listData : factory.windows.listData)), where);
        QVERIFY2((reader.windows.mini == (whole(6) ? writer.windows.mini : factory.windows.mini)), where);
        QVERIFY2(reader.windows.main == factory.windows.main, where);
    }
}

void TestSettingsFile::storedRectangleIsKeptOnTheDesktop()
{
    Program writer;
    writer.start({});
    writer.windows.main.Left = -50;
    writer.windows.main.Top = -20;
    Program reader;
    reader.start(writer.end());
    QCOMPARE(reader.windows.main.Left, 0);
    QCOMPARE(reader.windows.main.Top, 0);

    writer.windows.main.Left = 900;
    writer.windows.main.Top = 700;
    reader.start(writer.end());
    QCOMPARE(reader.windows.main.Left, 1024 - 307);
    QCOMPARE(reader.windows.main.Top, 768 - 215);
    QCOMPARE(reader.windows.main.Width, 307);
}

void TestSettingsFile::windowSizesAndOffsetsStayWithinTheDesktop()
{
    Program writer;
    writer.start({});
    WindowSettings &w = writer.windows;
    w.main.Width = w.main.Height = w.text.width = w.text.height = 40000;
    w.text.offsetX = w.name.offsetY = std::numeric_limits<qint32>::max();
    w.listData.offsetX = std::numeric_limits<qint32>::min();
    Program reader;
    reader.start(writer.end());
    const WindowSettings &r = reader.windows;
    QCOMPARE(QRect(r.main.Left, r.main.Top, r.main.Width, r.main.Height), Desktop);
    QCOMPARE(QRect(r.text.offsetX, r.name.offsetY, r.text.width, r.text.height), QRect(1024, 768, 1024, 768));
    QCOMPARE(r.listData.offsetX, -1024);
    // The same limits before writing.
    QBuffer written;
    written.open(QIODevice::ReadWrite);
    QVERIFY(writer.file().writeSettingsAtEnd(written, Desktop));
    QCOMPARE(written.data(), reader.end());
}

void TestSettingsFile::fitOnScreen_data()
{
    QTest::addColumn<qint32>("left");
    QTest::addColumn<qint32>("top");
    QTest::addColumn<qint32>("width");
    QTest::addColumn<qint32>("height");
    QTest::addColumn<QPoint>("placed");
    QTest::addColumn<bool>("moved");
    QTest::newRow("inside") << 100 << 100 << 307 << 215 << QPoint(100, 100) << false;
    QTest::newRow("left and top negative") << -50 << -20 << 307 << 215 << QPoint(0, 0) << true;
    QTest::newRow("touching the right and bottom edges") << 717 << 553 << 307 << 215 << QPoint(717, 553) << false;
    QTest::newRow("one past the right edge") << 718 << 100 << 307 << 215 << QPoint(717, 100) << true;
    QTest::newRow("one past the bottom edge") << 100 << 554 << 307 << 215 << QPoint(100, 553) << true;
    QTest::newRow("wider than the desktop") << 0 << 0 << 2000 << 215 << QPoint(-976, 0) << true;
    QTest::newRow("far off both ways") << -5000 << 9000 << 307 << 215 << QPoint(0, 553) << true;
    const qint32 most = std::numeric_limits<qint32>::max();
    QTest::newRow("near the 32-bit limits") << most - 10 << most << most << most << QPoint(1024 - most, 768 - most) << true;
}

void TestSettingsFile::fitOnScreen()
{
    QFETCH(qint32, left);
    QFETCH(qint32, top);
    QFETCH(qint32, width);
    QFETCH(qint32, height);
    QFETCH(QPoint, placed);
    QFETCH(bool, moved);
    QCOMPARE(WindowPlacement::fitOnScreen(left, top, width, height, Desktop), moved);
    QCOMPARE(QPoint(left, top), placed);
}

void TestSettingsFile::fitOnScreenWithoutDesktop()
{
    // With no desktop to measure, a window is not thrown out of sight.
    qint32 left = 40, top = -3;
    QVERIFY(WindowPlacement::fitOnScreen(left, top, 307, 215, QRect()));
    QCOMPARE(QPoint(left, top), QPoint(40, 0));
    const WindowPlacement::DesktopEdges edges = WindowPlacement::desktopSize(QRect());
    QCOMPARE(edges.right, 0);
    QCOMPARE(edges.bottom, 0);
    QCOMPARE(WindowPlacement::desktopSize(Desktop).right, 1024);
    QCOMPARE(WindowPlacement::desktopSize(Desktop).bottom, 768);
}

void TestSettingsFile::endedReportsAFileThatCannotBeWritten()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    Program p;
    p.start({});
    SettingsFile file = p.file();
    SettingsFile::Found nothing = SettingsFile::Found::Nothing;
    QVERIFY(!file.writeSettingsAtEnd(dir.filePath(QStringLiteral("gone/QKPRUtil.dat")), nothing));
    QVERIFY(!file.errorString().isEmpty());
}

void TestSettingsFile::location()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QCOMPARE(SettingsFile::location(dir.path()), QDir(dir.path()).filePath(QStringLiteral("QKPRUtil.dat")));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList()); // the probe is gone

    // A program folder where no file can be made (here: a path below a plain file).
    const QString plainFile = dir.filePath(QStringLiteral("plain"));
    {
        QFile f(plainFile);
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
    const QString config = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QCOMPARE(SettingsFile::location(plainFile + QStringLiteral("/bin")), QDir(config).filePath(QStringLiteral("QKPRUtil.dat")));
    QVERIFY(QFileInfo(config).isDir());
}

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "tst_settingsfile.moc"
