// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/seams/ClipListBox.h"

#include <QItemSelectionModel>
#include <QStringList>

// A list box without widgets for unit tests of the data model: Qt's own selection model over the
// rows shown keeps the highlight and the focused row as a real view's would.
class FakeClipListBox : public ClipListBox {
public:
    FakeClipListBox();

    void showRows(QAbstractItemModel *rows) override;
    int rowCount() const override;

    int focusedRow() const override { return m_selection.currentIndex().row(); }
    void setFocusedRow(int row) override;

    bool selected(int row) const override;
    void setSelected(int row, bool on) override;
    int selectedCount() const override { return int(selectedRows().size()); }
    QList<int> selectedRows() const override;

    int topIndex() const override { return m_top; }
    void setTopIndex(int row) override { m_top = row; }

    void setColours(Colour back, Colour fore) override { m_back = back; m_fore = fore; }
    Colour backColour() const override { return m_back; }
    Colour foreColour() const override { return m_fore; }
    void setListFont(const QString &family, float pointSize) override { fontName = family; m_fontSize = pointSize; }
    float fontSize() const override { return m_fontSize; }
    void showBox(bool shown) override { visible = shown; }

    // The rows as the box shows them.
    QStringList rows() const;

    QString fontName;
    bool visible = true;

private:
    QItemSelectionModel m_selection;
    int m_top = 0;
    Colour m_back = 0;
    Colour m_fore = 0;
    float m_fontSize = 9;
};
