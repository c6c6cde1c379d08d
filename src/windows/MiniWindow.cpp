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
        MinToolImg[i] = new QLabel(this);
        MinToolImg[i]->setObjectName(QStringLiteral("MinToolImg%1").arg(i));
        MinToolImg[i]->setGeometry(x, RowTop, ButtonSize, ButtonSize);
        x += ButtonSize + 4;
    }
    MinToolImg[1]->setPixmap(QIcon(QStringLiteral(":/icons/TNMIN.png")).pixmap(ButtonSize, ButtonSize));
    MinToolImg[1]->setToolTip(QStringLiteral("元に戻す"));

    AccCl = new QLabel(this);
    AccCl->setObjectName(QStringLiteral("AccCl"));
    AccCl->setGeometry(x, RowTop, LampSize, LampSize);
    AccCl->setAutoFillBackground(true);
    AccCl->setToolTip(QStringLiteral("コピー認識ランプ"));
    setBackground(AccCl, LampOff);
    setFixedSize(LampSize + x + 4, StripHeight);

    TopBar = new QLabel(QStringLiteral("Arlen.T.K."), this);
    TopBar->setObjectName(QStringLiteral("TopBar"));
    TopBar->setGeometry(1, 1, width() - 2, 8);
    TopBar->setAutoFillBackground(true);
    QFont tiny = TopBar->font();
    tiny.setPixelSize(7);
    TopBar->setFont(tiny);
    QPalette bar = TopBar->palette();
    bar.setColor(QPalette::Window, bar.color(QPalette::Highlight));
    bar.setColor(QPalette::WindowText, bar.color(QPalette::HighlightedText));
    TopBar->setPalette(bar);
}

void MiniWindow::Minimam(bool /*TMP*/, bool MOC)
{
    m_MOCs = MOC;
    m_CNGs = m_main.outerLeft() == m_settings.RestPosX && m_main.outerTop() == m_settings.RestPosY && m_BXYs;
    m_main.hide();
    m_minVis = true;
    captureAllOff();
    Load();
    show();
    raise();
    activateWindow();
}

void MiniWindow::Load()
{
    m_hoverTool = -1;
    m_pressedTool = -1;
    m_dragOn = false;
    showStopGo();
    if (m_CNGs) {
        move(m_valX, m_valY);
    } else if (m_MOCs) {
        const QPoint cursor = QCursor::pos();
        move(cursor - MinToolImg[1]->pos() - QPoint(CursorInset, CursorInset));
    } else {
        move(centred(m_main.outerLeft(), m_main.outerWidth(), width()), centred(m_main.outerTop(), m_main.outerHeight(), height()));
    }
    update();
}

void MiniWindow::endMini(qint32 &PosX, qint32 &PosY)
{
    m_watcher.restoreCapture();
    if (m_MOCs) {
        const QPoint button = m_main.miniButtonOffset();
        PosX -= button.x() + CursorInset;
        PosY -= button.y() + CursorInset;
    } else {
        PosX = centred(x(), width(), m_main.outerWidth());
        PosY = centred(y(), height(), m_main.outerHeight());
    }
    m_BXYs = WindowPlacement::fitOnScreen(PosX, PosY, m_main.outerWidth(), m_main.outerHeight(), DesktopArea::rect());
    m_valX = x();
    m_valY = y();
    m_main.move(PosX, PosY);
    m_main.show();
    m_settings.RestPosX = m_main.outerLeft();
    m_settings.RestPosY = m_main.outerTop();
    m_minVis = false;
}

void MiniWindow::captureAllOn()
{
    m_accClLump = true;
    setBackground(AccCl, LampOn);
}

void MiniWindow::captureAllOff()
{
    m_accClLump = false;
    setBackground(AccCl, LampOff);
}

void MiniWindow::clipboardLooked(bool captured)
{
    if (captured && m_minVis)
        captureAllOn();
    else if (!captured && m_accClLump)
        captureAllOff();
}

void MiniWindow::restore(bool byMouse)
{
    m_MOCs = byMouse;
    const QPoint cursor = QCursor::pos();
    qint32 x = cursor.x();
    qint32 y = cursor.y();
    endMini(x, y);
    // Hidden, not closed: a close would take the strip's native window with it, and a close
    // request is what ends the program.
    hide();
}

void MiniWindow::toggleStopGo()
{
    m_watcher.setCapturingFromElsewhere(!m_watcher.capturing());
    showStopGo();
}

void MiniWindow::showStopGo()
{
    const bool running = m_watcher.capturing();
    MinToolImg[0]->setPixmap(
        QIcon(running ? QStringLiteral(":/icons/TNSTOP.png") : QStringLiteral(":/icons/TCSTOP.png")).pixmap(ButtonSize, ButtonSize));
    MinToolImg[0]->setToolTip(running ? QStringLiteral("作動中") : QStringLiteral("停止中"));
}

int MiniWindow::toolAt(const QPoint &pos) const
{
    for (int i = 0; i < 2; ++i) {
        if (MinToolImg[i]->geometry().contains(pos))
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
    const QRect button = MinToolImg[m_hoverTool]->geometry();
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
        toggleStopGo();
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
        toggleStopGo();
    else if (event->modifiers() == Qt::ControlModifier && event->key() == Qt::Key_F)
        restore(false);
    else
        QWidget::keyPressEvent(event);
}

void MiniWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    // Closed from the task bar or the window switcher: the program ends, its settings written.
    m_minVis = false;
    m_main.close();
}
