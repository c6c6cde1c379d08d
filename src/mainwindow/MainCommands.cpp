#include "mainwindow/MainCommands.h"

#include "capture/ClipboardWatcher.h"
#include "capture/ItemCommands.h"
#include "mainwindow/ListCommands.h"
#include "mainwindow/ListFileCommands.h"
#include "mainwindow/MainWindow.h"
#include "model/ListDisplay.h"
#include "model/ClipList.h"
#include "model/ProgramState.h"

#include <QAction>
#include <QEvent>
#include <QKeySequence>
#include <utility>
#include <QWidget>

MainCommands::MainCommands(ProgramState &state, MainWindow &window, ListCommands &lists, ListFileCommands &files,
                           ClipboardWatcher &watcher, ItemCommands &items)
    : m_state(state), m_window(window), m_lists(lists), m_watcher(watcher)
{
    add("Newnu", QStringLiteral("新規ﾘｽﾄ作成(&N)"), Qt::CTRL | Qt::Key_N, [&lists] { lists.MakeNewList(); });
    add("Delenu", QStringLiteral("ﾘｽﾄ消去(&D)"), Qt::CTRL | Qt::Key_D, [&lists] { lists.DeleteList(); });
    add("Opennu", QStringLiteral("開く(&O)..."), Qt::CTRL | Qt::Key_O, [&files] { files.OpenListDialog(); });
    add("OvSavenu", QStringLiteral("上書き保存(&S)"), Qt::CTRL | Qt::Key_S, [&files] { files.OverSave(); });
    add("Savenu", QStringLiteral("名前をつけて保存(&A)..."), {}, [&files] { files.SaveListDialog(); });
    add("ListUpnu", QStringLiteral("ﾘｽﾄに上から追加(&T)"), {}, [&lists] { lists.setAddAtBottom(false); })->setCheckable(true);
    add("ListDownnu", QStringLiteral("ﾘｽﾄに下から追加(&B)"), {}, [&lists] { lists.setAddAtBottom(true); })->setCheckable(true);
    add("ListPositionnu", QStringLiteral("ﾘｽﾄの選択位置に追加(&L)"), {},
        [&lists] { lists.setAddAtFocus(!lists.focusedList().addAtFocus); })
        ->setCheckable(true);
    add("UpDnMovenu", QStringLiteral("ﾌｫｰｶｽを移動(&R)"), {}, [&lists] { lists.changeFocusMode(0); })->setCheckable(true);
    add("NonMovenu", QStringLiteral("ﾌｫｰｶｽを移動しない(&H)"), {}, [&lists] { lists.changeFocusMode(1); })->setCheckable(true);
    add("Endnu", QStringLiteral("ｸﾘｯﾌﾟﾎﾞｰﾄﾞ終了(&X)"), Qt::CTRL | Qt::Key_Q, [&window] { window.close(); });
    add("Stopnu", QStringLiteral("作動を停止する(&S)"), Qt::CTRL | Qt::Key_A,
        [&watcher] { watcher.setStopGo(!watcher.StopGo()); })
        ->setCheckable(true);
    add("Utilitynu", QStringLiteral("設定(&U)..."), {}, [this] { emit utilityRequested(); });
    add("Namenu", QStringLiteral("ﾘｽﾄに名前をつける(&M)..."), {}, [this] { emit nameListRequested(); });
    add("Clearnu", QStringLiteral("ﾘｽﾄ内容のｸﾘｱ(&C)"), {}, [&lists] { lists.ClearList(); });
    add("ListInfonu", QStringLiteral("ﾘｽﾄの詳細情報(&I)"), Qt::CTRL | Qt::Key_I, [this] { emit listDataRequested(); });
    add("Textnu", QStringLiteral("ﾃｷｽﾄに表示(&T)..."), {}, [this] { emit itemTextRequested(); });
    // Item naming has no menu-bar item; the pop-up menu and the toolbar trigger this action.
    add("popNameInu", QStringLiteral("名前を付ける(&M)..."), {}, [this] { emit nameItemRequested(); });
    // Item commands of the pop-up menu and the toolbar; they decide themselves what they can do.
    add("popJoinnu", QStringLiteral("結合(&J)"), {}, [&items] { items.JoinItems(); });
    add("popDeleInu", QStringLiteral("消去(&D)"), {}, [&items] { items.DeleteItems(); });
    // The toolbar's maximise button.
    add("MaxNormnu", QStringLiteral("最大化"), {}, [&window] { window.MaxNormToggle(true); });
    add("MenuExnu", QStringLiteral("ﾒﾆｭｰ表示(&M)"), {}, [&window] { window.setMenuExpress(!window.MenuExpress()); })
        ->setCheckable(true);
    add("ToolBarnu", QStringLiteral("ﾂｰﾙﾊﾞｰ表示(&B)"), {}, [&window] { window.setToolControl(!window.ToolControl()); })
        ->setCheckable(true);
    add("Frontnu", QStringLiteral("常に手前に表示(&F)"), Qt::CTRL | Qt::Key_E,
        [&window] { window.setTopZOrder(!window.TopZOrder()); })
        ->setCheckable(true);
    // From the menu the mini window opens under the mouse, from the key centred on the window.
    add("Minimamnu", QStringLiteral("最小ｳｨﾝﾄﾞｳにする(&I)"), Qt::CTRL | Qt::Key_F,
        [this] {
            const bool fromToolbar = std::exchange(m_minimiseFromToolbar, false);
            emit minimiseRequested(fromToolbar, !std::exchange(m_minimiseByKey, false));
        })
        ->installEventFilter(this);
    add("Helpinnu", QStringLiteral("目次(&C)..."), Qt::Key_F1, [&window] { window.OpenHelp(); });
    add("Versionnu", QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報(&V)..."), {}, [this] { emit versionRequested(); });
}

bool MainCommands::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Shortcut)
        m_minimiseByKey = true;
    return QObject::eventFilter(watched, event);
}

