// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProcess>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// Runs the real program on the X server of the test, from a copy in a temporary folder so that
// its settings file never lands in the build tree, and talks to it with the X tools.
class X11Program {
public:
    X11Program();
    ~X11Program();

    bool start(const QStringList &arguments = {});
    // The program's main window id, once it is mapped.
    QString waitForWindow(const QString &title, int timeoutMs = 10000);
    // Outer geometry of a window: the window itself, or with a window manager its frame.
    QRect geometry(const QString &windowId) const;
    QString windowName(const QString &windowId) const;
    // Saves a picture of the whole screen.
    bool screenshot(const QString &path) const;
    // Ends the program with Ctrl+Q in its window and waits for the exit code (-1: it did not end).
    int closeAndWait(const QString &windowId, int timeoutMs = 10000);

    QString folder() const { return m_dir.path(); }
    // A window manager runs on the display (the test runs under scripts/with-openbox.sh).
    static bool underWindowManager() { return qEnvironmentVariableIsSet("QK_WINDOW_MANAGER"); }
    QProcess &process() { return m_process; }

    // Runs a command and returns its standard output.
    static QString run(const QString &program, const QStringList &arguments, int timeoutMs = 10000);

private:
    QTemporaryDir m_dir;
    QProcess m_process;
};
