// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QObject>
#include <QUrl>

// Stands in for the desktop's handler of files and web addresses, so that tests never start a
// browser: every address handed to QDesktopServices is recorded instead.
class DesktopRecorder : public QObject {
    Q_OBJECT
public:
    // The recorder, taking the schemes from the first call on.
    static DesktopRecorder &install();
    QList<QUrl> opened;

public slots:
    void open(const QUrl &url) { opened.append(url); }
};
