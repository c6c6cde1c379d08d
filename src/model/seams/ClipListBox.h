// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/ModelTypes.h"

#include <QList>
#include <QString>

class QAbstractItemModel;

// The list box of one pane: a view of a list's rows, reduced to what the display state and the
// commands use. Rows are 0-based from the top. Moving the focused row never changes which rows
// are highlighted; both follow their rows as rows are added and removed above them.
class ClipListBox {
public:
    virtual ~ClipListBox() = default;

    // Shows the model's rows, or none for nullptr; nothing is highlighted or focused afterwards.
    virtual void showRows(QAbstractItemModel *rows) = 0;
    virtual int rowCount() const = 0;

    // Focused row, -1 when none.
    virtual int focusedRow() const = 0;
    virtual void setFocusedRow(int row) = 0;

    virtual bool selected(int row) const = 0;
    virtual void setSelected(int row, bool on) = 0;
    virtual int selectedCount() const = 0;
    // Highlighted rows in ascending order.
    virtual QList<int> selectedRows() const = 0;

    // A find may hide rows: they keep their numbers but are out of reach.
    virtual bool rowShown(int /*row*/) const { return true; }
    // The first shown row from row on, going by step (1 or -1); -1 when none.
    int shownRowFrom(int row, int step) const
    {
        for (; row >= 0 && row < rowCount(); row += step) {
            if (rowShown(row))
                return row;
        }
        return -1;
    }

    virtual int topIndex() const = 0;
    virtual void setTopIndex(int row) = 0;

    virtual void setColours(Colour back, Colour fore) = 0;
    virtual Colour backColour() const = 0;
    virtual Colour foreColour() const = 0;
    virtual void setListFont(const QString &family, float pointSize) = 0;
    virtual float fontSize() const = 0;

    virtual void showBox(bool shown) = 0;
};
