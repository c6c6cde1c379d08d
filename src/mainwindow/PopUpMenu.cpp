#include "mainwindow/PopUpMenu.h"

#include "mainwindow/ListCommands.h"
#include "mainwindow/ListDisplayMenu.h"
#include "mainwindow/MainCommands.h"
#include "model/ClipListBox.h"
#include "model/ListItems.h"
#include "model/ListDisplay.h"
#include "model/ListRecord.h"
#include "model/ProgramState.h"

#include <QAction>
#include <QMenu>

PopUpMenu::PopUpMenu(ProgramState &state, MainCommands &commands, ListCommands &lists, ListDisplayMenu &listDisplay)
    : m_state(state), m_commands(commands), m_lists(lists), m_listDisplay(listDisplay),
      m_menu(std::make_unique<QMenu>(QStringLiteral("popupmenunu")))
{
    m_menu->setObjectName(QStringLiteral("PopUpMenunu"));
    popItemnu = m_menu->addMenu(QStringLiteral("項目編集(&I)"));
    fill(popItemnu, {{"popJoinnu", "結合(&J)"},
                     {"popNameInu", "名前を付ける(&M)..."},
                     {"popTextnu", "ﾃｷｽﾄに表示(&T)..."},
                     {"popDeleInu", "消去(&D)"}});
    popEditnu = m_menu->addMenu(QStringLiteral("ﾘｽﾄ編集(&L)"));
    fill(popEditnu, {{"popNewnu", "作成(&N)"},
                     {"popNamenu", "名前を付ける(&M)..."},
                     {"popDelenu", "消去(&D)"},
                     {"popClearnu", "ｸﾘｱ(&C)"},
                     {"popListInfonu", "詳細(&I)"},
                     {"", ""},
                     {"popOpenun", "開く(&O)"},
                     {"popOvSavenu", "上書き保存(&S)"},
                     {"popSavenu", "名付けて保存(&A)"},
                     {"", ""},
                     {"popListUpnu", "上から追加(&T)"},
                     {"popListDownnu", "下から追加(&B)"},
                     {"", ""},
                     {"popListPositionnu", "選択位置に追加(&L)"},
                     {"", ""},
                     {"popUpDnMovenu", "移動(&R)"},
                     {"popNonMovenu", "移動なし(&H)"}});
    popListWinnu = listDisplay.addTwinMenu(QStringLiteral("ﾘｽﾄ表示(&W)"));
    m_menu->addMenu(popListWinnu);
    fill(m_menu.get(), {{"", ""},
                        {"popMenuExnu", "ﾒﾆｭｰ表示(&M)"},
                        {"popToolBarnu", "ﾂｰﾙﾊﾞｰ表示(&B)"},
                        {"popFrontnu", "常に手前に表示(&F)"},
                        {"popStopnu", "停止(&S)"},
                        {"popMinimamnu", "最小化(&I)"}});
}

PopUpMenu::~PopUpMenu() = default;

namespace {
// The command a pop-up entry stands for: the item commands carry the pop-up's names.
QString commandOf(const QString &twin)
{
    static const QStringList own{QStringLiteral("popJoinnu"), QStringLiteral("popNameInu"),
                                 QStringLiteral("popDeleInu")};
    if (own.contains(twin))
        return twin;
    QString name = twin.mid(3);
    if (name == QLatin1String("Openun"))
        return QStringLiteral("Opennu");
    return name;
}
} // namespace

void PopUpMenu::fill(QMenu *menu, std::initializer_list<std::pair<const char *, const char *>> twins)
{
    for (const auto &[name, caption] : twins) {
        if (!*name) {
            menu->addSeparator();
            continue;
        }
        QAction *command = m_commands.action(commandOf(QString::fromLatin1(name)));
        Q_ASSERT(command);
        auto *twin = new QAction(QString::fromUtf8(caption), this);
        twin->setObjectName(QString::fromLatin1(name));
        twin->setCheckable(command->isCheckable());
        connect(twin, &QAction::triggered, command, &QAction::trigger);
        menu->addAction(twin);
        m_twins.append(std::pair(twin, command));
    }
}

QAction *PopUpMenu::action(const QString &name) const
{
    for (const auto &[twin, command] : m_twins) {
        if (twin->objectName() == name)
            return twin;
    }
    return nullptr;
}

void PopUpMenu::updatePopUpMenu()
{
    m_listDisplay.updateListCaptions();
    popListWinnu->menuAction()->setVisible(true);
    m_commands.updateListMenu();
    m_commands.updateOptionMenu();
    for (const auto &[twin, command] : m_twins) {
        twin->setChecked(command->isChecked());
        twin->setEnabled(command->isEnabled());
    }

    ListDisplay &panes = m_state.display();
    const bool shown = panes.paneCount() > 0;
    const int highlighted = shown ? panes.box(panes.focusedPane()).selCount() : 0;
    const bool hasItems = shown && m_lists.focusedList().items().count() > 0;
    action(QStringLiteral("popJoinnu"))->setEnabled(highlighted > 1);
    for (const char *name : {"popNameInu", "popTextnu", "popDeleInu"})
        action(QString::fromLatin1(name))->setEnabled(hasItems);
}

void PopUpMenu::showPopUpMenu(const QPoint &globalPos)
{
    updatePopUpMenu();
    m_menu->popup(globalPos);
}
