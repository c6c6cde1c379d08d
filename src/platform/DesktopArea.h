// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>

// The desktop the program keeps its windows on and watches the pointer's edges of: every screen
// together (their union), so a second screen beside the first counts as desktop and no band lies
// between two screens. Empty while there is no screen.
namespace DesktopArea {
QRect rect();
}
