// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/x11/XcbSelectionWorker.h"

#include "platform/x11/XcbCalls.h"
#include "platform/x11/XcbClipboardManager.h"
#include "platform/x11/XcbOwnerProgram.h"
#include "platform/x11/XcbSelectionServer.h"

#include "platform/QtClipboard.h"
#include "platform/SecretMarkers.h"

#include <QSocketNotifier>
#include <QStringDecoder>
#include <QTimer>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <utility>

#include <xcb/xfixes.h>

namespace {

// Properties of our window that owners write their answers to. The X server never frees an atom,
// so there are a few, used in turn: an answer that comes after we gave up lands on a property
// that the next request does not use.
constexpr const char *PropertyPrefix = "QK_CLIPBOARD_";
// A timed-out request's property is not reused before this while another one is free.
constexpr qint64 LateAnswerQuarantineMs = 30000;

using XcbCalls::Reply;

} // namespace

struct XcbSelectionWorker::Atoms {
    xcb_atom_t clipboard, targets, incr, utf8String, text, compoundText, plainUtf8, plain, rtf, applicationRtf,
        richtext, html, clock;
};

XcbSelectionWorker::XcbSelectionWorker(xcb_connection_t *connection, quint32 ownBase, quint32 ownMask)
    : m_connection(connection), m_ownBase(ownBase), m_ownMask(ownMask)
{
}

XcbSelectionWorker::~XcbSelectionWorker()
{
    if (m_connection)
        xcb_disconnect(m_connection);
}

std::unique_ptr<XcbSelectionWorker> XcbSelectionWorker::connect(quint32 ownBase, quint32 ownMask)
{
    xcb_connection_t *connection = xcb_connect(nullptr, nullptr);
    std::unique_ptr<XcbSelectionWorker> worker(new XcbSelectionWorker(connection, ownBase, ownMask));
    if (xcb_connection_has_error(connection) || !worker->setUp())
        return nullptr;
    return worker;
}

bool XcbSelectionWorker::setUp()
{
    const xcb_query_extension_reply_t *xfixes = xcb_get_extension_data(m_connection, &xcb_xfixes_id);
    if (!xfixes || !xfixes->present)
        return false;
    Reply<xcb_xfixes_query_version_reply_t> version(
        xcb_xfixes_query_version_reply(m_connection, xcb_xfixes_query_version(m_connection, 1, 0), nullptr),
        &std::free);
    if (!version || version->major_version < 1)
        return false;
    m_xfixesEventBase = xfixes->first_event;

    m_atoms = std::make_unique<Atoms>();
    Atoms &a = *m_atoms;
    XcbCalls::intern(m_connection, {{&a.clipboard, "CLIPBOARD"},
                                    {&a.targets, "TARGETS"},
                                    {&a.incr, "INCR"},
                                    {&a.utf8String, "UTF8_STRING"},
                                    {&a.text, "TEXT"},
                                    {&a.compoundText, "COMPOUND_TEXT"},
                                    {&a.plainUtf8, "text/plain;charset=utf-8"},
                                    {&a.plain, "text/plain"},
                                    {&a.rtf, "text/rtf"},
                                    {&a.applicationRtf, "application/rtf"},
                                    {&a.richtext, "text/richtext"},
                                    {&a.html, "text/html"},
                                    {&a.clock, "QK_CLOCK"}});
    m_presenceMarkers = XcbCalls::intern(m_connection, SecretMarkers::presenceFormats());
    const QStringList valueFormats = SecretMarkers::valueFormats();
    const QList<xcb_atom_t> valueAtoms = XcbCalls::intern(m_connection, valueFormats);
    for (qsizetype i = 0; i < valueFormats.size(); ++i)
        m_valueMarkers.append(ValueMarker{valueAtoms[i], valueFormats[i]});
    if (m_atoms->clipboard == XCB_NONE || m_presenceMarkers.contains(XCB_NONE) ||
        std::any_of(m_valueMarkers.cbegin(), m_valueMarkers.cend(), [](const ValueMarker &m) { return !m.atom; }))
        return false;

    const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data;
    if (!screen)
        return false;
    m_window = xcb_generate_id(m_connection);
    const uint32_t events = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_create_window(m_connection, XCB_COPY_FROM_PARENT, m_window, screen->root, -1, -1, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, XCB_CW_EVENT_MASK, &events);
    for (const xcb_atom_t selection : {m_atoms->clipboard, xcb_atom_t(XCB_ATOM_PRIMARY)})
        xcb_xfixes_select_selection_input(m_connection, m_window, selection,
                                          XCB_XFIXES_SELECTION_EVENT_MASK_SET_SELECTION_OWNER |
                                              XCB_XFIXES_SELECTION_EVENT_MASK_SELECTION_WINDOW_DESTROY |
                                              XCB_XFIXES_SELECTION_EVENT_MASK_SELECTION_CLIENT_CLOSE);
    Reply<xcb_get_selection_owner_reply_t> owner(
        xcb_get_selection_owner_reply(m_connection, xcb_get_selection_owner(m_connection, m_atoms->clipboard),
                                      nullptr),
        &std::free);
    if (!owner)
        return false;
    m_server = std::make_unique<XcbSelectionServer>(m_connection, m_window, m_atoms->clipboard);
    m_manager = std::make_unique<XcbClipboardManager>(m_connection, m_window, *m_server);
    m_programs = std::make_unique<XcbOwnerProgram>(m_connection);
    // Read before any change is reported: no event time to ask with yet.
    m_owner = Change{owner->owner, XCB_CURRENT_TIME, false, m_atoms->clipboard};
    return !xcb_connection_has_error(m_connection);
}

