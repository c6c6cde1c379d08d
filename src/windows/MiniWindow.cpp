// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/MiniWindow.h"

#include "capture/ClipboardWatcher.h"
#include "mainwindow/MainWindow.h"
#include "model/ProgramTexts.h"
#include "platform/DesktopArea.h"
#include "storage/MiniWindowSettings.h"
#include "storage/WindowPlacement.h"

#include <QCloseEvent>
#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <cmath>
#include <utility>

namespace {
constexpr int ButtonSize = 16;
constexpr int RowTop = 12;
constexpr int LampSize = 12;
// The cursor lies this far inside the button it is put on.
constexpr int CursorInset = 8;

void setBackground(QLabel *label, QRgb colour)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, QColor::fromRgb(colour));
    label->setPalette(palette);
}

int centred(int otherStart, int otherSize, int ownSize)
{
    return int(std::nearbyint((2.0 * otherStart + otherSize) / 2.0 - ownSize / 2.0));
}
} // namespace

MiniWindow::MiniWindow(MainWindow &main, ClipboardWatcher &watcher, MiniWindowSettings &settings)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), m_main(main),
      m_watcher(watcher), m_settings(settings)
{
    setObjectName(QStringLiteral("MiniWindow"));
    // The caption names the strip in the task bar and the window switcher.
    setWindowTitle(ProgramTexts::title());
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);

    int x = 3;
    for (int i = 0; i < 2; ++i) {
        buttonImages[i] = new QLabel(this);
        buttonImages[i]->setObjectName(QStringLiteral("buttonImages%1").arg(i));
        buttonImages[i]->setGeometry(x, RowTop, ButtonSize, ButtonSize);
        x += ButtonSize + 4;
    }
    buttonImages[1]->setPixmap(QIcon(QStringLiteral(":/icons/TNMIN.png")).pixmap(ButtonSize, ButtonSize));
    buttonImages[1]->setToolTip(QStringLiteral("元に戻す"));

    lamp = new QLabel(this);
    lamp->setObjectName(QStringLiteral("lamp"));
    lamp->setGeometry(x, RowTop, LampSize, LampSize);
    lamp->setAutoFillBackground(true);
    lamp->setToolTip(QStringLiteral("コピー認識ランプ"));
    setBackground(lamp, LampOff);
    setFixedSize(LampSize + x + 4, StripHeight);

    topBar = new QLabel(QStringLiteral("Arlen.T.K."), this);
    topBar->setObjectName(QStringLiteral("topBar"));
    topBar->setGeometry(1, 1, width() - 2, 8);
    topBar->setAutoFillBackground(true);
    QFont tiny = topBar->font();
    tiny.setPixelSize(7);
    topBar->setFont(tiny);
    QPalette bar = topBar->palette();
    bar.setColor(QPalette::Window, bar.color(QPalette::Highlight));
    bar.setColor(QPalette::WindowText, bar.color(QPalette::HighlightedText));
    topBar->setPalette(bar);
}

void MiniWindow::showInPlaceOfMain(bool byMouse, bool activate)
{
    m_underMouse = byMouse;
    m_backAtRestorePlace = m_main.outerLeft() == m_settings.restoreX && m_main.outerTop() == m_settings.restoreY && m_restoreFitted;
    m_main.hide();
    m_shown = true;
    dimLamp();
    placeStrip();
    setAttribute(Qt::WA_ShowWithoutActivating, !activate);
    show();
    raise();
    if (activate)
        activateWindow();
}

void MiniWindow::placeStrip()
{
    m_hoverTool = -1;
    m_pressedTool = -1;
    m_dragOn = false;
    showCaptureState();
    if (m_backAtRestorePlace) {
        move(m_leftAtRestore, m_topAtRestore);
    } else if (m_underMouse) {
        const QPoint cursor = QCursor::pos();
        move(cursor - buttonImages[1]->pos() - QPoint(CursorInset, CursorInset));
    } else {
        move(centred(m_main.outerLeft(), m_main.outerWidth(), width()), centred(m_main.outerTop(), m_main.outerHeight(), height()));
    }
    update();
}

void MiniWindow::restoreMain(qint32 &left, qint32 &top)
{
    m_watcher.restoreCapture();
    if (m_underMouse) {
        const QPoint button = m_main.miniButtonOffset();
        left -= button.x() + CursorInset;
        top -= button.y() + CursorInset;
    } else {
        left = centred(x(), width(), m_main.outerWidth());
        top = centred(y(), height(), m_main.outerHeight());
    }
    m_restoreFitted = WindowPlacement::fitOnScreen(left, top, m_main.outerWidth(), m_main.outerHeight(), DesktopArea::rect());
    m_leftAtRestore = x();
    m_topAtRestore = y();
    m_main.move(left, top);
    m_main.show();
    m_settings.restoreX = m_main.outerLeft();
    m_settings.restoreY = m_main.outerTop();
    m_shown = false;
}

