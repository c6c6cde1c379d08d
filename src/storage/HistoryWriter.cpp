// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/HistoryWriter.h"

#include "storage/HistoryDatabase.h"

HistoryWriter::HistoryWriter(std::unique_ptr<HistoryDatabase> database) : m_database(std::move(database))
{
    m_retry.setParent(this);
    m_retry.setSingleShot(true);
    m_retry.setInterval(RetryMs);
    connect(&m_retry, &QTimer::timeout, this, &HistoryWriter::writePending);
    m_quiet.setParent(this);
    m_quiet.setSingleShot(true);
    m_quiet.setInterval(QuietMs);
    connect(&m_quiet, &QTimer::timeout, this, [this] { m_database->giveBackFreeSpace(); });
}

HistoryWriter::~HistoryWriter() = default;

void HistoryWriter::write(HistoryBatch batch)
{
    m_pending.append(std::move(batch));
    if (!m_retry.isActive())
        writePending();
}

bool HistoryWriter::writePending()
{
    if (m_pending.empty())
        return true;
    m_quiet.stop();
    if (m_database->write(m_pending)) {
        m_pending = HistoryBatch();
        m_failing = false;
        if (m_database->hasMuchFreeSpace())
            m_quiet.start();
        return true;
    }
    if (!std::exchange(m_failing, true))
        emit failed(m_database->errorString(), m_database->diskFull());
    m_retry.start();
    return false;
}

bool HistoryWriter::finish()
{
    m_quiet.stop();
    return writePending() && m_database->markCleanEnd();
}

QString HistoryWriter::errorString() const
{
    return m_database->errorString();
}
