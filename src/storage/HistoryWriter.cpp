// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/HistoryWriter.h"

#include "storage/HistoryDatabase.h"

HistoryWriter::HistoryWriter(std::unique_ptr<HistoryDatabase> database) : m_database(std::move(database))
{
    m_retry.setParent(this);
    m_retry.setSingleShot(true);
    m_retry.setInterval(RetryMs);
    connect(&m_retry, &QTimer::timeout, this, &HistoryWriter::writePending);
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
    if (m_database->write(m_pending)) {
        m_pending = HistoryBatch();
        m_failing = false;
        return true;
    }
    if (!std::exchange(m_failing, true))
        emit failed(m_database->errorString(), m_database->diskFull());
    m_retry.start();
    return false;
}

QString HistoryWriter::errorString() const
{
    return m_database->errorString();
}
