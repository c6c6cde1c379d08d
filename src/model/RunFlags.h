// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The run's flags, shared by the few objects that set or read them. The capture switch is the
// clipboard watcher's own.
struct RunFlags {
    // Set by the end sequence.
    bool ending = false;
};
