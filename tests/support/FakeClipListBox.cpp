// SPDX-License-Identifier: GPL-3.0-or-later
#include "FakeClipListBox.h"

#include <QtTest>

// Rows below a change move like a real list box's: highlights and the focused row follow their rows.
namespace {
std::set<int> shifted(const std::set<int> &rows, int from, int by)
{
    std::set<int> out;
    for (int r : rows) {
        if (r >= from)
            out.insert(r + by);
        else
            out.insert(r);
    }
    return out;
}
} // namespace

void FakeClipListBox::addItem(const QString &text, int index)
{
    if (index < 0 || index > rows.size())
        index = int(rows.size());
    rows.insert(index, text);
    m_selected = shifted(m_selected, index, 1);
    if (m_index >= index)
        ++m_index;
    m_newIndex = index;
}

void FakeClipListBox::removeItem(int index)
{
    if (index < 0 || index >= rows.size()) {
        QTest::qFail("removeItem outside the rows", __FILE__, __LINE__);
        return;
    }
    rows.removeAt(index);
    m_selected.erase(index);
    m_selected = shifted(m_selected, index + 1, -1);
    if (m_index == index)
        m_index = index < rows.size() ? index : int(rows.size()) - 1;
    else if (m_index > index)
        --m_index;
}

void FakeClipListBox::clear()
{
    rows.clear();
    m_selected.clear();
    m_index = -1;
    m_newIndex = -1;
}

void FakeClipListBox::setSelected(int row, bool on)
{
    if (on)
        m_selected.insert(row);
    else
        m_selected.erase(row);
}
