// Start-up, the settings read and written around the run, placement and the layout of panes and bars.
#include "mainwindow/QKPRbase.h"

#include "app/MessageBoxPort.h"
#include "app/ProgramTexts.h"
#include "app/QKPRGrobal.h"
#include "capture/ClipboardWatcher.h"
#include "mainwindow/ListDisplayMenu.h"
#include "mainwindow/ListFileCommands.h"
#include "mainwindow/MainMenus.h"
#include "model/ListControl.h"
#include "model/ListExControl.h"
#include "platform/ClipList.h"
#include "storage/SettingsFile.h"
#include "storage/UtilityFirstList.h"
#include "storage/UtilityGrobal.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLayout>
#include <QResizeEvent>
#include <QScreen>
#include <cmath>

namespace {
int roundHalfEven(double value)
{
    return int(std::nearbyint(value));
}
} // namespace

void QKPRbase::loadForm(const QStringList &files)
{
    m_loading = true;
    setWindowTitle(ProgramTexts::title());
    m_bars[0]->setFixedHeight(BarHeight);

    Started();

    ListControl &lists = m_grobal.listControl();
    lists.lcExList(lists.lcMakeList());
    m_menus->Windowsnu->AddListMenu();

    setMenuExpress(m_menuExpress);
    setTopZOrder(m_topZOrder);
    setStopGo(StopGo());
    setToolControl(m_toolControl);

    m_loading = false;
    whenResize();
    m_listFiles->OpenCommandFiles(files);
}

QRect QKPRbase::desktopRect() const
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect();
}

void QKPRbase::Started()
{
    const QRect desktop = desktopRect();
    if (m_settingsPath.isEmpty()) {
        m_grobal.utilityGrobal().SetGrobalFactory();
        m_grobal.utilityGrobal().ApplyGrobal();
        m_grobal.utilityFirstList().SetFirstFactory();
        m_windows = WindowSettings();
        m_windows.main.setFactory(desktop);
    } else {
        SettingsFile(m_grobal.utilityGrobal(), m_grobal.utilityFirstList(), m_windows).Started(m_settingsPath, desktop);
    }
    const MainWindowSettings &main = m_windows.main;
    // The switches are stored now and take effect when the start-up assigns them their values.
    m_menuExpress = main.MenuExpress;
    m_topZOrder = main.TopZOrder;
    m_watcher->restoreStopGo(main.StopGo);
    m_toolControl = main.ToolControl;
    m_normalBounds = QRect(main.Left, main.Top, main.Width, main.Height);
    setPixBounds(m_normalBounds);
    m_windowState = main.WindowState;
    if (m_windowState == MainWindowSettings::Maximised)
        setWindowState(windowState() | Qt::WindowMaximized);
}

void QKPRbase::Ended()
{
    MainWindowSettings &main = m_windows.main;
    main.MenuExpress = m_menuExpress;
    main.TopZOrder = m_topZOrder;
    main.StopGo = StopGo();
    main.ToolControl = m_toolControl;
    main.WindowState = qint16(m_windowState == MainWindowSettings::Maximised ? m_windowState : MainWindowSettings::Normal);
    const QRect bounds = m_windowState == MainWindowSettings::Normal ? QRect(PixLeft(), PixTop(), PixWidth(), PixHeight())
                                                                     : m_normalBounds;
    main.Left = bounds.left();
    main.Top = bounds.top();
    main.Width = bounds.width();
    main.Height = bounds.height();
    if (m_settingsPath.isEmpty())
        return;
    SettingsFile file(m_grobal.utilityGrobal(), m_grobal.utilityFirstList(), m_windows);
    if (!file.Ended(m_settingsPath)) {
        m_messages->show(ProgramTexts::title(),
                         QStringLiteral("設定ﾌｧｲﾙ：") + m_settingsPath + m_grobal.CrLf + m_grobal.CrLf +
                             QStringLiteral("設定を保存できませんでした。") + m_grobal.CrLf + file.errorString(),
                         MessageBoxPort::Icon::Critical, MessageBoxPort::Buttons::Ok);
    }
}

