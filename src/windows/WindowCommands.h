// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class ListCollection;
class ListDisplay;
class ListInfoDialog;
class NamingDialog;
class TextWindow;

// The commands that open a secondary window on the focused list or item.
class WindowCommands {
public:
    WindowCommands(ListCollection &lists, ListDisplay &display, TextWindow &text, NamingDialog &name,
                   ListInfoDialog &listData);

    void nameList();
    void nameItem();
    void showItemText();
    void showListData();

private:
    ListCollection &m_lists;
    ListDisplay &m_display;
    TextWindow &m_text;
    NamingDialog &m_name;
    ListInfoDialog &m_listData;
};
