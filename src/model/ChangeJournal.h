// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <vector>

struct ClipItem;

// What changed in the lists since the history store last looked, item by item, so that keeping
// the history writes only what changed. Nothing is noted while no store listens.
class ChangeJournal : public QObject {
    Q_OBJECT
public:
    struct Entry {
        enum class Kind { ItemWritten, RowKeyChanged, ItemDropped, ListEmptied };
        Kind kind;
        quint32 list = 0;
        quint64 item = 0;
        qint64 rowKey = 0;
        QString text; // shared with the item: copying it costs nothing
        QString name;
        QString program = {};
        QString html = {};
    };
    struct Changes {
        std::vector<Entry> entries;
        // The lists' options or names, the panes or the focus may have changed.
        bool layout = false;
    };

    void setRecording(bool on);

    void itemWritten(quint32 list, const ClipItem &item, qint64 rowKey);
    void rowKeyChanged(quint64 item, qint64 rowKey);
    void itemDropped(quint64 item);
    // Cleared or deleted: none of its items is kept.
    void listEmptied(quint32 list);
    void layoutChanged();

    // Hands over what was noted and starts afresh.
    Changes take();

signals:
    // The first change after the last take(): a store collects them a moment later.
    void changesWaiting();

private:
    void add(Entry &&entry);
    void noteAny();

    bool m_recording = false;
    Changes m_changes;
};