void XcbSelectionWorker::begin()
{
    m_clock.start();
    m_progressTimer = std::make_unique<QTimer>();
    m_progressTimer->setSingleShot(true);
    QObject::connect(m_progressTimer.get(), &QTimer::timeout, this, [this] {
        giveUp();
        drain();
    });
    m_settleTimer = std::make_unique<QTimer>();
    m_settleTimer->setSingleShot(true);
    QObject::connect(m_settleTimer.get(), &QTimer::timeout, this, [this] {
        selectionSettled();
        drain();
    });
    m_retryTimer = std::make_unique<QTimer>();
    m_retryTimer->setSingleShot(true);
    QObject::connect(m_retryTimer.get(), &QTimer::timeout, this, [this] {
        if (m_reading && !m_read && !m_pending)
            enqueue(m_owner);
        drain();
    });
    m_manager->setActive(m_keeping);
    m_notifier = std::make_unique<QSocketNotifier>(xcb_get_file_descriptor(m_connection), QSocketNotifier::Read);
    QObject::connect(m_notifier.get(), &QSocketNotifier::activated, this, &XcbSelectionWorker::drain);
    // An empty append changes nothing but reports the server's time, for hand-overs made before
    // the clipboard first changes.
    xcb_change_property(m_connection, XCB_PROP_MODE_APPEND, m_window, m_atoms->clock, XCB_ATOM_INTEGER, 32, 0, nullptr);
    xcb_flush(m_connection);
    drain();
}

void XcbSelectionWorker::finish()
{
    // Our text outlives us when another manager takes it.
    m_manager->handOver(2000);
    m_manager.reset();
    m_server.reset();
    m_read.reset();
    m_notifier.reset();
    m_progressTimer.reset();
    m_retryTimer.reset();
    m_settleTimer.reset();
    xcb_disconnect(m_connection);
    m_connection = nullptr;
}

void XcbSelectionWorker::setRichText(bool rich)
{
    m_rich = rich;
}

void XcbSelectionWorker::setReading(bool reading, bool currentSeen)
{
    if (reading == m_reading)
        return;
    if (reading && m_connection) {
        // Changes of owner the server made before now are taken in first (one round trip brings
        // their reports), so the content resumed on is the one there now.
        free(xcb_get_input_focus_reply(m_connection, xcb_get_input_focus(m_connection), nullptr));
        drain();
    }
    m_reading = reading;
    if (reading) {
        // The mark stays with this owner's content, retries included; the next owner's is new.
        m_owner.seen = currentSeen;
        enqueue(m_owner);
    } else {
        m_pending.reset();
        m_selectionPending.reset();
        m_settleTimer->stop();
        m_retryTimer->stop();
        m_manager->answerWaiting(false);
        if (m_read) {
            releaseProperty(true);
            endRead();
        }
    }
    drain();
}

