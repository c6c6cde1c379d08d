#pragma once

class ProgramState;
class ListInfoDialog;
class NamingDialog;
class TextWindow;

// The commands that open a secondary window on the focused list or item.
class WindowCommands {
public:
    WindowCommands(ProgramState &state, TextWindow &text, NamingDialog &name, ListInfoDialog &listData);

    void nameList();
    void nameItem();
    void showItemText();
    void showListData();

private:
    ProgramState &m_state;
    TextWindow &m_text;
    NamingDialog &m_name;
    ListInfoDialog &m_listData;
};
