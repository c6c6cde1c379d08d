// SPDX-License-Identifier: GPL-3.0-or-later
#include "XDoTool.h"

#include <QCursor>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>
#include <algorithm>

namespace XDoTool {

bool run(const QStringList &arguments)
{
    QProcess tool;
    QSignalSpy finished(&tool, &QProcess::finished);
    tool.start(QStringLiteral("xdotool"), arguments);
    if (!tool.waitForStarted() || !finished.wait(10000)) {
        tool.kill();
        tool.waitForFinished();
        return false;
    }
    return tool.exitCode() == 0;
}

bool pointTo(const QPoint &global)
{
    // xdotool would wait for ever for a move to where the pointer already is.
    if (QCursor::pos() == global)
        return true;
    return run({QStringLiteral("mousemove"), QStringLiteral("--sync"), QString::number(global.x()),
                QString::number(global.y())});
}

bool clickAt(const QPoint &global, int button)
{
    return pointTo(global) && run({QStringLiteral("click"), QString::number(button)});
}

bool drag(const QList<QPoint> &path)
{
    const auto moveTo = [](QPoint to) {
        const bool moved = pointTo(to);
        QTest::qWait(30);
        return moved && QCursor::pos() == to;
    };
    if (path.isEmpty() || !moveTo(path.first()) || !run({QStringLiteral("mousedown"), QStringLiteral("1")}))
        return false;
    for (qsizetype i = 1; i < path.size(); ++i) {
        const QPoint from = path[i - 1];
        const int steps = std::max(1, int((path[i] - from).manhattanLength() / 6));
        for (int step = 1; step <= steps; ++step) {
            if (!moveTo(from + (path[i] - from) * step / steps))
                return false;
        }
    }
    // A drop target across the X server (another program's drag) answers the last move first.
    QTest::qWait(200);
    const bool released = run({QStringLiteral("mouseup"), QStringLiteral("1")});
    QTest::qWait(100);
    return released;
}

} // namespace XDoTool
