#include "mainwindow/QKPRbase.h"

#include "app/ProgramTexts.h"
#include "app/QKPRGrobal.h"
#include "model/ListControl.h"
#include "model/ListExControl.h"
#include "platform/ClipList.h"
#include "platform/WinColour.h"
#include "storage/UtilityFirstList.h"
#include "storage/UtilityGrobal.h"

#include <QApplication>
#include <QFrame>
#include <QResizeEvent>
#include <QScreen>
#include <QTimer>
#include <cmath>
#include <stdexcept>

namespace {
int roundHalfEven(double value)
{
    return int(std::nearbyint(value));
}
} // namespace

QKPRbase::QKPRbase(QKPRGrobal &grobal, QWidget *parent) : QMainWindow(parent), m_grobal(grobal)
{
    m_client = new QWidget(this);
    setCentralWidget(m_client);
    m_looker = new QTimer(this);
    m_looker->setObjectName(QStringLiteral("Looker"));

    // Pane 0's list box exists from the start and is never unloaded.
    m_clipLists.push_back(makeClipList());
    m_clipLists[0]->hide();
    loadBar(0);

    m_meter.setFont(font());
    m_grobal.setPaneHost(this);
    m_grobal.setGrobalTarget(this);
}

QKPRbase::~QKPRbase()
{
    m_grobal.setPaneHost(nullptr);
    m_grobal.setGrobalTarget(nullptr);
}

ClipList *QKPRbase::makeClipList()
{
    auto *list = new ClipList(m_client);
    return list;
}

void QKPRbase::loadForm()
{
    m_loading = true;
    setWindowTitle(ProgramTexts::title());
    m_bars[0]->setFixedHeight(BarHeight);

    // Until the settings file is read here, every section takes its factory values.
    m_grobal.utilityGrobal().SetGrobalFactory();
    m_grobal.utilityFirstList().SetFirstFactory();
    m_grobal.utilityGrobal().ApplyGrobal();
    resize(307, 215);
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect desktop = screen->geometry();
        move(desktop.left() + (desktop.width() - 307) / 2, desktop.top() + (desktop.height() - 215) / 2);
    }

    ListControl &lists = m_grobal.listControl();
    lists.lcExList(lists.lcMakeList());

    setToolControl(m_toolControl);

    m_loading = false;
    whenResize();
}

void QKPRbase::setToolControl(bool shown)
{
    m_toolControl = shown;
    whenResize();
}

int QKPRbase::windowStateNumber() const
{
    if (windowState() & Qt::WindowMinimized)
        return 1;
    if (windowState() & Qt::WindowMaximized)
        return 2;
    return 0;
}

ClipList *QKPRbase::clipListWidget(qint16 pane) const
{
    if (pane < 0 || size_t(pane) >= m_clipLists.size())
        return nullptr;
    return m_clipLists[size_t(pane)];
}

QFrame *QKPRbase::barWidget(qint16 index) const
{
    if (index < 0 || size_t(index) >= m_bars.size())
        return nullptr;
    return m_bars[size_t(index)];
}

int QKPRbase::barPointer(qint16 index) const
{
    return m_barPointers.at(size_t(index));
}

ClipListBox &QKPRbase::clipList(qint16 pane)
{
    ClipList *list = clipListWidget(pane);
    if (!list)
        throw std::out_of_range("no list box for that pane");
    return *list;
}

void QKPRbase::loadClipList(qint16 pane)
{
    if (size_t(pane) >= m_clipLists.size())
        m_clipLists.resize(size_t(pane) + 1, nullptr);
    if (!m_clipLists[size_t(pane)])
        m_clipLists[size_t(pane)] = makeClipList();
}

void QKPRbase::unloadClipList(qint16 pane)
{
    if (pane == 0 || size_t(pane) >= m_clipLists.size())
        return;
    std::unique_ptr<ClipList> unloaded(m_clipLists[size_t(pane)]);
    m_clipLists[size_t(pane)] = nullptr;
    while (m_clipLists.size() > 1 && !m_clipLists.back())
        m_clipLists.pop_back();
}

void QKPRbase::loadBar(qint16 index)
{
    while (m_bars.size() <= size_t(index)) {
        auto *bar = new QFrame(m_client);
        bar->setAutoFillBackground(true);
        QPalette p = bar->palette();
        p.setColor(QPalette::Window, m_barColour ? WinColour::toQColor(m_barColour, QApplication::palette())
                                                 : QColor(192, 192, 192));
        bar->setPalette(p);
        bar->setGeometry(0, 0, m_client->width(), BarHeight);
        m_bars.push_back(bar);
        m_barPointers.push_back(DefaultPointer);
    }
}

void QKPRbase::unloadBar(qint16 index)
{
    if (index <= 0 || size_t(index) >= m_bars.size())
        return;
    std::unique_ptr<QFrame> unloaded(m_bars[size_t(index)]);
    m_bars.erase(m_bars.begin() + index);
    m_barPointers.erase(m_barPointers.begin() + index);
}

void QKPRbase::setBarPointer(qint16 index, int pointer)
{
    if (index < 0 || size_t(index) >= m_bars.size())
        return;
    m_barPointers[size_t(index)] = pointer;
    if (pointer == DraggablePointer)
        m_bars[size_t(index)]->setCursor(Qt::SplitVCursor);
    else
        m_bars[size_t(index)]->unsetCursor();
}

void QKPRbase::setBarColour(qint16 bar, Colour colour)
{
    m_barColour = colour;
    if (QFrame *shown = barWidget(bar)) {
        QPalette p = shown->palette();
        p.setColor(QPalette::Window, WinColour::toQColor(colour, QApplication::palette()));
        shown->setPalette(p);
    }
}

void QKPRbase::setTimerInterval(int milliseconds)
{
    m_looker->setInterval(milliseconds);
}

void QKPRbase::setFontSize(float points)
{
    QFont f = font();
    if (points > 0)
        f.setPointSizeF(points);
    setFont(f);
    m_meter.setFont(f);
}

void QKPRbase::ListClipActive(qint16 /*movAdd*/)
{
    // The watcher timer rule comes with clipboard capture.
}

double QKPRbase::pixelsPerPoint() const
{
    return logicalDpiY() / 72.0;
}

void QKPRbase::whenResize()
{
    if (m_loading || m_inLayout || windowStateNumber() == 1)
        return;
    m_inLayout = true;
    ListExControl &panes = m_grobal.listExControl();
    const int innerHeight = m_client->height();
    const int width = m_client->width();
    int available = innerHeight;
    int top = BarHeight;
    if (m_toolControl) {
        available = innerHeight - ToolStripHeight;
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
        resize(this->width(), height() - spare);
        spare = 0;
    }

    for (int i = 0; i < n; ++i) {
        const qint16 pane = panes.lecEx(qint16(i));
        ClipList *list = m_clipLists[size_t(pane)];
        QFrame *bar = m_bars[size_t(i + 1)];
        list->hide();
        bar->hide();
        const int h = roundHalfEven(double(minimum[size_t(i)]) + roundHalfEven(double(panes.lecListOb(pane).Hper) * spare));
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
