// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The run's two flags, shared by the few objects that set or read them.
struct RunFlags {
    // Mirrors the capture switch.
    bool capturing = false;
    // Set by the end sequence.
    bool ending = false;
};