void XcbSelectionWorker::queueServe(const QString &text, bool rich, quint32 time, const QString &html)
{
    // A hand-over claims the clipboard as of when it was made, not when its turn comes: an owner
    // that came in between keeps the clipboard.
    if (time == XCB_CURRENT_TIME)
        time = m_serverTime.load();
    QMutexLocker lock(&m_servingLock);
    const bool queued = m_serving.has_value();
    m_serving = Serving{text, rich, time, html};
    if (!queued)
        QMetaObject::invokeMethod(this, &XcbSelectionWorker::serveNewest, Qt::QueuedConnection);
}

void XcbSelectionWorker::serveNewest()
{
    std::optional<Serving> serving;
    {
        QMutexLocker lock(&m_servingLock);
        serving.swap(m_serving);
    }
    if (!serving || !m_connection)
        return;
    // Not ours to take when another owner came after that time.
    m_server->serve(serving->text, serving->rich, serving->time, serving->html);
    serving.reset();
    xcb_flush(m_connection);
    drain();
}

void XcbSelectionWorker::setKeeping(bool keeping)
{
    m_keeping = keeping;
    m_manager->setActive(keeping);
    drain();
}

void XcbSelectionWorker::setReadingSelection(bool reading)
{
    m_readingSelection = reading;
    if (!reading) {
        m_selectionPending.reset();
        m_settleTimer->stop();
    }
}

void XcbSelectionWorker::retry()
{
    if (!m_reading || m_read || m_pending || m_retryTimer->isActive() || m_tooLarge == m_owner)
        return;
    // Never faster than a read every RetryGapMs, however often a caller asks.
    const qint64 wait = m_lastReadEndMs + RetryGapMs - m_clock.elapsed();
    m_retryTimer->start(int(std::max<qint64>(0, wait)));
}

void XcbSelectionWorker::drain()
{
    // Replies waited for while handling an event may have queued further events without the
    // socket becoming readable again, so keep polling until xcb has nothing left.
    while (m_connection) {
        Reply<xcb_generic_event_t> event(xcb_poll_for_event(m_connection), &std::free);
        if (!event)
            break;
        handleEvent(event.get());
    }
    if (m_connection && xcb_connection_has_error(m_connection) && m_notifier) {
        m_notifier->setEnabled(false);
        if (m_read)
            giveUp();
    }
}

void XcbSelectionWorker::handleEvent(const xcb_generic_event_t *event)
{
    const quint8 type = event->response_type & 0x7f;
    // A program about to exit asks us to keep its content: it was read when it was copied, or
    // is being read now.
    using Content = XcbClipboardManager::Content;
    const Content content = readingClipboard() || m_pending ? Content::BeingRead
                            : m_contentKept                 ? Content::Kept
                                                            : Content::NotKept;
    if (m_manager->handleRequest(event, content, m_keeping && m_reading))
        return;
    if (m_server->handleEvent(event))
        return;
    if (type == m_xfixesEventBase + XCB_XFIXES_SELECTION_NOTIFY) {
        const auto *notify = reinterpret_cast<const xcb_xfixes_selection_notify_event_t *>(event);
        m_serverTime = notify->timestamp;
        if (notify->selection == XCB_ATOM_PRIMARY) {
            selectionOwnerChanged(notify->owner, notify->timestamp);
            return;
        }
        if (notify->selection != m_atoms->clipboard)
            return;
        if (notify->owner == m_window)
            m_server->ownedAt(notify->selection_timestamp);
        ownerChanged(notify->owner, notify->timestamp);
    } else if (type == XCB_SELECTION_NOTIFY) {
        const auto *notify = reinterpret_cast<const xcb_selection_notify_event_t *>(event);
        if (m_read && m_read->transfer && notify->requestor == m_window && notify->selection == m_read->change.selection)
            advance(m_read->transfer->selectionNotify(notify->target, notify->property, notify->time));
    } else if (type == XCB_PROPERTY_NOTIFY) {
        const auto *notify = reinterpret_cast<const xcb_property_notify_event_t *>(event);
        if (notify->window != m_window || notify->state != XCB_PROPERTY_NEW_VALUE)
            return;
        m_serverTime = notify->time;
        if (notify->atom == m_atoms->clock)
            return;
        if (m_read && m_read->transfer && m_read->transfer->request().property == notify->atom)
            advance(m_read->transfer->propertyNewValue(notify->atom));
        else
            drainRetired(notify->atom);
    }
}

