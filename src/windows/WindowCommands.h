#pragma once

class QKPRGrobal;
class QKPRldata;
class QKPRname;
class QKPRtext;

// The commands that open a secondary window on the focused list or item.
class WindowCommands {
public:
    WindowCommands(QKPRGrobal &grobal, QKPRtext &text, QKPRname &name, QKPRldata &listData);

    void NameList();
    void NameItem();
    void ShowItemText();
    void ShowListData();

private:
    QKPRGrobal &m_grobal;
    QKPRtext &m_text;
    QKPRname &m_name;
    QKPRldata &m_listData;
};
