#include "windows/WindowCommands.h"

#include "model/ClipListBox.h"
#include "model/ItemControl.h"
#include "model/ListControl.h"
#include "model/ListExControl.h"
#include "model/ListOb.h"
#include "model/QKPRGrobal.h"
#include "windows/QKPRldata.h"
#include "windows/QKPRname.h"
#include "windows/QKPRtext.h"

WindowCommands::WindowCommands(QKPRGrobal &grobal, QKPRtext &text, QKPRname &name, QKPRldata &listData)
    : m_grobal(grobal), m_text(text), m_name(name), m_listData(listData)
{
}

void WindowCommands::NameList()
{
    const qint16 list = m_grobal.getOLx(m_grobal.listExControl().lecListFocus());
    m_name.oLx = list;
    m_name.NameIn = m_grobal.listControl().lcListOb(list).loName;
    m_name.HeadTitle = QStringLiteral("ﾘｽﾄに名前をつける-") + m_name.NameIn;
    m_name.Commander = QKPRname::NameList;
    m_name.ShowName();
}

void WindowCommands::NameItem()
{
    ListExControl &panes = m_grobal.listExControl();
    const qint16 pane = panes.lecListFocus();
    const qint16 list = m_grobal.getOLx(pane);
    ItemControl &items = m_grobal.listControl().lcListOb(list).loItemControl();
    const qint16 row = panes.lecItemGetFocus(pane);
    if (items.UB() == 0 || row < 0 || row >= items.UBic())
        return;
    const ItemOb &item = items.icItemOb(items.prooIx(row));
    m_name.cLx = pane;
    m_name.oLx = list;
    m_name.cIx = row;
    m_name.NameIn = item.ioName;
    m_name.HeadTitle = QStringLiteral("項目に名前をつける-") + (item.ioName.isEmpty() ? item.ioWords.left(32) : item.ioName);
    m_name.Commander = QKPRname::NameItem;
    m_name.ShowName();
}

void WindowCommands::ShowItemText()
{
    ListExControl &panes = m_grobal.listExControl();
    const qint16 pane = panes.lecListFocus();
    if (panes.box(pane).listCount() == 0)
        return;
    TextHandOff &hand = m_grobal.text;
    if (hand.textVis) {
        m_text.activateWindow();
        return;
    }
    const qint16 row = panes.lecItemGetFocus(pane);
    if (row < 0)
        return;
    const qint16 list = m_grobal.getOLx(pane);
    ItemControl &items = m_grobal.listControl().lcListOb(list).loItemControl();
    const qint16 item = items.prooIx(row);
    hand.textVis = true;
    hand.cLx = pane;
    hand.oLx = list;
    hand.cIx = row;
    hand.oIx = item;
    hand.Texts = items.icItemOb(item).ioWords;
    hand.HeadTitle = items.icItemOb(item).ioName;
    m_text.ShowText();
}

void WindowCommands::ShowListData()
{
    m_listData.cLx = m_grobal.listExControl().lecListFocus();
    m_listData.ShowListData();
}
