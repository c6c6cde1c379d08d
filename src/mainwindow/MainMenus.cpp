#include "mainwindow/MainMenus.h"

#include "app/QKPRGrobal.h"
#include "mainwindow/ListDisplayMenu.h"
#include "mainwindow/ListFileCommands.h"
#include "mainwindow/QKPRbase.h"
#include "model/ListExControl.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

MainMenus::MainMenus(QKPRGrobal &grobal, QKPRbase &window, QMenuBar *bar)
    : QObject(&window), m_grobal(grobal), m_window(window), m_bar(bar)
{
    Menunu[0] = bar->addMenu(QStringLiteral("ﾘｽﾄ編集(&L)"));
    Menunu[1] = bar->addMenu(QStringLiteral("ﾘｽﾄ表示(&W)"));
    Menunu[2] = bar->addMenu(QStringLiteral("ｵﾌﾟｼｮﾝ(&O)"));
    Menunu[3] = bar->addMenu(QStringLiteral("ﾍﾙﾌﾟ(&H)"));

    QMenu *lists = Menunu[0];
    Newnu = lists->addAction(QStringLiteral("新規ﾘｽﾄ作成(&N)"), QKeySequence(Qt::CTRL | Qt::Key_N),
                             &window, &QKPRbase::MakeNewList);
    Delenu = lists->addAction(QStringLiteral("ﾘｽﾄ消去(&D)"), QKeySequence(Qt::CTRL | Qt::Key_D),
                              &window, &QKPRbase::DeleteList);
    lists->addSeparator();
    Opennu = lists->addAction(QStringLiteral("開く(&O)..."), QKeySequence(Qt::CTRL | Qt::Key_O), &window,
                              [&window] { window.listFiles().OpenListDialog(); });
    OvSavenu = lists->addAction(QStringLiteral("上書き保存(&S)"), QKeySequence(Qt::CTRL | Qt::Key_S), &window,
                                [&window] { window.listFiles().OverSave(); });
    Savenu = lists->addAction(QStringLiteral("名前をつけて保存(&A)..."), &window,
                              [&window] { window.listFiles().SaveListDialog(); });
    lists->addSeparator();
    Endnu = lists->addAction(QStringLiteral("ｸﾘｯﾌﾟﾎﾞｰﾄﾞ終了(&X)"), QKeySequence(Qt::CTRL | Qt::Key_Q),
                             &window, &QKPRbase::close);
    connect(lists, &QMenu::aboutToShow, this, &MainMenus::ListMenuState);

    Windowsnu = new ListDisplayMenu(grobal, Menunu[1], [&window](int index) { window.ListWinChange(index); });
    connect(Menunu[1], &QMenu::aboutToShow, Windowsnu, &ListDisplayMenu::SetListMenuCaptions);

    Stopnu = Menunu[2]->addAction(QStringLiteral("作動を停止する(&S)"), QKeySequence(Qt::CTRL | Qt::Key_A),
                                  &window, [&window] { window.setStopGo(!window.StopGo()); });
    Stopnu->setCheckable(true);
    connect(Menunu[2], &QMenu::aboutToShow, this, &MainMenus::OptionMenuState);
}

void MainMenus::setMenusVisible(bool shown)
{
    for (QMenu *menu : Menunu)
        menu->menuAction()->setVisible(shown);
    m_bar->setVisible(shown);
}

void MainMenus::ListMenuState()
{
    Delenu->setEnabled(m_grobal.listExControl().UBEx() > 1);
}

void MainMenus::OptionMenuState()
{
    Stopnu->setChecked(!m_window.StopGo());
}
