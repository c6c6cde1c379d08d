#include "mainwindow/MainCommands.h"

#include "capture/ClipboardWatcher.h"
#include "capture/ItemCommands.h"
#include "mainwindow/ListCommands.h"
#include "mainwindow/ListFileCommands.h"
#include "mainwindow/MainWindow.h"
#include "model/ListDisplay.h"
#include "model/ListRecord.h"
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
    add("Newnu", QStringLiteral("新規ﾘｽﾄ作成(&N)"), Qt::CTRL | Qt::Key_N, [&lists] { lists.makeNewList(); });
    add("Delenu", QStringLiteral("ﾘｽﾄ消去(&D)"), Qt::CTRL | Qt::Key_D, [&lists] { lists.deleteList(); });
    add("Opennu", QStringLiteral("開く(&O)..."), Qt::CTRL | Qt::Key_O, [&files] { files.openListWithDialog(); });
    add("OvSavenu", QStringLiteral("上書き保存(&S)"), Qt::CTRL | Qt::Key_S, [&files] { files.saveOver(); });
    add("Savenu", QStringLiteral("名前をつけて保存(&A)..."), {}, [&files] { files.saveListWithDialog(); });
    add("ListUpnu", QStringLiteral("ﾘｽﾄに上から追加(&T)"), {}, [&lists] { lists.setAddAtBottom(false); })->setCheckable(true);
    add("ListDownnu", QStringLiteral("ﾘｽﾄに下から追加(&B)"), {}, [&lists] { lists.setAddAtBottom(true); })->setCheckable(true);
    add("ListPositionnu", QStringLiteral("ﾘｽﾄの選択位置に追加(&L)"), {},
        [&lists] { lists.setAddAtFocus(!lists.focusedList().addAtFocus); })
        ->setCheckable(true);
    add("UpDnMovenu", QStringLiteral("ﾌｫｰｶｽを移動(&R)"), {}, [&lists] { lists.changeFocusMode(0); })->setCheckable(true);
    add("NonMovenu", QStringLiteral("ﾌｫｰｶｽを移動しない(&H)"), {}, [&lists] { lists.changeFocusMode(1); })->setCheckable(true);
    add("Endnu", QStringLiteral("ｸﾘｯﾌﾟﾎﾞｰﾄﾞ終了(&X)"), Qt::CTRL | Qt::Key_Q, [&window] { window.close(); });
    add("Stopnu", QStringLiteral("作動を停止する(&S)"), Qt::CTRL | Qt::Key_A,
        [&watcher] { watcher.setCapturing(!watcher.capturing()); })
        ->setCheckable(true);
    add("Utilitynu", QStringLiteral("設定(&U)..."), {}, [this] { emit utilityRequested(); });
    add("Namenu", QStringLiteral("ﾘｽﾄに名前をつける(&M)..."), {}, [this] { emit nameListRequested(); });
    add("Clearnu", QStringLiteral("ﾘｽﾄ内容のｸﾘｱ(&C)"), {}, [&lists] { lists.clearList(); });
    add("ListInfonu", QStringLiteral("ﾘｽﾄの詳細情報(&I)"), Qt::CTRL | Qt::Key_I, [this] { emit listDataRequested(); });
    add("Textnu", QStringLiteral("ﾃｷｽﾄに表示(&T)..."), {}, [this] { emit itemTextRequested(); });
    // Item naming has no menu-bar item; the pop-up menu and the toolbar trigger this action.
    add("popNameInu", QStringLiteral("名前を付ける(&M)..."), {}, [this] { emit nameItemRequested(); });
    // Item commands of the pop-up menu and the toolbar; they decide themselves what they can do.
    add("popJoinnu", QStringLiteral("結合(&J)"), {}, [&items] { items.joinItems(); });
    add("popDeleInu", QStringLiteral("消去(&D)"), {}, [&items] { items.deleteItems(); });
    // The toolbar's maximise button.
    add("MaxNormnu", QStringLiteral("最大化"), {}, [&window] { window.toggleMaximised(true); });
    add("MenuExnu", QStringLiteral("ﾒﾆｭｰ表示(&M)"), {}, [&window] { window.setMenuBarShown(!window.menuBarShown()); })
        ->setCheckable(true);
    add("ToolBarnu", QStringLiteral("ﾂｰﾙﾊﾞｰ表示(&B)"), {}, [&window] { window.setToolbarShown(!window.toolbarShown()); })
        ->setCheckable(true);
    add("Frontnu", QStringLiteral("常に手前に表示(&F)"), Qt::CTRL | Qt::Key_E,
        [&window] { window.setAlwaysOnTop(!window.alwaysOnTop()); })
        ->setCheckable(true);
    // From the menu the mini window opens under the mouse, from the key centred on the window.
    add("Minimamnu", QStringLiteral("最小ｳｨﾝﾄﾞｳにする(&I)"), Qt::CTRL | Qt::Key_F,
        [this] {
            const bool fromToolbar = std::exchange(m_minimiseFromToolbar, false);
            emit minimiseRequested(fromToolbar, !std::exchange(m_minimiseByKey, false));
        })
        ->installEventFilter(this);
    add("Helpinnu", QStringLiteral("目次(&C)..."), Qt::Key_F1, [&window] { window.openHelp(); });
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

void MainCommands::updateDeleteListEnabled()
{
    action(QStringLiteral("Delenu"))->setEnabled(m_state.display().paneCount() > 1);
}

void MainCommands::updateListMenu()
{
    updateDeleteListEnabled();
    if (m_state.display().paneCount() < 1)
        return;
    const ListRecord &focused = m_lists.focusedList();
    action(QStringLiteral("ListUpnu"))->setChecked(!focused.addAtBottom);
    action(QStringLiteral("ListDownnu"))->setChecked(focused.addAtBottom);
    action(QStringLiteral("ListPositionnu"))->setChecked(focused.addAtFocus);
    // A value other than 0 and 1 (from a damaged file) leaves both marks as they were.
    if (focused.focusMode == 0 || focused.focusMode == 1) {
        action(QStringLiteral("UpDnMovenu"))->setChecked(focused.focusMode == 0);
        action(QStringLiteral("NonMovenu"))->setChecked(focused.focusMode == 1);
    }
}

void MainCommands::updateOptionMenu()
{
    action(QStringLiteral("Stopnu"))->setChecked(!m_watcher.capturing());
    action(QStringLiteral("MenuExnu"))->setChecked(m_window.menuBarShown());
    action(QStringLiteral("ToolBarnu"))->setChecked(m_window.toolbarShown());
    action(QStringLiteral("Frontnu"))->setChecked(m_window.alwaysOnTop());
}
