#include "mainwindow/PaneArea.h"

#include "model/ListDisplay.h"
#include "model/PaneRecord.h"
#include "model/ProgramTexts.h"
#include "platform/ListBoxWidget.h"
#include "platform/WinColour.h"

#include <QApplication>
#include <QFrame>
#include <QLayout>
#include <QMouseEvent>
#include <algorithm>
#include <cmath>
#include <memory>
#include <stdexcept>

int PaneArea::roundHalfEven(double value)
{
    return int(std::nearbyint(value));
}

PaneArea::PaneArea(QWidget *parent) : QWidget(parent)
{
    // Pane 0's list box exists from the start and is never unloaded.
    m_clipLists.push_back(makeClipList());
    m_clipLists[0]->hide();
    loadBar(0);
    m_bars[0]->setFixedHeight(BarHeight);
    // Captions are measured in the font the lists use until a list's own font takes over.
    m_meter.setFont(QFont(ProgramTexts::defaultFontName(), 9));
}

ListBoxWidget *PaneArea::makeClipList()
{
    auto *list = new ListBoxWidget(this);
    connect(list, &ListBoxWidget::mouseReleased, this, [this, list] {
        const qint16 pane = paneOf(list);
        if (pane >= 0)
            emit rowReleased(pane);
    });
    connect(list, &ListBoxWidget::rightPressed, this, &PaneArea::popUpRequested);
    connect(list, &ListBoxWidget::doubleClicked, this, [this, list] {
        const qint16 pane = paneOf(list);
        if (pane >= 0)
            emit rowDoubleClicked(pane);
    });
    connect(list, &ListBoxWidget::leftPressed, this, [this, list](int row, Qt::KeyboardModifiers modifiers, QPoint at) {
        if (const qint16 pane = paneOf(list); pane >= 0)
            emit listLeftPressed(pane, row, modifiers, at);
    });
    connect(list, &ListBoxWidget::leftMoved, this, [this, list](QPoint at, QPointF global) {
        if (const qint16 pane = paneOf(list); pane >= 0)
            emit listLeftMoved(pane, at, global);
    });
    connect(list, &ListBoxWidget::leftReleased, this, [this, list](QPointF global) {
        if (const qint16 pane = paneOf(list); pane >= 0)
            emit listLeftReleased(pane, global);
    });
    return list;
}

qint16 PaneArea::paneOf(const QWidget *widget) const
{
    const auto found = std::find(m_clipLists.begin(), m_clipLists.end(), widget);
    return found == m_clipLists.end() ? -1 : qint16(found - m_clipLists.begin());
}

qint16 PaneArea::barOf(const QWidget *widget) const
{
    const auto found = std::find(m_bars.begin(), m_bars.end(), widget);
    return found == m_bars.end() ? -1 : qint16(found - m_bars.begin());
}

ListBoxWidget *PaneArea::clipListWidget(qint16 pane) const
{
    if (pane < 0 || size_t(pane) >= m_clipLists.size())
        return nullptr;
    return m_clipLists[size_t(pane)];
}

QFrame *PaneArea::barWidget(qint16 index) const
{
    if (index < 0 || size_t(index) >= m_bars.size())
        return nullptr;
    return m_bars[size_t(index)];
}

ClipListBox &PaneArea::listBox(qint16 pane)
{
    ListBoxWidget *list = clipListWidget(pane);
    if (!list)
        throw std::out_of_range("no list box for that pane");
    return *list;
}

void PaneArea::loadListBox(qint16 pane)
{
    if (size_t(pane) >= m_clipLists.size())
        m_clipLists.resize(size_t(pane) + 1, nullptr);
    if (!m_clipLists[size_t(pane)])
        m_clipLists[size_t(pane)] = makeClipList();
}

void PaneArea::unloadListBox(qint16 pane)
{
    if (pane == 0 || size_t(pane) >= m_clipLists.size())
        return;
    std::unique_ptr<ListBoxWidget> unloaded(m_clipLists[size_t(pane)]);
    m_clipLists[size_t(pane)] = nullptr;
    while (m_clipLists.size() > 1 && !m_clipLists.back())
        m_clipLists.pop_back();
}

void PaneArea::applyBarColour(QFrame *bar)
{
    QPalette p = bar->palette();
    // Until the settings are applied the bars keep their light grey.
    p.setColor(QPalette::Window, m_barColourSet ? WinColour::toQColor(m_barColour, QApplication::palette())
                                                : QColor(192, 192, 192));
    bar->setPalette(p);
}

void PaneArea::loadBar(qint16 index)
{
    while (m_bars.size() <= size_t(index)) {
        auto *bar = new QFrame(this);
        bar->installEventFilter(this);
        bar->setAutoFillBackground(true);
        applyBarColour(bar);
        bar->setGeometry(0, 0, width(), BarHeight);
        m_bars.push_back(bar);
    }
}

