// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandLine.h"

#include "model/ProgramVersion.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>

#include <cstdio>

namespace {
// Options Qt's GUI takes for itself; they are not files and not mistakes.
const char *const qtOptionsWithValue[] = {"platform", "platformpluginpath", "platformtheme", "display", "geometry",
                                          "qwindowgeometry", "qwindowicon", "qwindowtitle", "style", "stylesheet",
                                          "session", "name", "title", "plugin"};
const char *const qtSwitches[] = {"reverse", "nograb", "dograb", "sync", "widgetcount"};

void print(FILE *stream, const QString &text)
{
    std::fputs(qPrintable(text), stream);
    std::fflush(stream);
}

bool takesValue(QStringView name)
{
    for (const char *option : qtOptionsWithValue) {
        if (name == QLatin1String(option))
            return true;
    }
    return false;
}

// Qt's parser words its mistakes and its help in English: the program says them in its own language.
QString mistake(const QCommandLineParser &parser, const QStringList &arguments)
{
    if (!parser.unknownOptionNames().isEmpty()) {
        const QString name = parser.unknownOptionNames().constFirst();
        return QStringLiteral("「%1%2」というｵﾌﾟｼｮﾝはありません。").arg(name.size() == 1 ? u"-" : u"--", name);
    }
    // Otherwise a value is missing after the last option, or one was given to an option that takes none.
    for (const QString &argument : arguments.mid(1)) {
        const QString option = argument.section(QLatin1Char('='), 0, 0);
        if (argument.startsWith(QLatin1Char('-')) && argument.contains(QLatin1Char('='))
            && !takesValue(QStringView(option).sliced(option.startsWith(QLatin1String("--")) ? 2 : 1)))
            return QStringLiteral("ｵﾌﾟｼｮﾝ「%1」は値をとりません。").arg(option);
    }
    return QStringLiteral("ｵﾌﾟｼｮﾝ「%1」の後に値がありません。").arg(arguments.constLast());
}

QString helpText()
{
    return QStringLiteral("使い方: quillkeeper [ｵﾌﾟｼｮﾝ] [ﾌｧｲﾙ...]\n"
                          "%1\n\n"
                          "ｵﾌﾟｼｮﾝ:\n"
                          "  -h, --help     この使い方を表示します\n"
                          "  -v, --version  ﾊﾞｰｼﾞｮﾝを表示します\n"
                          "  Qt のｵﾌﾟｼｮﾝ (-platform xcb など) も使えます\n\n"
                          "実行中の QuillKeeper へのｺﾏﾝﾄﾞ (一度に一つ):\n"
                          "  --add ﾃｷｽﾄ     ﾌｫｰｶｽのあるﾘｽﾄに項目を追加します (- で標準入力から)\n"
                          "  --list [N]     新しい N 行 (既定 10) を「行番号<TAB>ﾃｷｽﾄ」で表示します\n"
                          "                 (行番号は 0 から、改行は \\n と表示)\n"
                          "  --read 行      その行の項目のﾃｷｽﾄをそのまま表示します\n"
                          "  --count        項目の数を表示します\n"
                          "  --pick         ﾎｯﾄｷｰと同じく、ﾘｽﾄから選べるようにします\n"
                          "  --show, --hide, --toggle\n"
                          "                 ｳｨﾝﾄﾞｳを表示する/隠す/切り替えます (--show は起動もします)\n"
                          "  --capture on|off|toggle\n"
                          "                 ｸﾘｯﾌﾟﾎﾞｰﾄﾞの記録を開始/停止/切り替えます\n\n"
                          "引数:\n"
                          "  ﾌｧｲﾙ           開くｸﾘｯﾌﾟﾘｽﾄﾌｧｲﾙ (.qkp)\n\n"
                          "終了ｺｰﾄﾞ: 0 完了, 1 実行中のﾌﾟﾛｸﾞﾗﾑがない, 2 使い方の誤り, 3 拒否された\n")
        .arg(ProgramVersion::fileDescription());
}

// Checks a command's arguments; nothing with the mistake in `why` when they are wrong.
std::optional<RemoteRequest> commandOf(const QCommandLineParser &parser, const QStringList &names, QString &why)
{
    QStringList given;
    for (const QString &name : names) {
        if (parser.isSet(name))
            given << name;
    }
    if (given.isEmpty())
        return std::nullopt;
    RemoteRequest request{given.constFirst(), {}};
    const QStringList rest = parser.positionalArguments();
    if (given.size() > 1) {
        why = QStringLiteral("ｺﾏﾝﾄﾞは一度に一つです: --%1 と --%2").arg(given[0], given[1]);
    } else if (request.command == QLatin1String("list")) {
        request.arguments = rest;
        if (rest.size() > 1 || (rest.size() == 1 && rowNumberOf(rest.constFirst()) < 0))
            why = QStringLiteral("--list の後には行の数を一つだけ指定します。");
    } else if (!rest.isEmpty()) {
        why = QStringLiteral("ｺﾏﾝﾄﾞとﾌｧｲﾙは一緒に指定できません。");
    } else if (request.command == QLatin1String("add") || request.command == QLatin1String("read")
               || request.command == QLatin1String("capture")) {
        request.arguments = {parser.value(request.command)};
        const QString &value = request.arguments.constFirst();
        if (request.command == QLatin1String("read") && rowNumberOf(value) < 0)
            why = QStringLiteral("--read の後には 0 以上の行番号を指定します。");
        if (request.command == QLatin1String("capture") && value != QLatin1String("on") && value != QLatin1String("off")
            && value != QLatin1String("toggle"))
            why = QStringLiteral("--capture の後には on, off, toggle のどれかを指定します。");
    }
    if (!why.isEmpty())
        return std::nullopt;
    return request;
}

// "--add -": the text comes from standard input, as UTF-8.
std::optional<QString> standardInput()
{
    QFile in;
    if (!in.open(stdin, QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = in.read(RemoteMessage::MaxSize / 2 + 1);
    if (bytes.size() > RemoteMessage::MaxSize / 2)
        return std::nullopt;
    return QString::fromUtf8(bytes);
}
} // namespace

CommandLine::CommandLine(int argc, char *argv[])
{
    // A core application only: it needs no display.
    const QCoreApplication core(argc, argv);

    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    parser.addOptions({help, version});
    // Commands for the running program.
    const QStringList withValue = {QStringLiteral("add"), QStringLiteral("read"), QStringLiteral("capture")};
    const QStringList switches = {QStringLiteral("list"), QStringLiteral("count"), QStringLiteral("pick"),
                                  QStringLiteral("show"), QStringLiteral("hide"), QStringLiteral("toggle")};
    for (const QString &name : withValue)
        parser.addOption(QCommandLineOption(name, QString(), QStringLiteral("value")));
    for (const QString &name : switches)
        parser.addOption(QCommandLineOption(name));
    for (const char *name : qtOptionsWithValue)
        parser.addOption(QCommandLineOption(QString::fromLatin1(name), QString(), QStringLiteral("value")));
    for (const char *name : qtSwitches)
        parser.addOption(QCommandLineOption(QString::fromLatin1(name)));

    if (!parser.parse(QCoreApplication::arguments())) {
        print(stderr, QStringLiteral("quillkeeper: %1\n「quillkeeper --help」で使い方を表示します。\n")
                          .arg(mistake(parser, QCoreApplication::arguments())));
        m_exitCode = 2;
    } else if (parser.isSet(help)) {
        print(stdout, helpText());
        m_exitCode = 0;
    } else if (parser.isSet(version)) {
        print(stdout, QStringLiteral("QuillKeeper %1\n").arg(ProgramVersion::text()));
        m_exitCode = 0;
    } else {
        QString why;
        m_request = commandOf(parser, withValue + switches, why);
        if (!why.isEmpty()) {
            print(stderr, QStringLiteral("quillkeeper: %1\n「quillkeeper --help」で使い方を表示します。\n").arg(why));
            m_exitCode = 2;
        } else if (m_request && m_request->command == QLatin1String("add") && m_request->arguments.constFirst() == QLatin1String("-")) {
            const std::optional<QString> text = standardInput();
            if (!text) {
                print(stderr, QStringLiteral("quillkeeper: 標準入力を読めないか、大きすぎます。\n"));
                m_exitCode = 3;
            } else {
                m_request->arguments = {*text};
            }
        } else if (!m_request) {
            m_files = parser.positionalArguments();
        }
    }
}
