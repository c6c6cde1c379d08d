// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/x11/SelectionTransfer.h"

#include <QtEndian>
#include <algorithm>

namespace {
// An INCR size is only the owner's estimate; never reserve more than this up front.
constexpr qint64 MaxReserve = 64 * 1024 * 1024;
} // namespace

SelectionTransfer::SelectionTransfer(Request request, Atom incrType, qint64 maxBytes)
    : m_request(std::move(request)), m_incrType(incrType), m_maxBytes(maxBytes)
{
}

SelectionTransfer::Step SelectionTransfer::fail(Failure failure)
{
    m_state = State::Failed;
    m_failure = failure;
    m_data.clear();
    m_data.squeeze();
    return Step::Failed;
}

bool SelectionTransfer::accepted(Atom type, int format) const
{
    return (m_request.format == 0 || format == m_request.format) &&
           (m_request.acceptedTypes.isEmpty() || m_request.acceptedTypes.contains(type));
}

SelectionTransfer::Step SelectionTransfer::selectionNotify(Atom target, Atom property, quint32 time)
{
    if (m_state != State::Requested || target != m_request.target || time != m_request.time)
        return Step::Ignore;
    if (property == 0)
        return fail(Failure::Refused);
    if (property != m_request.property)
        return Step::Ignore;
    m_state = State::ReplyRead;
    return Step::ReadProperty;
}

SelectionTransfer::Step SelectionTransfer::propertyNewValue(Atom property)
{
    if (m_state != State::Incremental || property != m_request.property)
        return Step::Ignore;
    m_state = State::ChunkRead;
    return Step::ReadProperty;
}

SelectionTransfer::Step SelectionTransfer::propertyRead(Atom type, int format, const QByteArray &value, bool complete)
{
    if (m_state != State::ReplyRead && m_state != State::ChunkRead)
        return Step::Ignore;
    if (!complete || type == 0)
        return fail(Failure::Malformed);

    if (m_state == State::ReplyRead) {
        if (type == m_incrType) {
            // The value is a lower bound of the size; some owners (xclip) leave it out.
            const qint64 announced = format == 32 && value.size() >= 4 ? qFromUnaligned<quint32>(value.constData()) : 0;
            if (announced > m_maxBytes)
                return fail(Failure::TooLarge);
            m_data.reserve(qsizetype(std::min(announced, MaxReserve)));
            m_state = State::Incremental;
            m_incremental = true;
            return Step::Wait;
        }
        if (!accepted(type, format))
            return fail(Failure::WrongType);
        if (value.size() > m_maxBytes)
            return fail(Failure::TooLarge);
        m_type = type;
        m_data = value;
        m_state = State::Done;
        return Step::Done;
    }

    // One INCR chunk; an empty one ends the transfer, whatever type the owner gives it. Every
    // chunk with data must have the same accepted type.
    if (value.isEmpty()) {
        m_state = State::Done;
        return Step::Done;
    }
    if (!accepted(type, format) || (m_type != 0 && type != m_type))
        return fail(Failure::WrongType);
    m_type = type;
    if (m_data.size() + value.size() > m_maxBytes)
        return fail(Failure::TooLarge);
    m_data += value;
    m_state = State::Incremental;
    return Step::Wait;
}
