// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/PaneArea.h"

#include "model/ListDisplay.h"
#include "model/ListRecord.h"
#include "model/PaneRecord.h"
#include "model/ProgramTexts.h"
#include "platform/ListBoxWidget.h"
#include "platform/WinColour.h"

#include <QApplication>
#include <QFrame>
#include <QLayout>
#include <QMouseEvent>
#include <QScreen>
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
    setMeasuringFont(QFont(ProgramTexts::defaultFontName(), 9));
}

ListBoxWidget *PaneArea::makeClipList()
{
    auto *list = new ListBoxWidget(this);
    connect(list, &ListBoxWidget::mouseReleased, this, [this, list] {
        const PaneNumber pane = paneOf(list);
        if (pane >= 0)
            emit rowReleased(pane);
    });
    connect(list, &ListBoxWidget::rightPressed, this, &PaneArea::popUpRequested);
    connect(list, &ListBoxWidget::typed, this, [this, list](const QString &text) {
        if (const PaneNumber pane = paneOf(list); pane >= 0)
            emit listTyped(pane, text);
    });
    connect(list, &ListBoxWidget::doubleClicked, this, [this, list] {
        const PaneNumber pane = paneOf(list);
        if (pane >= 0)
            emit rowDoubleClicked(pane);
    });
    connect(list, &ListBoxWidget::leftPressed, this, [this, list](int row, Qt::KeyboardModifiers modifiers, QPoint at) {
        if (const PaneNumber pane = paneOf(list); pane >= 0)
            emit listLeftPressed(pane, row, modifiers, at);
    });
    connect(list, &ListBoxWidget::leftMoved, this, [this, list](QPoint at, QPointF global) {
        if (const PaneNumber pane = paneOf(list); pane >= 0)
            emit listLeftMoved(pane, at, global);
    });
    connect(list, &ListBoxWidget::leftReleased, this, [this, list](QPointF global) {
        if (const PaneNumber pane = paneOf(list); pane >= 0)
            emit listLeftReleased(pane, global);
    });
    return list;
}

PaneNumber PaneArea::paneOf(const QWidget *widget) const
{
    const auto found = std::find(m_clipLists.begin(), m_clipLists.end(), widget);
    return PaneNumber(found == m_clipLists.end() ? -1 : found - m_clipLists.begin());
}

qint16 PaneArea::barOf(const QWidget *widget) const
{
    const auto found = std::find(m_bars.begin(), m_bars.end(), widget);
    return found == m_bars.end() ? -1 : qint16(found - m_bars.begin());
}

ListBoxWidget *PaneArea::clipListWidget(PaneNumber pane) const
{
    if (pane < 0 || size_t(pane.value()) >= m_clipLists.size())
        return nullptr;
    return m_clipLists[size_t(pane.value())];
}

QFrame *PaneArea::barWidget(qint16 index) const
{
    if (index < 0 || size_t(index) >= m_bars.size())
        return nullptr;
    return m_bars[size_t(index)];
}

ClipListBox &PaneArea::listBox(PaneNumber pane)
{
    ListBoxWidget *list = clipListWidget(pane);
    if (!list)
        throw std::out_of_range("no list box for that pane");
    return *list;
}

void PaneArea::loadListBox(PaneNumber pane)
{
    if (size_t(pane.value()) >= m_clipLists.size())
        m_clipLists.resize(size_t(pane.value()) + 1, nullptr);
    if (!m_clipLists[size_t(pane.value())])
        m_clipLists[size_t(pane.value())] = makeClipList();
}

