// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/ClipListStore.h"

#include "model/seams/ClipListBox.h"
#include "model/ListItems.h"
#include "model/ListCollection.h"
#include "model/ProgramTexts.h"
#include "model/ListDisplay.h"
#include "model/ListRecord.h"
#include "model/seams/MessageBoxPort.h"
#include "model/seams/PaneHost.h"
#include "storage/ClipListFile.h"

bool ClipListStore::openListFile(const QString &path, Naming naming)
{
    const PaneNumber pane = m_display.focusedPane();
    return readListFile(path, pane, m_display.listOfPane(pane), naming);
}

bool ClipListStore::readListFile(const QString &path, PaneNumber pane, ListNumber list, Naming naming)
{
    ClipListFile::ReadResult read = ClipListFile::read(path);
    if (read.status != ClipListFile::Status::Loaded) {
        m_messages.show(ClipListFile::readErrorTitle(),
                        ClipListFile::readErrorText(read, path, ProgramTexts::lineBreak(), naming == Naming::EveryMessage),
                        MessageBoxPort::Icon::Critical, MessageBoxPort::Buttons::Ok);
        return false;
    }

    ListRecord &target = m_lists.at(list);
    const ClipListOptions &options = read.content.options;
    ListOptions changed = target;
    options.applyTo(changed);
    m_lists.setOptions(list, changed);
    PaneHost &host = m_display.host();
    ClipListBox &box = host.listBox(pane);
    box.setListFont(options.fontName, options.fontSize);
    host.setFontName(options.fontName);
    host.setFontSize(options.fontSize);
    box.setColours(options.focusedBackColour, options.focusedTextColour);

    // Rows are made as for captured texts: by the list's own add direction and item limit.
    ListItems &items = target.items();
    items.clearItems();
    for (ClipItem &item : read.content.items) {
        const RowNumber row = items.addItem(item.text);
        if (row >= 0 && !item.name.isEmpty())
            items.nameItem(row, item.name);
    }
    return true;
}

bool ClipListStore::writeListFile(const QString &path, ListNumber list)
{
    ListRecord &source = m_lists.at(list);
    ClipListContent content;
    content.options = ClipListOptions::of(source);
    // The file keeps the path it is saved under.
    content.options.fileName = path;
    ListItems &items = source.items();
    content.items.reserve(size_t(items.count()));
    for (ItemNumber i{0}; i < items.count(); ++i)
        content.items.push_back(items.at(i));

    QString reason;
    if (!ClipListFile::write(path, content, &reason)) {
        m_messages.show(ClipListFile::writeErrorTitle(), ClipListFile::writeErrorText(path, reason, ProgramTexts::lineBreak()),
                        MessageBoxPort::Icon::Critical, MessageBoxPort::Buttons::Ok);
        return false;
    }
    ListOptions changed = source;
    changed.fileName = path;
    m_lists.setOptions(list, changed);
    return true;
}
