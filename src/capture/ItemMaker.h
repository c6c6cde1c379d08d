#pragma once

#include "model/Numbers.h"

#include <QString>

class ProgramState;

// Turns a captured text into items of the focused list: split by the global settings, placed by
// the list's own add options, the new item focused and highlighted.
class ItemMaker {
public:
    explicit ItemMaker(ProgramState &state) : m_state(state) {}

    void makeItems(PaneNumber pane, ListNumber list, const QString &text);
    void addOneItem(PaneNumber pane, ListNumber list, const QString &text);

private:
    ProgramState &m_state;
};