bool XcbSelectionWorker::isOwn(xcb_window_t window) const
{
    return window != XCB_NONE && (window == m_window || (window & ~m_ownMask) == m_ownBase);
}

bool XcbSelectionWorker::readingClipboard() const
{
    return m_read && m_read->change.selection == m_atoms->clipboard;
}

void XcbSelectionWorker::ownerChanged(xcb_window_t owner, xcb_timestamp_t time)
{
    m_owner = Change{owner, time, false, m_atoms->clipboard};
    m_contentKept = false;
    if (owner == XCB_NONE) {
        // Nothing to read; whoever keeps the clipboard full decides what comes next.
        m_pending.reset();
        emit ownerGone(time);
        return;
    }
    if (m_reading)
        enqueue(m_owner);
}

void XcbSelectionWorker::enqueue(const Change &change)
{
    // Only the newest change waits: an older owner has lost the clipboard and can no longer be asked.
    m_retryTimer->stop();
    if (isOwn(change.owner)) {
        m_pending.reset();
        return;
    }
    m_pending = change;
    if (!m_read)
        startNext();
    else
        cutShortIfReplaced();
}

void XcbSelectionWorker::selectionOwnerChanged(xcb_window_t owner, xcb_timestamp_t time)
{
    m_selectionOwner = Change{owner, time, false, XCB_ATOM_PRIMARY};
    // An older selection can no longer be asked for; our own needs no reading.
    m_selectionPending.reset();
    if (!m_reading || !m_readingSelection || owner == XCB_NONE || isOwn(owner)) {
        m_settleTimer->stop();
        return;
    }
    // Selecting word by word, or line by line, takes the selection again and again: only the one
    // the user ends with is read.
    m_settleTimer->start(SelectionSettleMs);
    cutShortIfReplaced();
}

void XcbSelectionWorker::selectionSettled()
{
    if (!m_reading || !m_readingSelection || m_selectionOwner.owner == XCB_NONE)
        return;
    // A button still held may be extending the selection without taking it again.
    const auto pointer = XcbCalls::reply(xcb_query_pointer_reply(
        m_connection, xcb_query_pointer(m_connection, xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root),
        nullptr));
    constexpr quint16 Buttons = XCB_KEY_BUT_MASK_BUTTON_1 | XCB_KEY_BUT_MASK_BUTTON_2 | XCB_KEY_BUT_MASK_BUTTON_3;
    if (pointer && (pointer->mask & Buttons)) {
        m_settleTimer->start(SelectionSettleMs);
        return;
    }
    m_selectionPending = m_selectionOwner;
    startNext();
}

void XcbSelectionWorker::startNext()
{
    // The clipboard first: the mouse selection changes far more often, and matters less.
    while ((m_pending || m_selectionPending) && !m_read) {
        std::optional<Change> &next = m_pending ? m_pending : m_selectionPending;
        const Change change = *next;
        next.reset();
        if (change.owner == XCB_NONE) {
            emit textRead(QString(), change.seen, QString(), false, QString());
            continue;
        }
        m_read.emplace();
        m_read->change = change;
        m_read->rich = m_rich;
        m_read->stage = Stage::Targets;
        const XcbOwnerProgram::Program program = m_programs->of(change.owner);
        m_read->program = program.shownName();
        // Not even asked what it offers, as for secret content.
        if (program.matches(m_ignoredPrograms)) {
            skipSecret();
            continue;
        }
        request(m_atoms->targets, 32, {XCB_ATOM_ATOM, m_atoms->targets}, m_largestText);
    }
}

