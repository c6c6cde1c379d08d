// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/x11/XcbClipboardConnection.h"

#include "platform/x11/XcbSelectionWorker.h"

#include <QGuiApplication>

#ifdef __GLIBC__
#include <malloc.h>
#endif

XcbClipboardConnection::XcbClipboardConnection(QObject *parent) : QObject(parent)
{
    m_thread.setObjectName(QStringLiteral("XcbClipboardConnection"));
}

XcbClipboardConnection::~XcbClipboardConnection()
{
    if (!m_worker)
        return;
    QMetaObject::invokeMethod(m_worker.get(), &XcbSelectionWorker::finish, Qt::BlockingQueuedConnection);
    m_thread.quit();
    m_thread.wait();
}

bool XcbClipboardConnection::start()
{
    if (m_worker)
        return true;
    auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->connection())
        return false;
    // Every window this process's Qt connection creates has an id in its resource range.
    const xcb_setup_t *setup = xcb_get_setup(x11->connection());
    m_worker = XcbSelectionWorker::connect(setup->resource_id_base, setup->resource_id_mask);
    if (!m_worker)
        return false;
#ifdef __GLIBC__
    // A large text arrives as bytes that are let go of once it is decoded. glibc would serve the
    // next ones from the worker thread's heap, whose free top it keeps resident for good; mapped
    // blocks of their own go back to the system when freed.
    mallopt(M_MMAP_THRESHOLD, 1024 * 1024);
#endif
    m_worker->moveToThread(&m_thread);
    connect(m_worker.get(), &XcbSelectionWorker::textRead, this, &XcbClipboardConnection::textRead);
    connect(m_worker.get(), &XcbSelectionWorker::secretSkipped, this, &XcbClipboardConnection::secretSkipped);
    connect(m_worker.get(), &XcbSelectionWorker::readFailed, this, &XcbClipboardConnection::readFailed);
    connect(m_worker.get(), &XcbSelectionWorker::ownerGone, this, &XcbClipboardConnection::ownerGone);
    m_thread.start();
    QMetaObject::invokeMethod(m_worker.get(), &XcbSelectionWorker::begin, Qt::QueuedConnection);
    return true;
}

void XcbClipboardConnection::setRichText(bool rich)
{
    if (m_worker)
        QMetaObject::invokeMethod(m_worker.get(), [worker = m_worker.get(), rich] { worker->setRichText(rich); });
}

void XcbClipboardConnection::setReading(bool reading, bool currentSeen)
{
    if (m_worker)
        QMetaObject::invokeMethod(m_worker.get(), [worker = m_worker.get(), reading, currentSeen] {
            worker->setReading(reading, currentSeen);
        });
}

void XcbClipboardConnection::serve(const QString &text, bool rich, quint32 time, const QString &html)
{
    if (m_worker)
        m_worker->queueServe(text, rich, time, html);
}

void XcbClipboardConnection::setLargestText(qint64 bytes)
{
    if (m_worker)
        QMetaObject::invokeMethod(m_worker.get(), [worker = m_worker.get(), bytes] { worker->setLargestText(bytes); });
}

void XcbClipboardConnection::setKeeping(bool keeping)
{
    if (m_worker)
        QMetaObject::invokeMethod(m_worker.get(), [worker = m_worker.get(), keeping] { worker->setKeeping(keeping); });
}

void XcbClipboardConnection::setReadingSelection(bool reading)
{
    if (m_worker)
        QMetaObject::invokeMethod(m_worker.get(), [worker = m_worker.get(), reading] { worker->setReadingSelection(reading); });
}

void XcbClipboardConnection::setIgnoredPrograms(const QStringList &programs)
{
    if (m_worker)
        QMetaObject::invokeMethod(m_worker.get(),
                                  [worker = m_worker.get(), programs] { worker->setIgnoredPrograms(programs); });
}

void XcbClipboardConnection::retry()
{
    if (m_worker)
        QMetaObject::invokeMethod(m_worker.get(), [worker = m_worker.get()] { worker->retry(); });
}