void PaneArea::unloadBar(qint16 index)
{
    if (index <= 0 || size_t(index) >= m_bars.size())
        return;
    std::unique_ptr<QFrame> unloaded(m_bars[size_t(index)]);
    m_bars.erase(m_bars.begin() + index);
}

void PaneArea::setBarPointer(qint16 index, int pointer)
{
    if (index < 0 || size_t(index) >= m_bars.size())
        return;
    if (pointer == DraggablePointer)
        m_bars[size_t(index)]->setCursor(Qt::SplitVCursor);
    else
        m_bars[size_t(index)]->unsetCursor();
}

void PaneArea::setBarColour(Colour colour)
{
    m_barColour = colour;
    m_barColourSet = true;
    for (QFrame *bar : m_bars)
        applyBarColour(bar);
}

void PaneArea::setFontSize(float points)
{
    QFont f = m_meter.font();
    if (points > 0)
        f.setPointSizeF(points);
    m_meter.setFont(f);
}

void PaneArea::setFontName(const QString &family)
{
    QFont f = m_meter.font();
    f.setFamily(family);
    m_meter.setFont(f);
}

void PaneArea::setToolStripShown(bool shown)
{
    m_toolStrip = shown;
    if (m_stripWidget)
        m_stripWidget->setVisible(shown);
    whenResize();
}

void PaneArea::setToolStrip(QWidget *strip)
{
    m_stripWidget = strip;
    strip->setGeometry(0, 0, width(), ToolStripHeight);
    strip->setVisible(m_toolStrip);
}

bool PaneArea::eventFilter(QObject *watched, QEvent *event)
{
    // Only the bars are watched: a right press over one opens the pop-up menu. The press goes on
    // to the area as well, where it ends a divider drag in progress.
    if (event->type() == QEvent::MouseButtonPress) {
        auto *press = static_cast<QMouseEvent *>(event);
        if (press->button() == Qt::RightButton)
            emit popUpRequested(press->globalPosition().toPoint());
    }
    return QWidget::eventFilter(watched, event);
}

void PaneArea::setLayoutHeld(bool held)
{
    m_held = held;
}

void PaneArea::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (m_stripWidget)
        m_stripWidget->resize(width(), ToolStripHeight);
    // The lists fill the client area, which also changes size when the menu bar comes or goes.
    whenResize();
}

double PaneArea::pixelsPerPoint() const
{
    return logicalDpiY() / 72.0;
}

float PaneArea::minimumListHeight(qint16 pane)
{
    return float(pixelsPerPoint()) * listBox(pane).fontSize() + 4.0f;
}

void PaneArea::growBy(int shortfall)
{
    // The resize is made once the current one is finished, so that the layout in progress does
    // not undo it.
    if (m_growthQueued)
        return;
    m_growthQueued = true;
    QMetaObject::invokeMethod(this, [this, shortfall] {
        m_growthQueued = false;
        window()->resize(window()->width(), window()->height() + shortfall);
    }, Qt::QueuedConnection);
}

void PaneArea::whenResize()
{
    emit layoutRequested();
    if (m_held || m_inLayout || !m_panes)
        return;
    m_inLayout = true;
    // A window not shown yet has had no resize event to place its client area.
    QWidget *top = window();
    if (!top->isVisible() && top->layout())
        top->layout()->setGeometry(top->rect());
    const int w = width();
    int available = height();
    int y = BarHeight;
    if (m_toolStrip) {
        available -= ToolStripHeight;
        y = ToolStripHeight + BarHeight;
    }
    m_bars[0]->hide();
    m_bars[0]->setGeometry(0, y - BarHeight, w, BarHeight);

    const int n = m_panes->paneCount();
    std::vector<float> minimum(static_cast<size_t>(n));
    float minimumSum = 0;
    for (int i = 0; i < n; ++i) {
        minimum[size_t(i)] = minimumListHeight(m_panes->paneAtPosition(qint16(i)));
        minimumSum += minimum[size_t(i)];
    }
    int spare = roundHalfEven(double(available) - BarHeight * (n + 1) - double(minimumSum));
    if (spare < 0) {
        // Too low for every list's minimum: the window grows by the shortfall.
        growBy(-spare);
        spare = 0;
    }

    for (int i = 0; i < n; ++i) {
        const qint16 pane = m_panes->paneAtPosition(qint16(i));
        ListBoxWidget *list = m_clipLists[size_t(pane)];
        QFrame *bar = m_bars[size_t(i + 1)];
        list->hide();
        bar->hide();
        const int share = roundHalfEven(double(m_panes->paneRecord(pane).heightShare) * spare);
        const int h = roundHalfEven(double(minimum[size_t(i)]) + share);
        list->setGeometry(0, y, w, h);
        y += h;
        bar->setGeometry(0, y, w, BarHeight);
        y += BarHeight;
    }
    for (int i = 0; i < n; ++i)
        m_clipLists[size_t(m_panes->paneAtPosition(qint16(i)))]->show();
    for (QFrame *bar : m_bars) {
        bar->resize(w, BarHeight);
        bar->show();
    }
    m_inLayout = false;
}
