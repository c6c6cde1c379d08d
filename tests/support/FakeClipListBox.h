// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/seams/ClipListBox.h"

#include <QStringList>
#include <set>

// An in-memory list box for unit tests of the data model.
class FakeClipListBox : public ClipListBox {
public:
    void addItem(const QString &text, int index = -1) override;
    void removeItem(int index) override;
    void clear() override;
    int newIndex() const override { return m_newIndex; }
    int listCount() const override { return int(rows.size()); }
    QString rowText(int row) const override { return rows.value(row); }

    int listIndex() const override { return m_index; }
    void setListIndex(int row) override { m_index = row; }

    bool selected(int row) const override { return m_selected.count(row) > 0; }
    void setSelected(int row, bool on) override;
    int selCount() const override { return int(m_selected.size()); }
    QList<int> selectedRows() const override { return QList<int>(m_selected.begin(), m_selected.end()); }

    int topIndex() const override { return m_top; }
    void setTopIndex(int row) override { m_top = row; }

    void setColours(Colour back, Colour fore) override { m_back = back; m_fore = fore; }
    Colour backColour() const override { return m_back; }
    Colour foreColour() const override { return m_fore; }
    void setListFont(const QString &family, float pointSize) override { fontName = family; m_fontSize = pointSize; }
    float fontSize() const override { return m_fontSize; }
    void showBox(bool shown) override { visible = shown; }

    QStringList rows;
    QString fontName;
    bool visible = true;

private:
    int m_newIndex = -1;
    int m_index = -1;
    int m_top = 0;
    std::set<int> m_selected;
    Colour m_back = 0;
    Colour m_fore = 0;
    float m_fontSize = 9;
};
