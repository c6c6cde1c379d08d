// SPDX-License-Identifier: GPL-3.0-or-later
// The files this program writes keep their exact bytes from release to release: the same actions
// write the same settings file and the same clip-list file as the files kept in tests/data, which
// an earlier build wrote.
#include "model/NewListDefaults.h"
#include "model/GlobalSettings.h"
#include "storage/ClipListFile.h"
#include "storage/SettingsFile.h"
#include "storage/WindowSettings.h"

#include <QBuffer>
#include <QFile>
#include <QtTest>

namespace {

QByteArray golden(const char *name)
{
    QFile file(QStringLiteral(QK_TEST_DATA_DIR "/") + QLatin1String(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestStoredBytes : public QObject {
    Q_OBJECT
private slots:
    void settingsFile();
    void clipListFile();
};

void TestStoredBytes::settingsFile()
{
    // Factory values, then one own value in every section.
    GlobalSettings settings;
    NewListDefaults defaults;
    settings.setFactoryValues();
    defaults.setFactoryValues();
    WindowSettings windows;
    windows.main.setFactory(QRect(0, 0, 1024, 768));
    settings.pollInterval = 1500;
    settings.splitString = QStringLiteral("、");
    settings.richText = true;
    settings.textFontName = QStringLiteral("Noto Sans CJK JP");
    settings.textFontSize = 10.5f;
    settings.edgeZoneWidth = 12;
    settings.setToolbarOpensOnHover(true);
    defaults.itemLimitDefault = 100;
    defaults.nameDefault = QStringLiteral("メモ");
    defaults.fontSizeDefault = 12;
    defaults.backColourDefault = 0x123456;
    defaults.focusModeDefault = FocusMode::Stays;
    windows.name.offsetX = 7;
    windows.text.width = 333;
    windows.listData.offsetY = -4;
    windows.mini.restoreX = 640;
    windows.main.capturing = false;
    QBuffer written;
    written.open(QIODevice::ReadWrite);
    QVERIFY(SettingsFile(settings, defaults, windows).writeSettingsAtEnd(written));
    QCOMPARE(written.data().toHex(' '), golden("settings-golden.dat").toHex(' '));
}

void TestStoredBytes::clipListFile()
{
    // Every stored option away from its default, a named item and texts that code page 932
    // cannot hold.
    ClipListContent content;
    ClipListOptions &o = content.options;
    o.captionLength = 40;
    o.itemLimit = 500;
    o.heightShare = 0.25f;
    o.fontSize = 11;
    o.addAtFocus = true;
    o.addAtBottom = true;
    o.focusMode = FocusMode::Stays;
    o.backColour = 0x00FFEEDD;
    o.textColour = Colour(0x80000008);
    o.focusedBackColour = 0x00FFFFFF;
    o.focusedTextColour = 0x00102030;
    o.name = QStringLiteral("ｸﾘｯﾌﾟ é");
    o.lineBreakMark = QStringLiteral("⏎");
    o.fileName = QStringLiteral("/tmp/golden.qkp");
    o.fontName = QStringLiteral("ＭＳ Ｐゴシック");
    content.items = {{QStringLiteral("first\r\nline"), QString()},
                     {QStringLiteral("二番目 ～ ＼"), QStringLiteral("named")},
                     {QStringLiteral("emoji 😀 and ¥"), QString()}};
    QBuffer written;
    written.open(QIODevice::ReadWrite);
    QVERIFY(ClipListFile::write(written, content));
    QCOMPARE(written.data().toHex(' '), golden("cliplist-golden.qkp").toHex(' '));
}

QTEST_GUILESS_MAIN(TestStoredBytes)
#include "tst_storedbytes.moc"