void XcbSelectionWorker::request(xcb_atom_t target, int format, const QList<xcb_atom_t> &acceptedTypes,
                                 qint64 maxBytes)
{
    const xcb_atom_t property = takeProperty();
    m_read->target = target;
    m_read->transfer = std::make_unique<SelectionTransfer>(
        SelectionTransfer::Request{target, property, m_read->change.time, acceptedTypes, format}, m_atoms->incr,
        maxBytes);
    // A late answer to an earlier request may still sit on the property.
    xcb_delete_property(m_connection, m_window, property);
    xcb_convert_selection(m_connection, m_window, m_read->change.selection, target, property, m_read->change.time);
    xcb_flush(m_connection);
    restartProgressTimer();
}

void XcbSelectionWorker::restartProgressTimer()
{
    // An owner that has lost the clipboard since it was asked gets less time: copies that came
    // after it wait behind it, and only the newest of them can still be read.
    m_progressTimer->start(ownerReplaced() ? ReplacedOwnerLimitMs : NoProgressLimitMs);
}

void XcbSelectionWorker::cutShortIfReplaced()
{
    if (m_read && ownerReplaced() && m_progressTimer->remainingTime() > ReplacedOwnerLimitMs)
        m_progressTimer->start(ReplacedOwnerLimitMs);
}

bool XcbSelectionWorker::ownerReplaced() const
{
    // A copy to the clipboard waiting behind a mouse selection's read cuts it short too.
    return m_pending || (m_read && m_read->change.selection == XCB_ATOM_PRIMARY
                         && (m_selectionPending || m_settleTimer->isActive()));
}

void XcbSelectionWorker::advance(SelectionTransfer::Step step)
{
    switch (step) {
    case SelectionTransfer::Step::Ignore:
        return;
    case SelectionTransfer::Step::ReadProperty:
        restartProgressTimer();
        readProperty();
        return;
    case SelectionTransfer::Step::Wait:
        restartProgressTimer();
        return;
    case SelectionTransfer::Step::Done:
        stageDone();
        return;
    case SelectionTransfer::Step::Failed:
        // The text read stands without the HTML that should have come with it.
        if (m_read->stage == Stage::Html && !m_read->text.isEmpty()) {
            releaseProperty(false);
            textDone(m_read->text);
            return;
        }
        if (m_read->transfer->failure() == SelectionTransfer::Failure::TooLarge && readingClipboard())
            m_tooLarge = m_read->change;
        // An INCR owner stalls once we stop deleting its property; anything else has answered.
        releaseProperty(false);
        // A marker offered and then not given may be guarding a password all the same.
        if (m_read->stage == Stage::Marker) {
            skipSecret();
            return;
        }
        // A mouse selection is not asked for again: the next one comes soon enough.
        if (readingClipboard())
            emit readFailed();
        endRead();
        return;
    }
}

xcb_get_property_reply_t *XcbSelectionWorker::takeValue(xcb_atom_t property)
{
    // Read whole and deleted in one request: deleting is what asks an INCR owner for more.
    return xcb_get_property_reply(
        m_connection, xcb_get_property(m_connection, 1, m_window, property, XCB_GET_PROPERTY_TYPE_ANY, 0, UINT32_MAX / 4),
        nullptr);
}

void XcbSelectionWorker::readProperty()
{
    SelectionTransfer &transfer = *m_read->transfer;
    Reply<xcb_get_property_reply_t> reply(takeValue(transfer.request().property), &std::free);
    if (!reply) {
        advance(transfer.propertyRead(XCB_NONE, 0, {}, false));
        return;
    }
    const QByteArray value(static_cast<const char *>(xcb_get_property_value(reply.get())),
                           xcb_get_property_value_length(reply.get()));
    advance(transfer.propertyRead(reply->type, reply->format, value, reply->bytes_after == 0));
}

