// SPDX-License-Identifier: GPL-3.0-or-later
// The program's entry.
#include "app/CommandLine.h"
#include "app/ProgramRoot.h"
#include "app/QtSeams.h"
#include "app/RemoteCommands.h"
#include "mainwindow/MainWindow.h"
#include "platform/FontSetup.h"
#include "platform/ProgramFolders.h"
#include "platform/ProgramPictures.h"
#include "platform/SingleInstance.h"
#include "platform/TerminationSignals.h"
#include "storage/ExtraSettingsFile.h"
#include "storage/HistoryDatabase.h"
#include "storage/SettingsFile.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <cstdio>

namespace {
// A command for the running program: its answer printed, and the code to exit with. Nothing when
// no program runs and the command is --show, which then starts one.
std::optional<int> sendToRunningProgram(int argc, char *argv[], const RemoteRequest &request)
{
    const QCoreApplication core(argc, argv);
    const std::optional<RemoteReply> reply = SingleInstance::send(request);
    if (!reply && request.command == QLatin1String("show"))
        return std::nullopt;
    if (!reply) {
        std::fputs(qPrintable(QStringLiteral("quillkeeper: 実行中の QuillKeeper がありません。\n")), stderr);
        return RemoteReply::NotRunning;
    }
    std::fwrite(reply->output.constData(), 1, size_t(reply->output.size()), stdout);
    std::fflush(stdout);
    if (!reply->error.isEmpty())
        std::fputs(qPrintable(QStringLiteral("quillkeeper: %1\n").arg(reply->error)), stderr);
    return reply->exitCode;
}

// Watching the clipboard in the background and placing windows need X11; under a Wayland
// session XWayland provides it, unless the user picked a platform.
void preferX11UnderWayland()
{
    if (qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        return;
    const bool wayland = qEnvironmentVariable("XDG_SESSION_TYPE") == QLatin1String("wayland")
                         || qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
    if (wayland && qEnvironmentVariableIsSet("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
}
} // namespace

int main(int argc, char *argv[])
{
    const CommandLine commandLine(argc, argv);
    if (commandLine.exitCode())
        return *commandLine.exitCode();
    if (const std::optional<RemoteRequest> request = commandLine.request()) {
        if (const std::optional<int> exitCode = sendToRunningProgram(argc, argv, *request))
            return *exitCode;
    }
    preferX11UnderWayland();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("QuillKeeper"));
    QApplication::setOrganizationName(QStringLiteral("QuillKeeper"));
    QApplication::setWindowIcon(ProgramPictures::programIcon());
    FontSetup::mapStoredFontNames();

    const QStringList files = commandLine.files();
    SingleInstance instance;
    if (!instance.claim(files))
        return 0;

    QtSeams seams;
    ProgramRoot root(seams.seams());
    MainWindow &window = root.window();
    const ProgramFolders folders(QCoreApplication::applicationDirPath());
    const QString settingsPath = SettingsFile::location(folders.settingsFolder());
    window.setSettingsPath(settingsPath);
    // The history lies beside the settings when the program keeps them beside itself, and in the
    // per-user data folder otherwise.
    const QString settingsFolder = QFileInfo(settingsPath).absolutePath();
    const bool besideProgram = settingsFolder == QDir(QCoreApplication::applicationDirPath()).absolutePath();
    const QString historyFolder =
        besideProgram ? settingsFolder : QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    window.startUp(files, root.openHistory(QDir(settingsFolder).filePath(ExtraSettingsFile::fileName()),
                                            QDir(historyFolder).filePath(HistoryDatabase::fileName())));
    window.show();
    root.grabHotkey();
    QObject::connect(&instance, &SingleInstance::filesHanded, &window,
                     [&root](const QStringList &handed) { root.openHandedFiles(handed); });
    instance.setAnswer([&root](const RemoteRequest &request) { return root.remoteCommands().answer(request); });
    // A logout, a service manager or Ctrl+C ends the program through its end sequence, which then
    // shows no box: nobody would answer it. One that comes while the end sequence waits on a box
    // (the settings could not be written) ends it at once.
    TerminationSignals termination;
    bool ending = false;
    QObject::connect(&window, &MainWindow::ending, &window, [&ending] { ending = true; });
    QObject::connect(&termination, &TerminationSignals::terminationRequested, &window, [&window, &ending, &seams] {
        seams.messages.setUnattended();
        if (ending)
            QCoreApplication::exit();
        else
            window.close();
    });
    return app.exec();
}
