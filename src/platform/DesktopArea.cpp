// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DesktopArea.h"

#include <QGuiApplication>
#include <QScreen>

namespace DesktopArea {

QRect rect()
{
    QRect all;
    for (const QScreen *screen : QGuiApplication::screens())
        all |= screen->geometry();
    return all;
}

} // namespace DesktopArea
