// Start-up, the settings read and written around the run, and the window's placement.
#include "mainwindow/QKPRbase.h"

#include "capture/ClipboardWatcher.h"
#include "mainwindow/ListCommands.h"
#include "mainwindow/ListFileCommands.h"
#include "mainwindow/PaneArea.h"
#include "model/MessageBoxPort.h"
#include "model/ProgramTexts.h"
#include "model/QKPRGrobal.h"
#include "model/UtilityFirstList.h"
#include "model/UtilityGrobal.h"
#include "platform/DesktopArea.h"
#include "storage/SettingsFile.h"

#include <QGuiApplication>
#include <QTimer>

void QKPRbase::loadForm(const QStringList &files)
{
    m_loading = true;
    holdLayout();
    setWindowTitle(ProgramTexts::title());

    Started();
    m_lists.MakeFirstList();

    setMenuExpress(m_menuExpress);
    setTopZOrder(m_topZOrder);
    setStopGo(StopGo());
    setToolControl(m_toolControl);

    m_loading = false;
    holdLayout();
    whenResize();
    m_files.OpenCommandFiles(files);
}

QRect QKPRbase::desktopRect() const
{
    return DesktopArea::rect();
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
        m_settingsFound = SettingsFile(m_grobal.utilityGrobal(), m_grobal.utilityFirstList(), m_windows)
                              .Started(m_settingsPath, desktop);
    }
    const MainWindowSettings &main = m_windows.main;
    // The switches are stored now and take effect when the start-up assigns them their values.
    m_menuExpress = main.MenuExpress;
    m_topZOrder = main.TopZOrder;
    m_watcher.restoreStopGo(main.StopGo);
    m_toolControl = main.ToolControl;
    m_normalBounds = QRect(main.Left, main.Top, main.Width, main.Height);
    setPixBounds(m_normalBounds);
    // On X11 the window manager frames the window only once it is shown: until then the size set
    // is the client's, and the frame would make the window grow at every restart.
    m_boundsAwaitFrame = QGuiApplication::platformName() == QLatin1String("xcb");
    m_clientSizeSet = geometry().size();
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
    if (!file.Ended(m_settingsPath, m_settingsFound)) {
        m_messages.show(ProgramTexts::title(),
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

void QKPRbase::restoreNormalBounds()
{
    // Back to the remembered bounds, frame included, once the restore is done.
    QTimer::singleShot(0, this, [this] { setPixBounds(m_normalBounds); });
}

bool QKPRbase::event(QEvent *event)
{
    const bool handled = QMainWindow::event(event);
    switch (event->type()) {
    case QEvent::Show:
        // Without a window manager no frame ever comes.
        if (m_boundsAwaitFrame)
            QTimer::singleShot(3000, this, [this] { m_boundsAwaitFrame = false; });
        break;
    case QEvent::Move:
    case QEvent::Resize:
        if (m_boundsAwaitFrame && isVisible() && frameGeometry() != geometry()) {
            m_boundsAwaitFrame = false;
            if (m_windowState == MainWindowSettings::Normal && geometry().size() == m_clientSizeSet)
                setPixBounds(m_normalBounds);
        }
        break;
    default: break;
    }
    return handled;
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
            restoreNormalBounds();
        }
        whenResize();
    }
}
