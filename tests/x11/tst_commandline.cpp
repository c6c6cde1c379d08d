// SPDX-License-Identifier: GPL-3.0-or-later
// The real program opens the clip-list files named on its command line: the rows it shows are
// read back by clicking them, which puts each row's text on the clipboard for xclip to read.
#include "X11Program.h"
#include "model/ProgramVersion.h"
#include "storage/ClipListFile.h"

#include <QtTest>

namespace {
ClipListContent listOf(const QStringList &texts)
{
    ClipListContent content;
    ClipListOptions &o = content.options;
    o.captionLength = 48;
    o.itemLimit = 32;
    o.heightShare = -1;
    o.fontSize = 9;
    o.backColour = 0xE0E0E0;
    o.textColour = Colour(0x80000008u);
    o.focusedBackColour = 0xFFFFFF;
    o.focusedTextColour = Colour(0x80000008u);
    o.name = QStringLiteral("from the command line");
    o.lineBreakMark = QStringLiteral("  ");
    o.fontName = QStringLiteral("ＭＳ Ｐゴシック");
    for (const QString &t : texts)
        content.items.push_back(ClipItem{t, QString()});
    return content;
}
} // namespace

class TestCommandLine : public QObject {
    Q_OBJECT
private slots:
    void fileOnTheCommandLineFillsTheList();
    void helpVersionAndMistakesNeedNoDisplay();
    void commandsReachTheRunningProgram();
    void mainWindowPicture();
};

void TestCommandLine::fileOnTheCommandLineFillsTheList()
{
    X11Program program;
    // A name with a space: the platform hands it over as one argument.
    const QString file = program.folder() + QStringLiteral("/my clips.qkp");
    QVERIFY(ClipListFile::write(file, listOf({"oldest item", "middle item", "新しい項目"})));
    QVERIFY(program.start({file}));
    const QString id = program.waitForWindow(QStringLiteral("Arlen.T.K. QuillKeeper"));
    QVERIFY(!id.isEmpty());
    QTRY_VERIFY(program.geometry(id).height() > 100);
    const QRect g = program.geometry(id);

    // Click down the list from below the menu bar and collect what each click copies.
    QStringList copied;
    for (int y = g.top() + 30; y < g.bottom() - 5 && copied.size() < 3; y += 4) {
        X11Program::run(QStringLiteral("xdotool"), {QStringLiteral("mousemove"), QString::number(g.left() + 40),
                                                    QString::number(y), QStringLiteral("click"), QStringLiteral("1")});
        const QString text = X11Program::run(QStringLiteral("xclip"),
                                              {QStringLiteral("-o"), QStringLiteral("-selection"), QStringLiteral("clipboard")},
                                              3000);
        if (!text.isEmpty() && (copied.isEmpty() || copied.last() != text))
            copied << text;
    }
    // New items go on top: the last item of the file is the first row.
    QCOMPARE(copied, (QStringList{"新しい項目", "middle item", "oldest item"}));
    QCOMPARE(program.closeAndWait(id), 0);
}

void TestCommandLine::helpVersionAndMistakesNeedNoDisplay()
{
    // The exit code, then what the program printed.
    const auto run = [](const QString &argument) {
        QProcess process;
        process.start(QStringLiteral("env"), {QStringLiteral("-u"), QStringLiteral("DISPLAY"), qEnvironmentVariable("QK_PROGRAM"), argument});
        process.waitForFinished(10000);
        return QByteArray::number(process.exitCode()) + ' ' + process.readAllStandardOutput() + process.readAllStandardError();
    };
    // In one language: none of Qt's English words.
    const QByteArray help = run(QStringLiteral("--help"));
    QVERIFY2(help.startsWith("0 使い方: quillkeeper [ｵﾌﾟｼｮﾝ] [ﾌｧｲﾙ...]\n") && !help.contains("Displays"), help);
    QCOMPARE(run(QStringLiteral("-h")), help);
    QCOMPARE(run(QStringLiteral("--version")), "0 QuillKeeper " + ProgramVersion::text().toUtf8() + '\n');
    QCOMPARE(run(QStringLiteral("-v")), run(QStringLiteral("--version")));
    const QByteArray hint = "\n「quillkeeper --help」で使い方を表示します。\n";
    QCOMPARE(run(QStringLiteral("--no-such-option")), "2 quillkeeper: 「--no-such-option」というｵﾌﾟｼｮﾝはありません。" + hint);
    QCOMPARE(run(QStringLiteral("--platform")), "2 quillkeeper: ｵﾌﾟｼｮﾝ「--platform」の後に値がありません。" + hint);
}