void PaneArea::unloadListBox(PaneNumber pane)
{
    if (pane == 0 || size_t(pane.value()) >= m_clipLists.size())
        return;
    std::unique_ptr<ListBoxWidget> unloaded(m_clipLists[size_t(pane.value())]);
    m_clipLists[size_t(pane.value())] = nullptr;
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

void PaneArea::setMeasuringFont(const QFont &font)
{
    if (m_meter && font == m_meter->font())
        return;
    // No list holds the old one: it can measure in the new font.
    if (m_meter && m_meter.use_count() == 1) {
        m_meter->setFont(font);
        return;
    }
    auto meter = std::make_shared<FontTextWidth>();
    meter->setFont(font);
    m_meter = std::move(meter);
}

void PaneArea::setFontSize(float points)
{
    QFont f = m_meter->font();
    if (points > 0)
        f.setPointSizeF(points);
    setMeasuringFont(f);
}

void PaneArea::setFontName(const QString &family)
{
    QFont f = m_meter->font();
    f.setFamily(family);
    setMeasuringFont(f);
}

void PaneArea::setToolStripShown(bool shown)
{
    m_toolStrip = shown;
    if (m_stripWidget)
        m_stripWidget->setVisible(shown);
    layOutPanes();
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
    layOutPanes();
}

double PaneArea::pixelsPerPoint() const
{
    return logicalDpiY() / 72.0;
}

float PaneArea::minimumListHeight(PaneNumber pane)
{
    return float(pixelsPerPoint()) * listBox(pane).fontSize() + 4.0f;
}

int PaneArea::tallestWindowHeight() const
{
    const QWidget *top = window();
    const QScreen *screen = top->screen();
    if (!screen)
        return top->height();
    return screen->availableGeometry().height() - (top->frameGeometry().height() - top->height());
}

void PaneArea::fitWindowHeight(int shortfall)
{
    // The resize is made once the current layout is finished, so that the layout in progress
    // does not undo it; the last layout's shortfall counts.
    m_shortfall = shortfall;
    if (m_fitQueued || (shortfall <= 0 && !m_heightBeforeGrowth))
        return;
    m_fitQueued = true;
    QMetaObject::invokeMethod(this, [this] {
        m_fitQueued = false;
        QWidget *top = window();
        if (m_held || top->isMaximized() || top->isFullScreen())
            return;
        const int now = top->height();
        // A window made taller than the layout ever made it is the user's size from then on (a
        // window system may still report a height asked for before); one made lower keeps the
        // lower of the two as the size to come back to.
        if (m_heightBeforeGrowth && now > m_tallestAsked)
            m_heightBeforeGrowth.reset();
        else if (m_heightBeforeGrowth)
            m_heightBeforeGrowth = std::min(*m_heightBeforeGrowth, now);
        if (m_shortfall <= 0 && !m_heightBeforeGrowth)
            return;
        // Grown no further than the screen shows; given back down to the size it had before.
        const int lowest = m_heightBeforeGrowth.value_or(now);
        const int target = std::min(std::max(now + m_shortfall, lowest), std::max(now, tallestWindowHeight()));
        if (target == now)
            return;
        if (!m_heightBeforeGrowth) {
            m_heightBeforeGrowth = now;
            m_tallestAsked = 0;
        }
        m_tallestAsked = std::max(m_tallestAsked, target);
        if (target <= *m_heightBeforeGrowth)
            m_heightBeforeGrowth.reset();
        top->resize(top->width(), target);
    }, Qt::QueuedConnection);
}

void PaneArea::layOutPanes()
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
    place(m_bars[0], QRect(0, y - BarHeight, w, BarHeight));

    const int n = m_panes->paneCount();
    std::vector<float> minimum(static_cast<size_t>(n));
    float minimumSum = 0;
    for (int i = 0; i < n; ++i) {
        minimum[size_t(i)] = minimumListHeight(m_panes->paneAtPosition(qint16(i)));
        minimumSum += minimum[size_t(i)];
    }
    int spare = roundHalfEven(double(available) - BarHeight * (n + 1) - double(minimumSum));
    // Too low for every list's minimum: the window grows by the shortfall; with room to spare it
    // gives back what it grew by before.
    fitWindowHeight(-spare);
    spare = std::max(spare, 0);

    // Only what moved is touched: a list command changes a few of many panes.
    for (int i = 0; i < n; ++i) {
        const PaneNumber pane = m_panes->paneAtPosition(qint16(i));
        const int share = roundHalfEven(double(m_panes->paneRecord(pane).heightShare) * spare);
        const int h = roundHalfEven(double(minimum[size_t(i)]) + share);
        ListBoxWidget *list = m_clipLists[size_t(pane.value())];
        // Heard by assistive technology as the name of the list it shows.
        if (const QString &name = m_panes->recordOfPane(pane).name; list->accessibleName() != name)
            list->setAccessibleName(name);
        place(list, QRect(0, y, w, h));
        y += h;
        place(m_bars[size_t(i + 1)], QRect(0, y, w, BarHeight));
        y += BarHeight;
    }
    m_inLayout = false;
}

void PaneArea::place(QWidget *widget, const QRect &geometry)
{
    if (widget->geometry() != geometry)
        widget->setGeometry(geometry);
    if (widget->isHidden())
        widget->show();
}
