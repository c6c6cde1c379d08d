#include "XDoTool.h"

#include <QCursor>
#include <QProcess>
#include <QSignalSpy>

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

} // namespace XDoTool
