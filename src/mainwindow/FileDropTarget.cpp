// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/FileDropTarget.h"

#include "mainwindow/ListFileCommands.h"

#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

FileDropTarget::FileDropTarget(QWidget &area, QWidget &window, ListFileCommands &files)
    : QObject(&area), m_window(window), m_files(files)
{
    // The list boxes take no drops themselves, so a drop over one reaches the area.
    area.setAcceptDrops(true);
    area.installEventFilter(this);
}

QStringList FileDropTarget::droppedFiles(const QMimeData &data)
{
    QStringList files;
    for (const QUrl &url : data.urls()) {
        if (url.isLocalFile())
            files.append(url.toLocalFile());
    }
    return files;
}

bool FileDropTarget::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        // Only a copy of files is offered; anything else is refused.
        auto *drag = static_cast<QDropEvent *>(event);
        // The files are read once, as the drag comes in: from another program each reading is a
        // round trip to it.
        if (event->type() == QEvent::DragEnter)
            m_offered = droppedFiles(*drag->mimeData());
        if (!m_offered.isEmpty() && (drag->possibleActions() & Qt::CopyAction)) {
            drag->setDropAction(Qt::CopyAction);
            drag->accept();
        } else {
            drag->ignore();
        }
        return true;
    }
    case QEvent::Drop: {
        auto *drop = static_cast<QDropEvent *>(event);
        // Some programs no longer hand their data over once the drop is made (Qt's own drags on X
        // among them); what the drag offered on its way in is then what was dropped.
        QStringList files = droppedFiles(*drop->mimeData());
        if (files.isEmpty())
            files = m_offered;
        if (files.isEmpty()) {
            drop->ignore();
            return true;
        }
        drop->setDropAction(Qt::CopyAction);
        drop->accept();
        m_window.raise();
        m_window.activateWindow();
        // Opened once the drop is done: a message about a damaged file must not hold the other
        // program's drag open.
        QMetaObject::invokeMethod(this, [this, files] { m_files.openCommandLineFiles(files); }, Qt::QueuedConnection);
        return true;
    }
    case QEvent::DragLeave:
        m_offered.clear();
        return QObject::eventFilter(watched, event);
    default:
        return QObject::eventFilter(watched, event);
    }
}
