// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <QString>
#include <memory>
#include <optional>

#include <xcb/xcb.h>

class QTimer;

// Owns the X clipboard with one of the program's texts and answers every program that asks for
// it, on the clipboard thread's connection and window: the GUI thread never serves a transfer.
//
// Plain text goes out as UTF8_STRING, text/plain;charset=utf-8 and text/plain (UTF-8, LF line
// breaks), and as STRING and TEXT only when Latin-1 can carry it, with its HTML (when it has one)
// as text/html in UTF-8; rich text as text/rtf. Besides
// those, TARGETS, TIMESTAMP and MULTIPLE. Texts larger than one chunk go INCR; any number of
// requesters are served at once, each dropped after RequesterLimitMs without taking a chunk.
class XcbSelectionServer {
public:
    static constexpr qsizetype ChunkBytes = 256 * 1024;
    static constexpr int RequesterLimitMs = 5000;

    XcbSelectionServer(xcb_connection_t *connection, xcb_window_t window, xcb_atom_t selection);
    ~XcbSelectionServer();
    XcbSelectionServer(const XcbSelectionServer &) = delete;
    XcbSelectionServer &operator=(const XcbSelectionServer &) = delete;

    // Takes the selection with the text, as of time (XCB_CURRENT_TIME: now). False when another
    // owner took it after that time. The text it already serves is not taken again.
    bool serve(const QString &text, bool rich, xcb_timestamp_t time, const QString &html = {});
    // The X server reported when we became owner.
    void ownedAt(xcb_timestamp_t time) { m_ownedAt = time; }
    bool owns() const { return m_owned; }
    // Selection requests and clears, and property deletions of requesters; true when handled.
    bool handleEvent(const xcb_generic_event_t *event);
    // What a requester can ask for now.
    QList<xcb_atom_t> offeredTargets() const;

private:
    struct Transfer {
        xcb_window_t requestor = XCB_NONE;
        xcb_atom_t property = XCB_NONE;
        xcb_atom_t type = XCB_NONE;
        QByteArray data; // shared by every requester of the same target
        qsizetype sent = 0;
        qint64 lastMs = 0;
    };
    struct Atoms;

    void request(const xcb_selection_request_event_t *event);
    bool answer(xcb_window_t requestor, xcb_atom_t target, xcb_atom_t property, bool nested);
    bool answerMultiple(xcb_window_t requestor, xcb_atom_t property);
    std::optional<QByteArray> bytesFor(xcb_atom_t target, xcb_atom_t *type);
    void propertyDeleted(xcb_window_t window, xcb_atom_t property);
    void sendChunk(Transfer &transfer);
    void dropStalled();
    void finishTransfer(qsizetype index);
    void put(xcb_window_t window, xcb_atom_t property, xcb_atom_t type, int format, const void *data, quint32 count);

    xcb_connection_t *m_connection;
    xcb_window_t m_window;
    xcb_atom_t m_selection;
    std::unique_ptr<Atoms> m_atoms;
    qsizetype m_chunkBytes = ChunkBytes;
    bool m_owned = false;
    xcb_timestamp_t m_ownedAt = XCB_CURRENT_TIME;
    QString m_text;
    bool m_rich = false;
    QString m_html;
    QByteArray m_htmlBytes;
    bool m_latin1 = false;
    QByteArray m_utf8;
    QByteArray m_latin1Bytes;
    QList<Transfer> m_transfers;
    std::unique_ptr<QTimer> m_stallTimer;
    QElapsedTimer m_clock;
};
