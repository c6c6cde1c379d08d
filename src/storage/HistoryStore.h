// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/HistoryBatch.h"
#include "storage/KeptHistory.h"

#include <QObject>
#include <QThread>
#include <QTimer>
#include <optional>

class ChangeJournal;
class HistoryWriter;
class ListCollection;
class ListDisplay;
class MessageBoxPort;

// Keeps the lists between runs: brings them back at the start, and writes each change to the
// history database within a second, in the background. Idle while nothing changes.
class HistoryStore : public QObject {
    Q_OBJECT
public:
    // Changes wait this long, so that a burst of them goes in one transaction.
    static constexpr int CollectMs = 500;

    HistoryStore(ListCollection &lists, ListDisplay &display, ChangeJournal &journal, MessageBoxPort &messages);
    ~HistoryStore() override;

    // Opens the database (a new one where there is none) and starts keeping the lists. Returns what
    // it kept, if anything. A database that cannot be used is set aside and a new one begun; one
    // that can only be read gives its lists and nothing is kept. The user is told once the window
    // is up.
    std::optional<KeptHistory> open(const QString &path);
    // Switched on during a run: a new database begins with every list as it is now.
    void switchOn(const QString &path);
    // Switched off: nothing more is written, and the database is deleted.
    void switchOff();
    // At the end: writes what is left and waits until it is written; tells at once when it was not.
    void finish();
    bool keeping() const { return m_writer != nullptr; }

    // Hands what changed to the writer now; the collect timer does it by itself.
    void collect();

private:
    void start(std::unique_ptr<class HistoryDatabase> database);
    // Tells once the texts read in the background are unpacked, if some were damaged.
    void tellOfDamagedTexts(std::shared_ptr<PackedTexts> texts);
    void stop();
    HistoryBatch::Layout currentLayout();
    void everyItem(HistoryBatch &batch);
    // The message's text: which file, then the problem.
    QString aboutTheFile(const QString &problem) const;
    void tell(const QString &problem);

    ListCollection &m_lists;
    ListDisplay &m_display;
    ChangeJournal &m_journal;
    MessageBoxPort &m_messages;
    QString m_path;
    QTimer m_collect;
    QThread m_thread;
    HistoryWriter *m_writer = nullptr;
    std::optional<HistoryBatch::Layout> m_lastLayout;
    bool m_writeEverything = false;
};
