// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/ListFileCommands.h"

#include "mainwindow/ListCommands.h"
#include "model/ListDisplay.h"
#include "model/ListRecord.h"

#include <QDir>
#include <QFileInfo>

ListFileCommands::ListFileCommands(ListCollection &clipLists, ListDisplay &display, ListCommands &lists,
                                   MessageBoxPort &messages, FileDialogPort &dialogs)
    : m_display(display), m_lists(lists), m_store(clipLists, display, messages), m_dialogs(dialogs)
{
}

void ListFileCommands::openListWithDialog()
{
    const QString path = m_dialogs.showOpenDialog();
    if (path.isEmpty())
        return;
    if (m_store.openListFile(path))
        m_dialogs.keepChosenFolder();
}

void ListFileCommands::saveListWithDialog()
{
    const QString path = m_dialogs.showSaveDialog();
    if (path.isEmpty())
        return;
    const ListNumber list = m_display.focusedList();
    m_store.writeListFile(path, list);
    m_dialogs.keepChosenFolder();
}

void ListFileCommands::saveOver()
{
    const ListNumber list = m_display.focusedList();
    const QString path = m_display.focusedRecord().fileName;
    if (!path.isEmpty() && QFileInfo(path).isFile())
        m_store.writeListFile(path, list);
    else
        saveListWithDialog();
}

void ListFileCommands::openHandedFiles(const QStringList &paths)
{
    for (const QString &argument : paths) {
        const QString path = spelledPath(argument);
        if (path.isEmpty())
            continue;
        const PaneNumber focusedBefore = m_display.focusedPane();
        // Never read into a list that holds the user's items.
        if (!m_lists.makeNewList())
            return;
        if (!m_store.openListFile(path, paths.size() > 1 ? ClipListStore::Naming::EveryMessage
                                                         : ClipListStore::Naming::AsUsual)) {
            // The list made for an unreadable file goes again: left focused and empty, it would
            // take every later copy.
            m_lists.deleteList();
            m_display.focusPane(focusedBefore);
        }
    }
}

QString ListFileCommands::spelledPath(const QString &argument)
{
    const QFileInfo info(argument);
    if (argument.isEmpty() || !info.exists())
        return argument;
    // Where names ignore case, the folder's own listing tells how the name is really spelled.
    const QStringList spelled = info.dir().entryList({info.fileName()}, QDir::AllEntries | QDir::Hidden | QDir::System);
    const QString name = spelled.size() == 1 ? spelled.first() : info.fileName();
    // Otherwise as typed: a relative path stays relative in the list and in messages.
    return argument.left(argument.size() - info.fileName().size()) + name;
}

void ListFileCommands::openCommandLineFiles(const QStringList &arguments, bool keepFocusedList)
{
    bool first = !keepFocusedList;
    for (const QString &argument : arguments) {
        const QString path = spelledPath(argument);
        if (path.isEmpty())
            continue;
        if (!first && !m_lists.makeNewList())
            return;
        first = false;
        // Among several files a message must say which one it is about.
        m_store.openListFile(path, arguments.size() > 1 ? ClipListStore::Naming::EveryMessage
                                                        : ClipListStore::Naming::AsUsual);
    }
}
