// SPDX-License-Identifier: GPL-3.0-or-later
#include "DesktopRecorder.h"

#include <QDesktopServices>

DesktopRecorder &DesktopRecorder::install()
{
    static DesktopRecorder recorder;
    static const bool installed = [] {
        for (const char *scheme : {"file", "http", "https"})
            QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), &recorder, "open");
        return true;
    }();
    Q_UNUSED(installed);
    return recorder;
}