void XcbSelectionWorker::stageDone()
{
    Read &read = *m_read;
    QByteArray data = read.transfer->data();
    releaseProperty(false);
    read.transfer.reset();

    switch (read.stage) {
    case Stage::Targets:
        targetsRead(data);
        return;
    case Stage::Marker:
        if (SecretMarkers::valueMarksSecret(read.markers.takeFirst().name, data))
            skipSecret();
        else
            requestMarkerOrText();
        return;
    case Stage::Text:
        read.text = decode(read.target, std::move(data), read.rich);
        if (read.rich || read.text.isEmpty() || !requestHtml())
            textDone(read.text);
        return;
    case Stage::Html:
        textDone(read.text, decodeHtml(std::move(data)));
        return;
    }
}

void XcbSelectionWorker::targetsRead(const QByteArray &data)
{
    Read &read = *m_read;
    read.offered.resize(data.size() / 4);
    memcpy(read.offered.data(), data.constData(), size_t(read.offered.size()) * 4);
    const auto offered = [&read](xcb_atom_t atom) { return read.offered.contains(atom); };
    if (std::any_of(m_presenceMarkers.cbegin(), m_presenceMarkers.cend(), offered)) {
        skipSecret();
        return;
    }
    for (const ValueMarker &marker : m_valueMarkers) {
        if (offered(marker.atom))
            read.markers.append(marker);
    }
    requestMarkerOrText();
}

void XcbSelectionWorker::requestMarkerOrText()
{
    if (m_read->markers.isEmpty()) {
        requestText();
        return;
    }
    // Whatever type and format the owner gives its marker.
    m_read->stage = Stage::Marker;
    request(m_read->markers.first().atom, 0, {}, MarkerMaxBytes);
}

void XcbSelectionWorker::skipSecret()
{
    if (readingClipboard())
        emit secretSkipped();
    endRead();
}

void XcbSelectionWorker::textDone(const QString &text, const QString &html)
{
    if (readingClipboard()) {
        m_contentKept = !text.isEmpty() || !html.isEmpty();
        emit textRead(text, m_read->change.seen, m_read->program, false, html);
    } else if (!text.isEmpty() || !html.isEmpty()) {
        emit textRead(text, false, m_read->program, true, html);
    }
    endRead();
}

bool XcbSelectionWorker::requestHtml()
{
    if (!m_read->offered.contains(m_atoms->html))
        return false;
    m_read->stage = Stage::Html;
    request(m_atoms->html, 8, {m_atoms->html}, m_largestText);
    return true;
}

QString XcbSelectionWorker::decodeHtml(QByteArray bytes)
{
    // Browsers write UTF-16 with a byte order mark, others UTF-8; a page may name its own. A
    // terminating NUL goes once decoded: in UTF-16 a zero byte is half of many a character.
    QStringDecoder decoder = QStringDecoder::decoderForHtml(bytes);
    if (!decoder.isValid())
        decoder = QStringDecoder(QStringDecoder::Utf8);
    QString html = decoder(std::exchange(bytes, {}));
    while (html.endsWith(QChar(0)))
        html.chop(1);
    html.squeeze();
    return html;
}

void XcbSelectionWorker::requestText()
{
    const xcb_atom_t target = chooseTarget(m_read->offered, m_read->rich);
    if (target == XCB_NONE) {
        // HTML alone becomes a text all the same.
        if (m_read->rich || !requestHtml())
            textDone(QString());
        return;
    }
    m_read->stage = Stage::Text;
    request(target, 8,
            {target, XCB_ATOM_STRING, m_atoms->utf8String, m_atoms->text, m_atoms->compoundText, m_atoms->plain,
             m_atoms->plainUtf8, m_atoms->rtf, m_atoms->applicationRtf, m_atoms->richtext},
            m_largestText);
}

xcb_atom_t XcbSelectionWorker::chooseTarget(const QList<xcb_atom_t> &offered, bool rich) const
{
    // The same preference as QtClipboard::readText through Qt's X11 clipboard: an explicit UTF-8
    // plain type, then what Qt calls text/plain (UTF8_STRING, STRING, TEXT, text/plain itself).
    const QList<xcb_atom_t> wanted = rich ? QList<xcb_atom_t>{m_atoms->rtf, m_atoms->applicationRtf, m_atoms->richtext}
                                          : QList<xcb_atom_t>{m_atoms->plainUtf8, m_atoms->utf8String, XCB_ATOM_STRING,
                                                              m_atoms->text, m_atoms->plain};
    for (xcb_atom_t atom : wanted) {
        if (offered.contains(atom))
            return atom;
    }
    return XCB_NONE;
}

