// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ProgramPictures.h"

#include <QFile>
#include <QPixmap>

namespace ProgramPictures {

QIcon icon(QStringView key)
{
    const QString path = QStringLiteral(":/icons/%1.png").arg(key);
    if (!QFile::exists(path))
        return QIcon();
    // Added by hand: QIcon looks for the "@2x" file only when the screen is already of high
    // density at the time, so a window moved to such a screen later would get the 16 px one blown up.
    QIcon icon(path);
    const QString twice = QStringLiteral(":/icons/%1@2x.png").arg(key);
    if (QFile::exists(twice))
        icon.addFile(twice);
    return icon;
}

QIcon programIcon()
{
    QIcon icon;
    for (const char *size : {"-16", "-32", "-48", ""})
        icon.addFile(QStringLiteral(":/icons/quillkeeper%1.png").arg(QLatin1String(size)));
    return icon;
}

QCursor cursor(int number)
{
    struct HotSpot {
        int number;
        int x;
        int y;
    };
    // Where each pointer points, in the 32 x 32 drawing.
    static constexpr HotSpot hotSpots[] = {
        {SweepCursor, 1, 1},    {DropListCursor, 1, 1}, {DropBarCursor, 1, 1},
        {NoDropCursor, 1, 1},   {ToolHoverCursor, 1, 1}, {LinkCursor, 11, 1},
    };
    for (const HotSpot &spot : hotSpots) {
        if (spot.number != number)
            continue;
        const QPixmap picture(QStringLiteral(":/cursors/%1.png").arg(number));
        if (picture.isNull())
            break;
        return QCursor(picture, spot.x, spot.y);
    }
    return QCursor(Qt::ArrowCursor);
}

} // namespace ProgramPictures
