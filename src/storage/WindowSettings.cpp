#include "storage/WindowSettings.h"

#include "storage/WindowPlacement.h"

void WindowSettings::keepOnDesktop(const QRect &desktop)
{
    if (desktop.isEmpty())
        return;
    using namespace WindowPlacement;
    main.keepOnDesktop(desktop);
    FitSize(text.nowPosW, text.nowPosH, desktop);
    FitOffset(text.NowPosX, text.NowPosY, desktop);
    FitOffset(name.NowPosX, name.NowPosY, desktop);
    FitOffset(listData.NowPosX, listData.NowPosY, desktop);
    // The place the main window was last restored to, unless there was none.
    if (mini != MiniWindowSettings())
        fitOnScreen(mini.RestPosX, mini.RestPosY, main.Width, main.Height, desktop);
}
