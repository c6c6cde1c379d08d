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
}

QPoint SideWindow::offsetFromMain() const
{
    return frameGeometry().topLeft() - m_main.frameGeometry().topLeft();
}

void SideWindow::placeBesideMain(QPoint offset, QSize outerSize)
{
    if (outerSize.isEmpty())
        outerSize = frameGeometry().size();
    qint32 left = m_main.frameGeometry().left() + offset.x();
    qint32 top = m_main.frameGeometry().top() + offset.y();
    WindowPlacement::fitOnScreen(left, top, outerSize.width(), outerSize.height(), DesktopArea::rect());
    setWindowFlag(Qt::WindowStaysOnTopHint, m_main.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    setOuterBounds(QRect(QPoint(left, top), outerSize));
}

void SideWindow::setOuterBounds(const QRect &outer)
{
    const QSize extra = frameGeometry().size() - geometry().size();
    resize(qMax(1, outer.width() - extra.width()), qMax(1, outer.height() - extra.height()));
    move(outer.topLeft());
    m_outerWanted = outer;
    // Before a window manager has framed the window once, its frame is unknown: set the bounds
    // again when it comes, so the window does not grow by its frame at every opening.
    m_awaitFrame = extra.isNull();
}

void SideWindow::showActive()
{
    m_wasActive = false;
    m_showing = true;
    show();
    if (m_awaitFrame && frameGeometry() != geometry()) {
        m_awaitFrame = false;
        setOuterBounds(m_outerWanted);
        m_awaitFrame = false;
    }
    raise();
    activateWindow();
    // Without a window manager no frame ever comes.
    if (m_awaitFrame)
        QTimer::singleShot(FrameWaitMs, this, [this] { m_awaitFrame = false; });
}

void SideWindow::regainActivation()
{
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
    if ((event->type() == QEvent::Move || event->type() == QEvent::Resize) && m_awaitFrame && isVisible() &&
        frameGeometry() != geometry()) {
        m_awaitFrame = false;
        setOuterBounds(m_outerWanted);
        m_awaitFrame = false;
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
            QTimer::singleShot(ShowingSettleMs, this, [this] { m_showing = false; });
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
    if (m_showing && programWindowActive()) {
        // The window manager gave the activation back to the window we came from.
        activateWindow();
        return;
    }
    const bool ownBox = m_keepOnDeactivate > 0 || QApplication::activeModalWidget() != nullptr;
    deactivated(!ownBox);
}
