// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/SideWindow.h"

#include "platform/DesktopArea.h"
#include "storage/WindowPlacement.h"

#include <QApplication>
#include <QGuiApplication>
#include <QTimer>

namespace {
// How long after it was first activated the window keeps itself active against a window manager that
// hands the activation back to the main window.
constexpr int ShowingSettleMs = 300;
// How long a window manager may take to frame a window.
constexpr int FrameWaitMs = 3000;
} // namespace

SideWindow::SideWindow(QWidget &mainWindow, Qt::WindowFlags flags) : QWidget(nullptr, flags), m_main(mainWindow)
{
    m_settleEnd.setSingleShot(true);
    m_settleEnd.setInterval(ShowingSettleMs);
    connect(&m_settleEnd, &QTimer::timeout, this, [this] { m_settling = false; });
}

QMargins SideWindow::reportedFrame() const
{
    const QRect frame = frameGeometry();
    const QRect client = geometry();
    const QMargins seen(client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
                        frame.bottom() - client.bottom());
    const bool holdsClient = seen.left() >= 0 && seen.top() >= 0 && seen.right() >= 0 && seen.bottom() >= 0;
    return holdsClient ? seen : QMargins();
}

QMargins SideWindow::knownFrame() const
{
    return m_lastFrame.isNull() ? reportedFrame() : m_lastFrame;
}

QRect SideWindow::outerBounds() const
{
    // As a window manager frames the window again, Qt reports for a while no frame, or one of the
    // wrong widths; read then and stored, the frame would creep and shrink at every opening.
    if (m_awaitFrame || m_lastFrame.isNull() || reportedFrame() != m_lastFrame)
        return m_outerWanted;
    return frameGeometry();
}

QPoint SideWindow::offsetFromMain() const
{
    return outerBounds().topLeft() - m_main.frameGeometry().topLeft();
}

void SideWindow::placeBesideMain(QPoint offset, QSize outerSize)
{
    if (outerSize.isEmpty())
        outerSize = outerBounds().size();
    qint32 left = m_main.frameGeometry().left() + offset.x();
    qint32 top = m_main.frameGeometry().top() + offset.y();
    WindowPlacement::fitOnScreen(left, top, outerSize.width(), outerSize.height(), DesktopArea::rect());
    setWindowFlag(Qt::WindowStaysOnTopHint, m_main.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    setOuterBounds(QRect(QPoint(left, top), outerSize));
}

void SideWindow::setOuterBounds(const QRect &outer)
{
    const QMargins frame = knownFrame();
    resize(qMax(1, outer.width() - frame.left() - frame.right()),
           qMax(1, outer.height() - frame.top() - frame.bottom()));
    move(outer.topLeft());
    m_outerWanted = outer;
    // Before a window manager has framed the window once, its frame is unknown: set the bounds
    // again when it comes, so the window does not grow by its frame at every opening.
    m_awaitFrame = frame.isNull();
}

void SideWindow::frameArrived()
{
    if (!m_awaitFrame || !isVisible() || knownFrame().isNull())
        return;
    m_awaitFrame = false;
    setOuterBounds(m_outerWanted);
    m_awaitFrame = false;
}

void SideWindow::showActive()
{
    m_wasActive = false;
    m_settling = true;
    m_settleEnd.stop();
    show();
    frameArrived();
    raise();
    activateWindow();
    // Without a window manager no frame ever comes.
    if (m_awaitFrame)
        QTimer::singleShot(FrameWaitMs, this, [this] { m_awaitFrame = false; });
}

void SideWindow::regainActivation()
{
    m_settling = true;
    m_settleEnd.start();
    QTimer::singleShot(0, this, [this] {
        if (isVisible() && !isActiveWindow()) {
            raise();
            activateWindow();
        }
    });
}

bool SideWindow::event(QEvent *event)
{
    const bool handled = QWidget::event(event);
    if (event->type() == QEvent::Move || event->type() == QEvent::Resize) {
        // Learnt when first framed, and again once settled (a new frame style).
        const QMargins reported = reportedFrame();
        if (isVisible() && !reported.isNull() && (m_lastFrame.isNull() || !m_settling))
            m_lastFrame = reported;
        frameArrived();
    }
    return handled;
}

void SideWindow::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::ActivationChange || !isVisible())
        return;
    if (isActiveWindow()) {
        if (!m_wasActive)
            m_settleEnd.start();
        m_wasActive = true;
        activated();
    } else if (m_wasActive) {
        // Judged once the activation has settled: a modal box of ours is known by then.
        QTimer::singleShot(0, this, &SideWindow::judgeDeactivation);
    }
}

bool SideWindow::programWindowActive() const
{
    const QWidget *active = QApplication::activeWindow();
    return active && active != this;
}

void SideWindow::judgeDeactivation()
{
    if (!isVisible() || isActiveWindow())
        return;
    const bool ownBox = m_keepOnDeactivate > 0 || QApplication::activeModalWidget() != nullptr;
    if (!ownBox && m_settling && programWindowActive()) {
        // The window manager gave the activation back to the window we came from: the window
        // lost it all the same, until it has it back.
        deactivated(false);
        activateWindow();
        return;
    }
    deactivated(!ownBox);
}
