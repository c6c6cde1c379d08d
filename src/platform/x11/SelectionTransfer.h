// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>

// One request for an X selection's content, followed to its end. The owner's notice must match the
// request exactly (target, property and the request's time), so a late answer to an earlier request
// is never taken for this one; the reply must have one of the accepted types and the expected
// format; an INCR reply is joined chunk by chunk up to a size limit.
//
// Pure logic without a connection: the caller makes the X calls each step asks for and feeds in
// what the server sent. Time limits are the caller's.
class SelectionTransfer {
public:
    using Atom = quint32;

    struct Request {
        Atom target = 0;
        Atom property = 0;
        quint32 time = 0;
        QList<Atom> acceptedTypes; // besides INCR; empty: any
        int format = 8;            // 8 for text, 32 for TARGETS, 0 for any
    };

    enum class Step {
        Ignore,       // not about this request
        ReadProperty, // read the property (deleting it) and pass it to propertyRead()
        Wait,         // wait for the owner's next chunk
        Done,         // data() holds the reply
        Failed,       // given up; failure() says why
    };

    enum class Failure {
        None,
        Refused,   // the owner could not convert (property None)
        WrongType, // a type not accepted, or the wrong format
        TooLarge,  // above the size limit
        Malformed, // property missing or not read in one piece
    };

    SelectionTransfer(Request request, Atom incrType, qint64 maxBytes);

    // A SelectionNotify event arrived.
    Step selectionNotify(Atom target, Atom property, quint32 time);
    // A PropertyNotify (new value) arrived for a property of the requesting window.
    Step propertyNewValue(Atom property);
    // The property's value after ReadProperty; complete is false when bytes were left unread.
    // A missing property reads as type 0.
    Step propertyRead(Atom type, int format, const QByteArray &value, bool complete);

    const Request &request() const { return m_request; }
    bool finished() const { return m_state == State::Done || m_state == State::Failed; }
    // An INCR transfer began and did not end: its owner writes the next chunk whenever the
    // property is deleted, so the property must not be used again.
    bool ownerMayWriteAgain() const { return m_incremental && m_state != State::Done; }
    Failure failure() const { return m_failure; }
    Atom type() const { return m_type; }
    const QByteArray &data() const { return m_data; }

private:
    enum class State { Requested, ReplyRead, Incremental, ChunkRead, Done, Failed };

    Step fail(Failure failure);
    bool accepted(Atom type, int format) const;

    Request m_request;
    Atom m_incrType;
    qint64 m_maxBytes;
    State m_state = State::Requested;
    bool m_incremental = false;
    Failure m_failure = Failure::None;
    Atom m_type = 0;
    QByteArray m_data;
};