int QKPRbase::PixLeft() const { return frameGeometry().left(); }
int QKPRbase::PixTop() const { return frameGeometry().top(); }
int QKPRbase::PixWidth() const { return frameGeometry().width(); }
int QKPRbase::PixHeight() const { return frameGeometry().height(); }

void QKPRbase::setPixBounds(const QRect &outer)
{
    // Qt sizes the client area and places the frame; the frame's extra size is known once shown.
    const QRect frame = frameGeometry();
    const QRect client = geometry();
    const int extraWidth = frame.width() - client.width();
    const int extraHeight = frame.height() - client.height();
    resize(qMax(1, outer.width() - extraWidth), qMax(1, outer.height() - extraHeight));
    move(outer.topLeft());
}

double QKPRbase::pixelsPerPoint() const
{
    return logicalDpiY() / 72.0;
}

void QKPRbase::whenResize()
{
    m_menus->ListMenuState();
    if (m_loading || m_inLayout || m_windowState == 1)
        return;
    m_inLayout = true;
    // A window not shown yet has had no resize event to place its client area.
    if (!isVisible() && layout())
        layout()->setGeometry(rect());
    ListExControl &panes = m_grobal.listExControl();
    const int width = m_client->width();
    int available = m_client->height();
    int top = BarHeight;
    if (m_toolControl) {
        available -= ToolStripHeight;
        top = ToolStripHeight + BarHeight;
    }
    m_bars[0]->hide();
    m_bars[0]->setGeometry(0, top - BarHeight, width, BarHeight);

    const int n = panes.UBEx();
    const float ppp = float(pixelsPerPoint());
    std::vector<float> minimum(static_cast<size_t>(n));
    float minimumSum = 0;
    for (int i = 0; i < n; ++i) {
        minimum[size_t(i)] = ppp * clipList(panes.lecEx(qint16(i))).fontSize() + 4.0f;
        minimumSum += minimum[size_t(i)];
    }
    int spare = roundHalfEven(double(available) - BarHeight * (n + 1) - double(minimumSum));
    if (spare < 0) {
        // Too low for every list's minimum: the window grows by the shortfall. The resize is made
        // once the current one is finished, so that it is not undone by the layout in progress.
        if (!m_growthQueued) {
            m_growthQueued = true;
            QMetaObject::invokeMethod(this, [this, shortfall = -spare] {
                m_growthQueued = false;
                resize(this->width(), height() + shortfall);
            }, Qt::QueuedConnection);
        }
        spare = 0;
    }

    for (int i = 0; i < n; ++i) {
        const qint16 pane = panes.lecEx(qint16(i));
        ClipList *list = m_clipLists[size_t(pane)];
        QFrame *bar = m_bars[size_t(i + 1)];
        list->hide();
        bar->hide();
        const int share = roundHalfEven(double(panes.lecListOb(pane).Hper) * spare);
        const int h = roundHalfEven(double(minimum[size_t(i)]) + share);
        list->setGeometry(0, top, width, h);
        top += h;
        bar->setGeometry(0, top, width, BarHeight);
        top += BarHeight;
    }
    for (int i = 0; i < n; ++i)
        m_clipLists[size_t(panes.lecEx(qint16(i)))]->show();
    for (QFrame *bar : m_bars) {
        bar->resize(width, BarHeight);
        bar->show();
    }
    m_inLayout = false;
}

void QKPRbase::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) {
        // Maximised from the window frame: remember the normal bounds as the toggle command does.
        if (isMaximized() && m_windowState == MainWindowSettings::Normal) {
            const QMargins frame(geometry().left() - frameGeometry().left(), geometry().top() - frameGeometry().top(),
                                 frameGeometry().right() - geometry().right(),
                                 frameGeometry().bottom() - geometry().bottom());
            m_normalBounds = normalGeometry().marginsAdded(frame);
            m_windowState = MainWindowSettings::Maximised;
        } else if (!isMaximized() && !isMinimized() && m_windowState == MainWindowSettings::Maximised) {
            m_windowState = MainWindowSettings::Normal;
        }
        whenResize();
    }
}
