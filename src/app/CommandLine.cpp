// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandLine.h"

#include "model/ProgramVersion.h"

#include <QCommandLineParser>
#include <QCoreApplication>

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
                          "引数:\n"
                          "  ﾌｧｲﾙ           開くｸﾘｯﾌﾟﾘｽﾄﾌｧｲﾙ (.qkp)\n")
        .arg(ProgramVersion::fileDescription());
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
        m_files = parser.positionalArguments();
    }
}
