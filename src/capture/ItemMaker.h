// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/Numbers.h"

#include <QString>

class ListCollection;
class ListDisplay;
class GlobalSettings;

// Turns a captured text into items of the focused list: split by the global settings, placed by
// the list's own add options, the new item focused and highlighted.
class ItemMaker {
public:
    ItemMaker(ListCollection &lists, ListDisplay &display, GlobalSettings &settings)
        : m_lists(lists), m_display(display), m_settings(settings)
    {
    }

    // program: where the text was copied from, when known; html: the same content as HTML, when
    // it came with it.
    void makeItems(PaneNumber pane, ListNumber list, const QString &text, const QString &program = {},
                   const QString &html = {});
    void addOneItem(PaneNumber pane, ListNumber list, const QString &text, const QString &program = {},
                    const QString &html = {});
    // The item with the id, when the list still holds it, takes the text (and its HTML) in place;
    // false when it does not hold it.
    bool replaceText(ListNumber list, quint64 id, const QString &text, const QString &html);
    // A text the list holds already moves its item (name and all) where a new one would go.
    void setMovingDuplicates(bool on) { m_movingDuplicates = on; }

private:
    ListCollection &m_lists;
    ListDisplay &m_display;
    GlobalSettings &m_settings;
    bool m_movingDuplicates = false;
};
