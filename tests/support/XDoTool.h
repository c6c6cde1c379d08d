// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QPoint>
#include <QStringList>

// The pointer and keyboard of the X server, driven by xdotool from a test whose own windows must
// keep answering meanwhile: the event loop runs until the tool has finished.
namespace XDoTool {
bool run(const QStringList &arguments);
// Moves the pointer and waits until it is there.
bool pointTo(const QPoint &global);
bool clickAt(const QPoint &global, int button = 1);
// Presses the left button at the first point, moves through the others a few pixels at a time
// and releases at the last, as a hand does.
bool drag(const QList<QPoint> &path);
}
