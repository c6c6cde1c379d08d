// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/x11/XcbSelectionServer.h"

#include "platform/LineBreaks.h"
#include "platform/x11/XcbCalls.h"

#include <QTimer>
#include <algorithm>
#include <utility>

struct XcbSelectionServer::Atoms {
    xcb_atom_t targets, timestamp, multiple, atomPair, incr, utf8String, text, plainUtf8, plain, rtf, html;
};

XcbSelectionServer::XcbSelectionServer(xcb_connection_t *connection, xcb_window_t window, xcb_atom_t selection)
    : m_connection(connection), m_window(window), m_selection(selection)
{
    m_atoms = std::make_unique<Atoms>();
    Atoms &a = *m_atoms;
    XcbCalls::intern(connection, {{&a.targets, "TARGETS"},
                                  {&a.timestamp, "TIMESTAMP"},
                                  {&a.multiple, "MULTIPLE"},
                                  {&a.atomPair, "ATOM_PAIR"},
                                  {&a.incr, "INCR"},
                                  {&a.utf8String, "UTF8_STRING"},
                                  {&a.text, "TEXT"},
                                  {&a.plainUtf8, "text/plain;charset=utf-8"},
                                  {&a.plain, "text/plain"},
                                  {&a.rtf, "text/rtf"},
                                  {&a.html, "text/html"}});
    // A property may not exceed the largest request the server takes.
    const qsizetype largest = qsizetype(xcb_get_maximum_request_length(connection)) * 4 - 1024;
    m_chunkBytes = std::clamp<qsizetype>(largest, 4096, ChunkBytes);
    m_clock.start();
}

XcbSelectionServer::~XcbSelectionServer() = default;

bool XcbSelectionServer::serve(const QString &text, bool rich, xcb_timestamp_t time, const QString &html)
{
    // The text already served: nothing changes for anyone, so nothing is claimed or looked through.
    if (m_owned && rich == m_rich && text == m_text && html == m_html)
        return true;
    xcb_set_selection_owner(m_connection, m_window, m_selection, time);
    xcb_window_t owner = XcbCalls::selectionOwner(m_connection, m_selection);
    // Nobody came since the owner left, but the X server counts its going later than its report
    // of it: taken as of now instead.
    if (owner == XCB_NONE && time != XCB_CURRENT_TIME) {
        time = XCB_CURRENT_TIME;
        xcb_set_selection_owner(m_connection, m_window, m_selection, time);
        owner = XcbCalls::selectionOwner(m_connection, m_selection);
    }
    m_owned = owner == m_window;
    if (!m_owned)
        return false;
    m_ownedAt = time;
    // Bytes are made when someone first asks; transfers under way keep their own.
    m_text = text;
    m_rich = rich;
    m_html = rich ? QString() : html;
    m_htmlBytes.clear();
    m_utf8.clear();
    m_latin1Bytes.clear();
    m_latin1 = !rich && std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() < 0x100; });
    return true;
}

bool XcbSelectionServer::handleEvent(const xcb_generic_event_t *event)
{
    switch (event->response_type & 0x7f) {
    case XCB_SELECTION_REQUEST:
        request(reinterpret_cast<const xcb_selection_request_event_t *>(event));
        return true;
    case XCB_SELECTION_CLEAR: {
        const auto *clear = reinterpret_cast<const xcb_selection_clear_event_t *>(event);
        if (clear->selection != m_selection || clear->owner != m_window)
            return false;
        // Another program copied. Transfers under way finish with the bytes they hold.
        m_owned = false;
        m_text.clear();
        m_html.clear();
        m_htmlBytes.clear();
        m_utf8.clear();
        m_latin1Bytes.clear();
        return true;
    }
    case XCB_PROPERTY_NOTIFY: {
        const auto *notify = reinterpret_cast<const xcb_property_notify_event_t *>(event);
        if (notify->window == m_window || notify->state != XCB_PROPERTY_DELETE)
            return false;
        propertyDeleted(notify->window, notify->atom);
        return true;
    }
    default:
        return false;
    }
}

void XcbSelectionServer::request(const xcb_selection_request_event_t *event)
{
    const xcb_atom_t property = XcbCalls::answerProperty(*event);
    const bool inTime = event->time == XCB_CURRENT_TIME || m_ownedAt == XCB_CURRENT_TIME || event->time >= m_ownedAt;
    const bool done = m_owned && event->selection == m_selection && inTime &&
                      answer(event->requestor, event->target, property, false);
    XcbCalls::notify(m_connection, *event, done ? property : XCB_NONE);
}

QList<xcb_atom_t> XcbSelectionServer::offeredTargets() const
{
    QList<xcb_atom_t> offered{m_atoms->targets, m_atoms->timestamp, m_atoms->multiple};
    if (m_rich)
        return offered << m_atoms->rtf;
    offered << m_atoms->utf8String << m_atoms->plainUtf8 << m_atoms->plain;
    if (m_latin1)
        offered << XCB_ATOM_STRING << m_atoms->text;
    if (!m_html.isEmpty())
        offered << m_atoms->html;
    return offered;
}

std::optional<QByteArray> XcbSelectionServer::bytesFor(xcb_atom_t target, xcb_atom_t *type)
{
    if (m_rich) {
        if (target != m_atoms->rtf)
            return std::nullopt;
        *type = target;
        if (m_utf8.isNull())
            m_utf8 = m_text.toUtf8();
        return m_utf8;
    }
    if (target == m_atoms->utf8String || target == m_atoms->plainUtf8 || target == m_atoms->plain) {
        *type = target;
        if (m_utf8.isNull())
            m_utf8 = LineBreaks::toClipboard(m_text).toUtf8();
        return m_utf8;
    }
    if (!m_html.isEmpty() && target == m_atoms->html) {
        *type = target;
        if (m_htmlBytes.isNull())
            m_htmlBytes = m_html.toUtf8();
        return m_htmlBytes;
    }
    if (m_latin1 && (target == XCB_ATOM_STRING || target == m_atoms->text)) {
        *type = XCB_ATOM_STRING;
        if (m_latin1Bytes.isNull())
            m_latin1Bytes = LineBreaks::toClipboard(m_text).toLatin1();
        return m_latin1Bytes;
    }
    return std::nullopt;
}

