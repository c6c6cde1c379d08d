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
} // namespace

CommandLine::CommandLine(int argc, char *argv[])
{
    // A core application only: it needs no display.
    const QCoreApplication core(argc, argv);
    QCoreApplication::setApplicationVersion(ProgramVersion::text());

    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(ProgramVersion::fileDescription());
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    for (const char *name : qtOptionsWithValue) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char *name : qtSwitches) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    parser.addPositionalArgument(QStringLiteral("files"), QStringLiteral("開くｸﾘｯﾌﾟﾘｽﾄﾌｧｲﾙ (.qkp)"),
                                 QStringLiteral("[files...]"));

    if (!parser.parse(QCoreApplication::arguments())) {
        print(stderr, QStringLiteral("quillkeeper: %1\n「quillkeeper --help」で使い方を表示します。\n").arg(parser.errorText()));
        m_exitCode = 2;
    } else if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        print(stdout, parser.helpText());
        m_exitCode = 0;
    } else if (parser.isSet(version)) {
        print(stdout, QStringLiteral("QuillKeeper %1\n").arg(ProgramVersion::text()));
        m_exitCode = 0;
    } else {
        m_files = parser.positionalArguments();
    }
}
