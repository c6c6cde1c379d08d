#include "app/ProgramRoot.h"

#include "capture/ClipboardWatcher.h"
#include "capture/ItemCommands.h"
#include "mainwindow/ListCommands.h"
#include "mainwindow/ListDisplayMenu.h"
#include "mainwindow/ListFileCommands.h"
#include "mainwindow/MainCommands.h"
#include "mainwindow/MainMenus.h"
#include "mainwindow/PaneArea.h"
#include "mainwindow/QKPRbase.h"
#include "model/ListExControl.h"
#include "model/QKPRGrobal.h"
#include "model/UtilityGrobal.h"
#include "windows/QKPRmin.h"
#include "windows/QKPRversion.h"

#include <QMenuBar>

ProgramRoot::ProgramRoot(const ProgramSeams &seams)
    : m_panes(new PaneArea),
      m_grobal(std::make_unique<QKPRGrobal>(*m_panes)),
      m_watcher(std::make_unique<ClipboardWatcher>(*m_grobal, seams.clipboard)),
      m_itemCommands(std::make_unique<ItemCommands>(*m_grobal, seams.messages)),
      m_listDisplay(std::make_unique<ListDisplayMenu>(*m_grobal, QStringLiteral("ﾘｽﾄ表示(&W)"))),
      m_listCommands(std::make_unique<ListCommands>(*m_grobal, *m_listDisplay)),
      m_listFiles(std::make_unique<ListFileCommands>(*m_grobal, *m_listCommands, seams.messages, seams.fileDialogs)),
      m_window(std::make_unique<QKPRbase>(*m_grobal, m_panes, *m_watcher, *m_itemCommands, *m_listCommands,
                                          *m_listFiles, seams.messages)),
      m_commands(std::make_unique<MainCommands>(*m_grobal, *m_window, *m_listCommands, *m_listFiles, *m_watcher)),
      m_menus(new MainMenus(*m_window->menuBar(), *m_commands, *m_listDisplay)),
      m_mini(std::make_unique<QKPRmin>(*m_window, *m_watcher, m_window->windowSettings().mini))
{
    m_panes->setPanes(m_grobal->listExControl());

    UtilityGrobal &settings = m_grobal->utilityGrobal();
    QObject::connect(&settings, &UtilityGrobal::timerIntervalChanged, m_watcher.get(), &ClipboardWatcher::setInterval);
    QObject::connect(&settings, &UtilityGrobal::barColourChanged, m_panes, &PaneArea::setBarColour);

    ListExControl &panes = m_grobal->listExControl();
    QObject::connect(&panes, &ListExControl::focusedListMovAdd, m_watcher.get(), &ClipboardWatcher::ListClipActive);
    QObject::connect(m_panes, &PaneArea::rowReleased, m_watcher.get(), [this](qint16 pane) {
        if (m_grobal->listExControl().geteLx(pane) >= 0)
            m_watcher->ClickItem(pane);
    });
    QObject::connect(m_panes, &PaneArea::layoutRequested, m_commands.get(), &MainCommands::ListMenuState);

    QObject::connect(m_commands.get(), &MainCommands::minimiseRequested, m_mini.get(),
                     [this](bool byMouse) { m_mini->Minimam(false, byMouse); });
    QObject::connect(m_watcher.get(), &ClipboardWatcher::clipboardLooked, m_mini.get(), &QKPRmin::clipboardLooked);
    QObject::connect(m_commands.get(), &MainCommands::versionRequested, m_window.get(), [this] {
        QKPRversion box(m_window.get(), m_window->TopZOrder());
        m_window->ShowModalKeepTop(box);
    });
}

ProgramRoot::~ProgramRoot() = default;

void ProgramRoot::openHandedFiles(const QStringList &files)
{
    // The strip stands in for the main window while it is shown.
    QWidget &front = m_mini->MinVis() ? static_cast<QWidget &>(*m_mini) : *m_window;
    front.show();
    front.raise();
    front.activateWindow();
    m_listFiles->OpenHandedFiles(files);
}
