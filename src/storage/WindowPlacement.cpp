// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/WindowPlacement.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace WindowPlacement {

namespace {
qint32 clampToInt32(qint64 value)
{
    return qint32(std::clamp<qint64>(value, std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max()));
}
} // namespace

DesktopEdges desktopSize(const QRect &desktop)
{
    if (desktop.isEmpty())
        return {};
    return {clampToInt32(qint64(desktop.x()) + desktop.width()), clampToInt32(qint64(desktop.y()) + desktop.height())};
}

bool fitOnScreen(qint32 &left, qint32 &top, qint32 width, qint32 height, const QRect &desktop)
{
    bool moved = false;
    const qint32 desktopLeft = desktop.isEmpty() ? 0 : desktop.x();
    const qint32 desktopTop = desktop.isEmpty() ? 0 : desktop.y();
    if (left < desktopLeft) {
        left = desktopLeft;
        moved = true;
    }
    if (top < desktopTop) {
        top = desktopTop;
        moved = true;
    }
    if (desktop.isEmpty())
        return moved;
    // 64-bit sums: a damaged settings file may hold positions and sizes near the 32-bit limits.
    const DesktopEdges edges = desktopSize(desktop);
    if (qint64(left) + width > edges.right) {
        left = clampToInt32(qint64(edges.right) - width);
        moved = true;
    }
    if (qint64(top) + height > edges.bottom) {
        top = clampToInt32(qint64(edges.bottom) - height);
        moved = true;
    }
    return moved;
}

void fitSize(qint32 &width, qint32 &height, const QRect &desktop)
{
    if (desktop.isEmpty())
        return;
    width = std::min(width, desktop.width());
    height = std::min(height, desktop.height());
}

void fitOffset(qint32 &x, qint32 &y, const QRect &desktop)
{
    if (desktop.isEmpty())
        return;
    x = std::clamp(x, -desktop.width(), desktop.width());
    y = std::clamp(y, -desktop.height(), desktop.height());
}

QPoint centredOnDesktop(qint32 width, qint32 height, const QRect &desktop)
{
    const double left = desktop.x() + std::nearbyint((double(desktop.width()) - width) / 2.0);
    const double top = desktop.y() + std::nearbyint((double(desktop.height()) - height) / 2.0);
    return {clampToInt32(qint64(left)), clampToInt32(qint64(top))};
}

} // namespace WindowPlacement
