// The files this program writes keep their exact bytes from release to release: the same actions
// write the same settings file and the same clip-list file as the files kept in tests/data, which
// an earlier build wrote.
#include "model/UtilityFirstList.h"
#include "model/UtilityGrobal.h"
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
    UtilityGrobal settings;
    UtilityFirstList defaults;
    settings.SetGrobalFactory();
    defaults.SetFirstFactory();
    WindowSettings windows;
    windows.main.setFactory(QRect(0, 0, 1024, 768));
    settings.TimerInterval = 1500;
    settings.LetterIm = QStringLiteral("、");
    settings.HTMLReco = true;
    settings.TextFName = QStringLiteral("Noto Sans CJK JP");
    settings.TextFSize = 10.5f;
    settings.HowAddMoveHIval = 12;
    settings.setToolOvOrCk(true);
    defaults.UpperCountDef = 100;
    defaults.loNameDef = QStringLiteral("メモ");
    defaults.FontSizeDef = 12;
    defaults.BackClrDef = 0x123456;
    defaults.MovAddDef = 1;
    windows.name.NowPosX = 7;
    windows.text.nowPosW = 333;
    windows.listData.NowPosY = -4;
    windows.mini.RestPosX = 640;
    windows.main.StopGo = false;
    QBuffer written;
    written.open(QIODevice::ReadWrite);
    QVERIFY(SettingsFile(settings, defaults, windows).Ended(written));
    QCOMPARE(written.data().toHex(' '), golden("settings-golden.dat").toHex(' '));
}

void TestStoredBytes::clipListFile()
{
    // Every stored option away from its default, a named item and texts that code page 932
    // cannot hold.
    ClipListContent content;
    ClipListOptions &o = content.options;
    o.ioSLength = 40;
    o.UpperCount = 500;
    o.Hper = 0.25f;
    o.FontSize = 11;
    o.PosAdd = true;
    o.WayAdd = true;
    o.MovAdd = 1;
    o.BackClr = 0x00FFEEDD;
    o.ForeClr = Colour(0x80000008);
    o.BackClrFcs = 0x00FFFFFF;
    o.ForeClrFcs = 0x00102030;
    o.loName = QStringLiteral("ｸﾘｯﾌﾟ é");
    o.ReturnLetter = QStringLiteral("⏎");
    o.fiName = QStringLiteral("/tmp/golden.qkp");
    o.FontName = QStringLiteral("ＭＳ Ｐゴシック");
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
