// SPDX-License-Identifier: GPL-3.0-or-later
#include "FakeClipListBox.h"

#include <algorithm>

FakeClipListBox::FakeClipListBox() = default;

void FakeClipListBox::showRows(QAbstractItemModel *rows)
{
    m_selection.setModel(rows);
    m_selection.clear();
}

int FakeClipListBox::rowCount() const
{
    return m_selection.model() ? m_selection.model()->rowCount() : 0;
}

void FakeClipListBox::setFocusedRow(int row)
{
    if (m_selection.model())
        m_selection.setCurrentIndex(m_selection.model()->index(row, 0), QItemSelectionModel::NoUpdate);
}

bool FakeClipListBox::selected(int row) const
{
    return m_selection.model() && m_selection.isRowSelected(row, QModelIndex());
}

void FakeClipListBox::setSelected(int row, bool on)
{
    if (m_selection.model())
        m_selection.select(m_selection.model()->index(row, 0), on ? QItemSelectionModel::Select : QItemSelectionModel::Deselect);
}

QList<int> FakeClipListBox::selectedRows() const
{
    QList<int> rows;
    for (const QModelIndex &index : m_selection.selectedRows())
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

QStringList FakeClipListBox::rows() const
{
    QStringList shown;
    const QAbstractItemModel *model = m_selection.model();
    for (int row = 0; model && row < model->rowCount(); ++row)
        shown.append(model->index(row, 0).data().toString());
    return shown;
}
