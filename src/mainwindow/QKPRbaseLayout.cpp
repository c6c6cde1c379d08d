// Start-up, placement and the layout of panes and bars.
#include "mainwindow/QKPRbase.h"

#include "app/ProgramTexts.h"
#include "app/QKPRGrobal.h"
#include "mainwindow/ListDisplayMenu.h"
#include "mainwindow/MainMenus.h"
#include "model/ListControl.h"
#include "model/ListExControl.h"
#include "platform/ClipList.h"
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

void QKPRbase::loadForm()
{
    m_loading = true;
    setWindowTitle(ProgramTexts::title());
    m_bars[0]->setFixedHeight(BarHeight);

    // Until the settings file is read here, every section takes its factory values.
    m_grobal.utilityGrobal().SetGrobalFactory();
    m_grobal.utilityGrobal().ApplyGrobal();
    m_grobal.utilityFirstList().SetFirstFactory();
    QRect desktop(0, 0, 0, 0);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        desktop = screen->geometry();
    setPixBounds(QRect(roundHalfEven((desktop.right() + 1 - FactoryWidth) / 2.0),
                       roundHalfEven((desktop.bottom() + 1 - FactoryHeight) / 2.0), FactoryWidth, FactoryHeight));

    ListControl &lists = m_grobal.listControl();
    lists.lcExList(lists.lcMakeList());
    m_menus->Windowsnu->AddListMenu();

    setMenuExpress(m_menuExpress);
    setTopZOrder(m_topZOrder);
    setStopGo(StopGo());
    setToolControl(m_toolControl);

    m_loading = false;
    whenResize();
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
        // Too low for every list's minimum: the window grows by the shortfall.
        resize(this->width(), height() - spare);
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

void QKPRbase::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    whenResize();
}

void QKPRbase::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        whenResize();
}
