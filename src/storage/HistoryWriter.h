// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/HistoryBatch.h"

#include <QObject>
#include <QTimer>
#include <memory>

class HistoryDatabase;

// Writes the history's batches on a thread of its own, so that the window never waits on the
// disk. A batch that could not be written (a full disk, say) is kept, joined by the later ones,
// and tried again a little later.
class HistoryWriter : public QObject {
    Q_OBJECT
public:
    static constexpr int RetryMs = 10000;
    // Free space is given back only after this long without a batch: never in a burst of captures.
    static constexpr int QuietMs = 3000;

    explicit HistoryWriter(std::unique_ptr<HistoryDatabase> database);
    ~HistoryWriter() override;

    void write(HistoryBatch batch);
    // Writes what is waiting, now; false when it could not (errorString says why).
    bool writePending();
    // At the end: writePending, and the run's end noted when all is written.
    bool finish();
    QString errorString() const;

signals:
    // The first failure after a success: a run of failures is told once.
    void failed(const QString &reason, bool diskFull);

private:
    std::unique_ptr<HistoryDatabase> m_database;
    HistoryBatch m_pending;
    QTimer m_retry;
    QTimer m_quiet;
    bool m_failing = false;
};