QString XcbSelectionWorker::decode(xcb_atom_t target, QByteArray bytes, bool rich) const
{
    // Qt decodes the X string types itself before the clipboard bytes reach
    // QtClipboard::decodeText as UTF-8, which then changes nothing but trailing NULs; do the same
    // so both paths give one text. The bytes go as soon as the text is made.
    QString text;
    if (target == m_atoms->utf8String || target == XCB_ATOM_STRING || target == m_atoms->text) {
        const QByteArray taken = std::exchange(bytes, {});
        text = target == m_atoms->utf8String ? QString::fromUtf8(taken) : QString::fromLatin1(taken);
        while (text.endsWith(QChar(0)))
            text.chop(1);
    } else {
        text = QtClipboard::decodeText(std::move(bytes));
    }
    return QtClipboard::keptText(std::move(text), rich);
}

void XcbSelectionWorker::giveUp()
{
    if (!m_read)
        return;
    releaseProperty(true);
    // An owner slow to give its HTML has given its text all the same.
    if (m_read->stage == Stage::Html && !m_read->text.isEmpty()) {
        textDone(m_read->text);
        return;
    }
    if (readingClipboard())
        emit readFailed();
    endRead();
}

void XcbSelectionWorker::endRead()
{
    m_progressTimer->stop();
    m_read.reset();
    m_lastReadEndMs = m_clock.elapsed();
    startNext();
    if (!m_read)
        m_manager->answerWaiting(m_contentKept);
}

void XcbSelectionWorker::releaseProperty(bool answerMayFollow)
{
    if (!m_read || !m_read->transfer)
        return;
    const xcb_atom_t atom = m_read->transfer->request().property;
    const bool incremental = m_read->transfer->ownerMayWriteAgain();
    const qint64 now = m_clock.elapsed();
    for (PropertySlot &slot : m_properties) {
        if (slot.atom != atom)
            continue;
        slot.inUse = false;
        slot.releasedAtMs = now;
        slot.retired = incremental;
        slot.freeAtMs = answerMayFollow ? now + LateAnswerQuarantineMs : 0;
    }
    m_read->transfer.reset();
}

xcb_atom_t XcbSelectionWorker::takeProperty()
{
    const qint64 now = m_clock.elapsed();
    PropertySlot *chosen = nullptr;
    for (PropertySlot &slot : m_properties) {
        if (!slot.inUse && !slot.retired && slot.freeAtMs <= now) {
            chosen = &slot;
            break;
        }
    }
    if (!chosen && m_properties.size() < PropertyCount) {
        const QByteArray name = PropertyPrefix + QByteArray::number(m_properties.size());
        m_properties.append(PropertySlot{XcbCalls::intern(m_connection, name.constData())});
        chosen = &m_properties.last();
    }
    // All given up on: the one given up longest ago, least likely to get a late write.
    if (!chosen) {
        for (PropertySlot &slot : m_properties) {
            if (!slot.inUse && (!chosen || slot.releasedAtMs < chosen->releasedAtMs))
                chosen = &slot;
        }
    }
    chosen->inUse = true;
    chosen->retired = false;
    return chosen->atom;
}

void XcbSelectionWorker::drainRetired(xcb_atom_t property)
{
    // An owner we gave up on mid-INCR woke: take its chunks until its empty last one, after
    // which the property is clean again.
    for (PropertySlot &slot : m_properties) {
        if (slot.atom != property || slot.inUse || !slot.retired)
            continue;
        Reply<xcb_get_property_reply_t> reply(takeValue(property), &std::free);
        if (reply && reply->type != XCB_NONE && xcb_get_property_value_length(reply.get()) == 0)
            slot.retired = false;
    }
}