void MiniWindow::lightLamp()
{
    m_lampLit = true;
    setBackground(lamp, LampOn);
}

void MiniWindow::dimLamp()
{
    m_lampLit = false;
    setBackground(lamp, LampOff);
}

void MiniWindow::clipboardLooked(bool captured)
{
    if (captured && m_shown)
        lightLamp();
    else if (!captured && m_lampLit)
        dimLamp();
}

void MiniWindow::restore(bool byMouse)
{
    m_underMouse = byMouse;
    const QPoint cursor = QCursor::pos();
    qint32 x = cursor.x();
    qint32 y = cursor.y();
    restoreMain(x, y);
    // Hidden, not closed: a close would take the strip's native window with it, and a close
    // request is what ends the program.
    hide();
}

void MiniWindow::bringBackMain()
{
    if (m_shown)
        restore(false);
    // Not showNormal(): a maximised window comes back maximised.
    if (m_main.isMinimized())
        m_main.setWindowState(m_main.windowState() & ~Qt::WindowMinimized);
    m_main.show();
    m_main.raise();
    m_main.activateWindow();
}

void MiniWindow::toggleCapture()
{
    m_watcher.setCapturingFromElsewhere(!m_watcher.capturing());
    showCaptureState();
}

void MiniWindow::showCaptureState()
{
    const bool running = m_watcher.capturing();
    buttonImages[0]->setPixmap(
        QIcon(running ? QStringLiteral(":/icons/TNSTOP.png") : QStringLiteral(":/icons/TCSTOP.png")).pixmap(ButtonSize, ButtonSize));
    buttonImages[0]->setToolTip(running ? QStringLiteral("作動中") : QStringLiteral("停止中"));
}

int MiniWindow::toolAt(const QPoint &pos) const
{
    for (int i = 0; i < 2; ++i) {
        if (buttonImages[i]->geometry().contains(pos))
            return i;
    }
    return -1;
}

void MiniWindow::hover(int tool)
{
    if (tool == m_hoverTool)
        return;
    m_hoverTool = tool;
    update();
}

void MiniWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QColor shadow = palette().color(QPalette::Dark);
    const QColor light = palette().color(QPalette::Light);
    // The one-pixel border round the strip.
    painter.setPen(shadow);
    painter.drawRect(0, 0, width() - 1, height() - 1);
    if (m_hoverTool < 0)
        return;
    // The frame round the button under the mouse: raised, or sunken while pressed.
    const QRect button = buttonImages[m_hoverTool]->geometry();
    const int left = button.left() - 1;
    const int right = button.right() + 1;
    const int top = RowTop - 1;
    const int bottom = RowTop + ButtonSize + 1;
    const bool sunken = m_pressedTool == m_hoverTool;
    painter.setPen(sunken ? shadow : light);
    painter.drawLine(left, top, right, top);
    painter.drawLine(left, top, left, bottom);
    painter.setPen(sunken ? light : shadow);
    painter.drawLine(right, top, right, bottom);
    painter.drawLine(left, bottom, right, bottom);
}

void MiniWindow::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_dragOn = true;
    m_dragOff = event->position().toPoint();
    m_pressPlace = pos();
    m_pressedTool = toolAt(event->position().toPoint());
    update();
}

void MiniWindow::mouseMoveEvent(QMouseEvent *event)
{
    if (m_dragOn)
        move(event->globalPosition().toPoint() - m_dragOff);
    else
        hover(toolAt(event->position().toPoint()));
}

void MiniWindow::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !m_dragOn)
        return;
    m_dragOn = false;
    const int pressed = std::exchange(m_pressedTool, -1);
    update();
    // A press that dragged the strip away is no click.
    if (pressed < 0 || pos() != m_pressPlace || toolAt(event->position().toPoint()) != pressed)
        return;
    if (pressed == 0)
        toggleCapture();
    else
        restore(true);
}

void MiniWindow::leaveEvent(QEvent *)
{
    if (!m_dragOn)
        hover(-1);
}

void MiniWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->modifiers() == Qt::ControlModifier && event->key() == Qt::Key_A)
        toggleCapture();
    else if (event->modifiers() == Qt::ControlModifier && event->key() == Qt::Key_F)
        restore(false);
    else
        QWidget::keyPressEvent(event);
}

void MiniWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    // Closed from the task bar or the window switcher: the program ends, its settings written.
    m_shown = false;
    m_main.close();
}
