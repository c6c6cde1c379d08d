// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/ModelTypes.h"

#include <QList>
#include <QString>

// The list box of one pane, reduced to what the item manager and the display state use.
// Rows are 0-based from the top. Moving the focused row never changes which rows are highlighted.
class ClipListBox {
public:
    virtual ~ClipListBox() = default;

    // Inserts a row at index, or appends it when index is -1.
    virtual void addItem(const QString &text, int index = -1) = 0;
    virtual void removeItem(int index) = 0;
    virtual void clear() = 0;
    // The index of the row added last.
    virtual int newIndex() const = 0;
    virtual int listCount() const = 0;
    virtual QString rowText(int row) const = 0;

    // Focused row, -1 when none.
    virtual int listIndex() const = 0;
    virtual void setListIndex(int row) = 0;

    virtual bool selected(int row) const = 0;
    virtual void setSelected(int row, bool on) = 0;
    virtual int selCount() const = 0;
    // Highlighted rows in ascending order.
    virtual QList<int> selectedRows() const = 0;

    // A find may hide rows: they keep their numbers but are out of reach.
    virtual bool rowShown(int /*row*/) const { return true; }
    // The first shown row from row on, going by step (1 or -1); -1 when none.
    int shownRowFrom(int row, int step) const
    {
        for (; row >= 0 && row < listCount(); row += step) {
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
