#include "platform/ProgramPictures.h"

#include <QFile>
#include <QPixmap>

namespace ProgramPictures {

QIcon icon(QStringView key)
{
    const QString path = QStringLiteral(":/icons/%1.png").arg(key);
    // QIcon finds the "@2x" drawing beside the file on its own.
    return QFile::exists(path) ? QIcon(path) : QIcon();
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
        {NoDropCursor, 1, 1},   {ToolHoverCursor, 1, 1}, {LinkCursor, 8, 1},
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
