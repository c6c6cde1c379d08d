// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

// Keeps a top-level window above all others (or stops doing so) through the window system,
// leaving it shown where it is.
void setStaysOnTop(QWidget &window, bool onTop);
