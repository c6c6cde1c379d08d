// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QTimer>
#include <QWidget>

// What the windows beside the main window share: placement as an offset from the main window's
// top-left corner kept on the desktop, topmost while the main window is, and closing when they
// lose activation, except to the program's own message box or dialog.
class SideWindow : public QWidget {
    Q_OBJECT
public:
    SideWindow(QWidget &mainWindow, Qt::WindowFlags flags);

    // Outer frame position and size in pixels.
    int outerLeft() const { return outerBounds().left(); }
    int outerTop() const { return outerBounds().top(); }
    int outerWidth() const { return outerBounds().width(); }
    int outerHeight() const { return outerBounds().height(); }
    // The outer frame; while Qt does not know it, the bounds the window was given.
    QRect outerBounds() const;

    // The window's top-left corner less the main window's.
    QPoint offsetFromMain() const;
    // Stores that offset in the window's settings record (offsetX, offsetY) while it is shown;
    // false when it is not.
    template <typename Record>
    bool storeOffset(Record &record) const
    {
        if (!isVisible())
            return false;
        const QPoint offset = offsetFromMain();
        record.offsetX = offset.x();
        record.offsetY = offset.y();
        return true;
    }

    // While one lives, losing activation does not count (a message box or dialog of the window's own).
    class KeepOnDeactivate {
    public:
        explicit KeepOnDeactivate(SideWindow &window) : m_window(window) { ++m_window.m_keepOnDeactivate; }
        ~KeepOnDeactivate() { --m_window.m_keepOnDeactivate; }
        KeepOnDeactivate(const KeepOnDeactivate &) = delete;
        KeepOnDeactivate &operator=(const KeepOnDeactivate &) = delete;

    private:
        SideWindow &m_window;
    };

protected:
    // Places the outer frame at the main window's corner plus offset, pulled onto the desktop;
    // an empty size keeps the window's own. Also takes the main window's topmost state. Call
    // before showing.
    void placeBesideMain(QPoint offset, QSize outerSize = {});
    // Shows the window and gives it the activation.
    void showActive();
    // Takes the activation back once the event loop is free, when the window is still shown:
    // after its own box closes, the activation may have gone elsewhere, and without it no later
    // click elsewhere would close the window. A window manager may also hand the activation to
    // the main window a moment after the box has gone; that is taken back too.
    void regainActivation();
    QWidget &mainWindow() const { return m_main; }

    // The window became active.
    virtual void activated() {}
    // The window lost activation.
    // mayClose is false while its own message box or dialog is over it, and when the window takes
    // the activation back at once.
    virtual void deactivated(bool mayClose) = 0;

    void changeEvent(QEvent *event) override;
    bool event(QEvent *event) override;

private:
    // The frame's widths round the client area as Qt reports them now, when they hold it.
    QMargins reportedFrame() const;
    // The frame's widths as last learnt.
    QMargins knownFrame() const;
    void setOuterBounds(const QRect &outer);
    void frameArrived();
    void judgeDeactivation();
    bool programWindowActive() const;

    QWidget &m_main;
    int m_keepOnDeactivate = 0;
    bool m_wasActive = false;
    // Just shown, or its own box just closed: a window manager may still move the activation.
    bool m_settling = false;
    QTimer m_settleEnd;
    QRect m_outerWanted;
    bool m_awaitFrame = false;
    QMargins m_lastFrame;
};
