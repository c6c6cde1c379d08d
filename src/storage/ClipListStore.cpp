#include "storage/ClipListStore.h"

#include "model/ClipListBox.h"
#include "model/ItemControl.h"
#include "model/ListControl.h"
#include "model/ListExControl.h"
#include "model/ListOb.h"
#include "model/MessageBoxPort.h"
#include "model/PaneHost.h"
#include "model/QKPRGrobal.h"
#include "storage/ClipListFile.h"

bool ClipListStore::OpenListFile(const QString &path, Naming naming)
{
    const qint16 pane = m_grobal.listExControl().lecListFocus();
    const bool loaded = ReadListFile(path, pane, m_grobal.getOLx(pane), naming);
    if (loaded)
        m_grobal.ClearTextSave(pane);
    return loaded;
}

bool ClipListStore::ReadListFile(const QString &path, qint16 pane, qint16 list, Naming naming)
{
    ClipListFile::ReadResult read = ClipListFile::read(path);
    if (read.status != ClipListFile::Status::Loaded) {
        m_messages.show(ClipListFile::readErrorTitle(),
                        ClipListFile::readErrorText(read, path, m_grobal.CrLf, naming == Naming::EveryMessage),
                        MessageBoxPort::Icon::Critical, MessageBoxPort::Buttons::Ok);
        return false;
    }

    ListOb &target = m_grobal.listControl().lcListOb(list);
    const ClipListOptions &options = read.content.options;
    options.applyTo(target);
    PaneHost &host = m_grobal.listExControl().host();
    ClipListBox &box = host.clipList(pane);
    box.setListFont(options.FontName, options.FontSize);
    host.setFontName(options.FontName);
    host.setFontSize(options.FontSize);
    box.setColours(options.BackClrFcs, options.ForeClrFcs);

    // Rows are made as for captured texts: by the list's own add direction and item limit.
    ItemControl &items = target.loItemControl();
    items.icClearItem(pane);
    for (ItemOb &item : read.content.items) {
        const qint16 row = items.icMakeItem(pane, item.ioWords);
        if (row >= 0 && !item.ioName.isEmpty())
            items.icNameItem(pane, row, item.ioName);
    }
    return true;
}

bool ClipListStore::WriteListFile(const QString &path, qint16 list)
{
    ListOb &source = m_grobal.listControl().lcListOb(list);
    ClipListContent content;
    content.options = ClipListOptions::of(source);
    // The file keeps the path it is saved under.
    content.options.fiName = path;
    ItemControl &items = source.loItemControl();
    content.items.reserve(size_t(items.UB()));
    for (qint16 i = 0; i < items.UB(); ++i)
        content.items.push_back(items.icItemOb(i));

    QString reason;
    if (!ClipListFile::write(path, content, &reason)) {
        m_messages.show(ClipListFile::writeErrorTitle(), ClipListFile::writeErrorText(path, reason, m_grobal.CrLf),
                        MessageBoxPort::Icon::Critical, MessageBoxPort::Buttons::Ok);
        return false;
    }
    source.fiName = path;
    return true;
}
