// SPDX-License-Identifier: GPL-3.0-or-later
// What the raw-xcb helper programs share: the program's own few X calls (atoms by name, the
// answer to a selection request), and report lines a test reads.
#pragma once

#include "platform/x11/XcbCalls.h"

#include <cstdio>
#include <string>

using XcbCalls::intern;
using XcbCalls::notify;

// One line on standard output, at once: the test waits for it.
inline void report(const std::string &line)
{
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

