// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>
#include <algorithm>

// Item ids are unique in a run and grow with each new item; ids brought back from the history are
// taken first, so that new items come after them.
class ItemIds {
public:
    quint64 next() { return ++m_last; }
    void take(quint64 id) { m_last = std::max(m_last, id); }

private:
    quint64 m_last = 0;
};