QAction *MainCommands::add(const char *name, const QString &caption, const QKeySequence &shortcut,
                           std::function<void()> run)
{
    auto *action = new QAction(caption, this);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(shortcut);
    connect(action, &QAction::triggered, this, [run = std::move(run)] { run(); });
    m_window.addAction(action);
    m_actions.append(action);
    return action;
}

QAction *MainCommands::action(const QString &name) const
{
    for (QAction *action : m_actions) {
        if (action->objectName() == name)
            return action;
    }
    return nullptr;
}

void MainCommands::minimiseFromToolbar()
{
    m_minimiseFromToolbar = true;
    action(QStringLiteral("Minimamnu"))->trigger();
    m_minimiseFromToolbar = false;
}

void MainCommands::DeleteListState()
{
    action(QStringLiteral("Delenu"))->setEnabled(m_state.display().paneCount() > 1);
}

void MainCommands::ListMenuState()
{
    DeleteListState();
    if (m_state.display().paneCount() < 1)
        return;
    const ClipList &focused = m_lists.focusedList();
    action(QStringLiteral("ListUpnu"))->setChecked(!focused.addAtBottom);
    action(QStringLiteral("ListDownnu"))->setChecked(focused.addAtBottom);
    action(QStringLiteral("ListPositionnu"))->setChecked(focused.addAtFocus);
    // A value other than 0 and 1 (from a damaged file) leaves both marks as they were.
    if (focused.focusMode == 0 || focused.focusMode == 1) {
        action(QStringLiteral("UpDnMovenu"))->setChecked(focused.focusMode == 0);
        action(QStringLiteral("NonMovenu"))->setChecked(focused.focusMode == 1);
    }
}

void MainCommands::OptionMenuState()
{
    action(QStringLiteral("Stopnu"))->setChecked(!m_watcher.StopGo());
    action(QStringLiteral("MenuExnu"))->setChecked(m_window.MenuExpress());
    action(QStringLiteral("ToolBarnu"))->setChecked(m_window.ToolControl());
    action(QStringLiteral("Frontnu"))->setChecked(m_window.TopZOrder());
}
