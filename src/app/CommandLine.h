// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/RemoteMessage.h"

#include <QStringList>

#include <optional>

// The program's command line. Read before any window exists, so that --help, --version and a
// mistyped option are answered without a display.
class CommandLine {
public:
    CommandLine(int argc, char *argv[]);

    // Set when the run ends here: the answer has been printed and this is the exit code.
    std::optional<int> exitCode() const { return m_exitCode; }
    // The clip-list files to open.
    QStringList files() const { return m_files; }
    // A command for the running program (--add, --list, ...), checked; the text of "--add -" read.
    std::optional<RemoteRequest> request() const { return m_request; }

private:
    std::optional<int> m_exitCode;
    QStringList m_files;
    std::optional<RemoteRequest> m_request;
};