void XcbSelectionServer::put(xcb_window_t window, xcb_atom_t property, xcb_atom_t type, int format, const void *data,
                             quint32 count)
{
    xcb_change_property(m_connection, XCB_PROP_MODE_REPLACE, window, property, type, uint8_t(format), count, data);
}

bool XcbSelectionServer::answer(xcb_window_t requestor, xcb_atom_t target, xcb_atom_t property, bool nested)
{
    if (target == m_atoms->targets) {
        const QList<xcb_atom_t> offered = offeredTargets();
        put(requestor, property, XCB_ATOM_ATOM, 32, offered.constData(), quint32(offered.size()));
        return true;
    }
    if (target == m_atoms->timestamp) {
        const quint32 time = m_ownedAt;
        put(requestor, property, XCB_ATOM_INTEGER, 32, &time, 1);
        return true;
    }
    if (target == m_atoms->multiple)
        return !nested && answerMultiple(requestor, property);
    xcb_atom_t type = XCB_NONE;
    const std::optional<QByteArray> bytes = bytesFor(target, &type);
    if (!bytes)
        return false;
    if (bytes->size() <= m_chunkBytes) {
        put(requestor, property, type, 8, bytes->constData(), quint32(bytes->size()));
        return true;
    }
    // INCR: the requester deletes the property to ask for each next chunk.
    const uint32_t events = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_change_window_attributes(m_connection, requestor, XCB_CW_EVENT_MASK, &events);
    const quint32 size = quint32(std::min<qsizetype>(bytes->size(), UINT32_MAX));
    put(requestor, property, m_atoms->incr, 32, &size, 1);
    m_transfers.append(Transfer{requestor, property, type, *bytes, 0, m_clock.elapsed()});
    if (!m_stallTimer) {
        m_stallTimer = std::make_unique<QTimer>();
        m_stallTimer->setInterval(RequesterLimitMs / 5);
        // Made in the clipboard thread, where it fires.
        QObject::connect(m_stallTimer.get(), &QTimer::timeout, m_stallTimer.get(), [this] { dropStalled(); });
    }
    // Runs only while transfers are under way: nothing wakes while nobody asks.
    if (!m_stallTimer->isActive())
        m_stallTimer->start();
    return true;
}

bool XcbSelectionServer::answerMultiple(xcb_window_t requestor, xcb_atom_t property)
{
    const auto reply = XcbCalls::reply(xcb_get_property_reply(
        m_connection, xcb_get_property(m_connection, 0, requestor, property, XCB_GET_PROPERTY_TYPE_ANY, 0, 4096),
        nullptr));
    if (!reply || reply->format != 32)
        return false;
    const auto *values = static_cast<const xcb_atom_t *>(xcb_get_property_value(reply.get()));
    QList<xcb_atom_t> pairs(values, values + xcb_get_property_value_length(reply.get()) / 4);
    // Each pair is target and property; a target we cannot give has its property set to None.
    for (qsizetype i = 0; i + 1 < pairs.size(); i += 2) {
        if (!answer(requestor, pairs[i], pairs[i + 1], true))
            pairs[i + 1] = XCB_NONE;
    }
    put(requestor, property, m_atoms->atomPair, 32, pairs.constData(), quint32(pairs.size()));
    return true;
}

void XcbSelectionServer::propertyDeleted(xcb_window_t window, xcb_atom_t property)
{
    for (qsizetype i = 0; i < m_transfers.size(); ++i) {
        Transfer &transfer = m_transfers[i];
        if (transfer.requestor != window || transfer.property != property)
            continue;
        const bool ended = transfer.sent == transfer.data.size();
        sendChunk(transfer);
        // The empty chunk after the last ends the transfer.
        if (ended)
            finishTransfer(i);
        xcb_flush(m_connection);
        return;
    }
}

void XcbSelectionServer::sendChunk(Transfer &transfer)
{
    const qsizetype size = std::min(m_chunkBytes, transfer.data.size() - transfer.sent);
    put(transfer.requestor, transfer.property, transfer.type, 8, transfer.data.constData() + transfer.sent,
        quint32(size));
    transfer.sent += size;
    transfer.lastMs = m_clock.elapsed();
}

void XcbSelectionServer::finishTransfer(qsizetype index)
{
    const xcb_window_t requestor = m_transfers.at(index).requestor;
    m_transfers.removeAt(index);
    const bool more = std::any_of(m_transfers.cbegin(), m_transfers.cend(),
                                  [requestor](const Transfer &t) { return t.requestor == requestor; });
    if (!more) {
        const uint32_t none = XCB_EVENT_MASK_NO_EVENT;
        xcb_change_window_attributes(m_connection, requestor, XCB_CW_EVENT_MASK, &none);
    }
    if (m_transfers.isEmpty() && m_stallTimer)
        m_stallTimer->stop();
}

void XcbSelectionServer::dropStalled()
{
    const qint64 now = m_clock.elapsed();
    for (qsizetype i = m_transfers.size() - 1; i >= 0; --i) {
        if (now - m_transfers.at(i).lastMs > RequesterLimitMs)
            finishTransfer(i);
    }
    xcb_flush(m_connection);
}
