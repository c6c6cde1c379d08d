// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/WindowSettings.h"

#include "storage/WindowPlacement.h"

void WindowSettings::keepOnDesktop(const QRect &desktop)
{
    if (desktop.isEmpty())
        return;
    using namespace WindowPlacement;
    main.keepOnDesktop(desktop);
    fitSize(text.width, text.height, desktop);
    fitOffset(text.offsetX, text.offsetY, desktop);
    fitOffset(name.offsetX, name.offsetY, desktop);
    fitOffset(listData.offsetX, listData.offsetY, desktop);
    // The place the main window was last restored to, unless there was none.
    if (mini != MiniWindowSettings())
        fitOnScreen(mini.restoreX, mini.restoreY, main.Width, main.Height, desktop);
}
