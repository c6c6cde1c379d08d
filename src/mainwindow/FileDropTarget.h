// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QStringList>

class ListFileCommands;
class QMimeData;
class QWidget;

// Takes clip-list files dropped from other programs onto the lists: the first opens into the
// focused list, each further one into a new list, and the window comes to the front.
class FileDropTarget : public QObject {
    Q_OBJECT
public:
    // Watches the drops on the area; the window is the one brought to the front.
    FileDropTarget(QWidget &area, QWidget &window, ListFileCommands &files);

    // The local files a drag carries, in order; empty when it carries none.
    static QStringList droppedFiles(const QMimeData &data);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget &m_window;
    ListFileCommands &m_files;
    QStringList m_offered; // the files of the drag over the area
};
