// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/StaysOnTop.h"

#include <QWidget>
#include <QWindow>

void setStaysOnTop(QWidget &window, bool onTop)
{
    Qt::WindowFlags flags = window.windowFlags();
    flags.setFlag(Qt::WindowStaysOnTopHint, onTop);
    if (flags == window.windowFlags())
        return;
    if (QWindow *handle = window.windowHandle()) {
        // setWindowFlags would hide the window and show it again, possibly elsewhere: tell the
        // widget without side effects and the window system alone, which keeps it mapped.
        window.overrideWindowFlags(flags);
        handle->setFlags(flags);
    } else {
        window.setWindowFlags(flags);
    }
}