void TestCommandLine::commandsReachTheRunningProgram()
{
    // The exit code, then what the later start printed.
    const auto run = [](const QStringList &arguments, const QByteArray &input = {}) {
        QProcess process;
        process.start(qEnvironmentVariable("QK_PROGRAM"), arguments);
        process.write(input);
        process.closeWriteChannel();
        process.waitForFinished(10000);
        return QByteArray::number(process.exitCode()) + ' ' + process.readAllStandardOutput() + process.readAllStandardError();
    };
    QCOMPARE(run({QStringLiteral("--count")}), "1 quillkeeper: 実行中の QuillKeeper がありません。\n");

    X11Program program;
    QVERIFY(program.start());
    const QString title = QStringLiteral("Arlen.T.K. QuillKeeper");
    QVERIFY(!program.waitForWindow(title).isEmpty());
    // Whatever an earlier test left on the clipboard is not taken meanwhile.
    QCOMPARE(run({QStringLiteral("--capture"), QStringLiteral("off")}), "0 ");
    const int before = run({QStringLiteral("--count")}).mid(2).trimmed().toInt();
    QCOMPARE(run({QStringLiteral("--add"), QStringLiteral("first")}), "0 ");
    QCOMPARE(run({QStringLiteral("--add"), QStringLiteral("-")}, "二行の\r\nﾃｷｽﾄ"), "0 ");
    QCOMPARE(run({QStringLiteral("--count")}), "0 " + QByteArray::number(before + 2) + '\n');
    // New items go on top: the newest two rows, then the newest one.
    QCOMPARE(run({QStringLiteral("--list"), QStringLiteral("2")}), "0 0\t二行の\\nﾃｷｽﾄ\n1\tfirst\n");
    QCOMPARE(run({QStringLiteral("--list"), QStringLiteral("1")}), "0 0\t二行の\\nﾃｷｽﾄ\n");
    QCOMPARE(run({QStringLiteral("--read"), QStringLiteral("0")}), "0 二行の\r\nﾃｷｽﾄ");
    const QByteArray past = QByteArray::number(before + 2);
    QCOMPARE(run({QStringLiteral("--read"), QString::fromLatin1(past)}), "3 quillkeeper: 行 " + past + " はありません。\n");
    QVERIFY(run({QStringLiteral("--read"), QStringLiteral("x")}).startsWith("2 quillkeeper: "));

    // Hidden, then brought up as the hotkey does.
    const auto shown = [&] {
        return !X11Program::run(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                                          QStringLiteral("--pid"), QString::number(program.process().processId()),
                                                          QStringLiteral("--name"), QStringLiteral("QuillKeeper$")})
                    .isEmpty();
    };
    QCOMPARE(run({QStringLiteral("--hide")}), "0 ");
    QTRY_VERIFY(!shown());
    QCOMPARE(run({QStringLiteral("--pick")}), "0 ");
    QTRY_VERIFY(shown());
    QCOMPARE(program.closeAndWait(program.waitForWindow(title)), 0);
}

// The README's picture of the main window, saved into the folder $QK_SHOTS when it is set.
void TestCommandLine::mainWindowPicture()
{
    X11Program program;
    const QString memo = program.folder() + QStringLiteral("/memo.qkp"), code = program.folder() + QStringLiteral("/code.qkp");
    QVERIFY(ClipListFile::write(memo, listOf({"https://quillkeeper.example.org/", "お世話になっております。",
                                              "会議は午後3時から第2会議室で行います。", "見積書_2026年12月.pdf"})));
    QVERIFY(ClipListFile::write(code, listOf({"git log --oneline", "SELECT name FROM lists;", "std::vector<int> values;"})));
    QVERIFY(program.start({memo, code}));
    const QString id = program.waitForWindow(QStringLiteral("Arlen.T.K. QuillKeeper"));
    X11Program::run(QStringLiteral("xdotool"), {QStringLiteral("windowsize"), id, QStringLiteral("440"), QStringLiteral("300")});
    QTRY_COMPARE(program.geometry(id).size(), QSize(440, 300));
    const QString path = QDir(qEnvironmentVariable("QK_SHOTS", program.folder())).absoluteFilePath(QStringLiteral("main-window.png"));
    // Once painted, the window is more than its background.
    QImage picture;
    QTRY_VERIFY((X11Program::run(QStringLiteral("import"), {QStringLiteral("-window"), id, path}, 20000),
                 picture.load(path) && picture.convertToFormat(QImage::Format_Indexed8).colorCount() > 16));
    QCOMPARE(picture.size(), QSize(440, 300));
    QCOMPARE(program.closeAndWait(id), 0);
}

QTEST_MAIN(TestCommandLine)
#include "tst_commandline.moc"
