#include "storage/WindowSettings.h"

#include "storage/WindowPlacement.h"

void WindowSettings::keepOnDesktop(const QRect &desktop)
{
    if (desktop.isEmpty())
        return;
    using namespace WindowPlacement;
    main.keepOnDesktop(desktop);
    fitSize(text.nowPosW, text.nowPosH, desktop);
    fitOffset(text.NowPosX, text.NowPosY, desktop);
    fitOffset(name.NowPosX, name.NowPosY, desktop);
    fitOffset(listData.NowPosX, listData.NowPosY, desktop);
    // The place the main window was last restored to, unless there was none.
    if (mini != MiniWindowSettings())
        fitOnScreen(mini.RestPosX, mini.RestPosY, main.Width, main.Height, desktop);
}
