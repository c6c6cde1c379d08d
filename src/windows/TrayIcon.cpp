// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/TrayIcon.h"

#include "capture/ClipboardWatcher.h"
#include "mainwindow/MainCommands.h"
#include "mainwindow/MainWindow.h"
#include "model/ClipItem.h"
#include "model/ListDisplay.h"
#include "model/ListItems.h"
#include "model/ListRecord.h"
#include "platform/ProgramPictures.h"
#include "windows/MiniWindow.h"

#include <QPainter>
#include <QPixmap>

namespace {
constexpr int NewestCount = 5;
constexpr int CaptionLength = 40;

// The program's icon in each size it has; the tray host scales the nearest to its slot.
QIcon trayPicture(bool capturing, bool lit)
{
    const QIcon program = ProgramPictures::programIcon();
    QIcon picture;
    for (const int size : {16, 32, 48}) {
        // Greyed while stopped, and a pause mark for those who do not tell the colours apart.
        QPixmap pixmap = program.pixmap(QSize(size, size), 1.0, capturing ? QIcon::Normal : QIcon::Disabled);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        const QRectF corner(size / 2.0, size / 2.0, size / 2.0, size / 2.0);
        if (!capturing) {
            painter.setPen(QPen(Qt::white, size / 16.0));
            painter.setBrush(QColor(0x404040));
            const qreal bar = corner.width() / 3;
            painter.drawRect(QRectF(corner.left() + bar / 2, corner.top(), bar * 0.8, corner.height() - 1));
            painter.drawRect(QRectF(corner.left() + bar * 1.7, corner.top(), bar * 0.8, corner.height() - 1));
        } else if (lit) {
            painter.setPen(QPen(Qt::white, size / 16.0));
            painter.setBrush(QColor(MiniWindow::LampOn));
            painter.drawEllipse(corner.adjusted(0, 0, -1, -1));
        }
        painter.end();
        picture.addPixmap(pixmap);
    }
    return picture;
}

QString caption(const ClipItem &item)
{
    QString words = item.name.isEmpty() ? item.text.section(QLatin1Char('\n'), 0, 0).simplified() : item.name;
    if (words.size() > CaptionLength)
        words = words.left(CaptionLength - 1) + QChar(0x2026);
    return words.replace(QLatin1Char('&'), QStringLiteral("&&"));
}
} // namespace

TrayIcon::TrayIcon(MainWindow &window, MiniWindow &mini, MainCommands &commands, ListDisplay &display,
                   ClipboardWatcher &watcher)
    : m_window(window), m_mini(mini), m_commands(commands), m_display(display), m_watcher(watcher),
      m_capturingPicture(trayPicture(true, false)), m_litPicture(trayPicture(true, true)),
      m_stoppedPicture(trayPicture(false, false))
{
    m_icon.setToolTip(QStringLiteral("QuillKeeper"));
    m_icon.setContextMenu(&m_menu);
    connect(&m_menu, &QMenu::aboutToShow, this, &TrayIcon::fillMenu);
    connect(&m_icon, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::Trigger)
            toggleWindow();
    });
    connect(&watcher, &ClipboardWatcher::captureSwitched, this, [this](bool capturing) { showState(capturing, false); });
    connect(&watcher, &ClipboardWatcher::clipboardLooked, this,
            [this](bool captured) { showState(m_capturing, captured); });
    m_capturing = watcher.capturing();
    showState(m_capturing, false);
}

void TrayIcon::setEnabled(bool enabled)
{
    m_icon.setVisible(enabled);
}

void TrayIcon::showState(bool capturing, bool lit)
{
    // Ticks report every look at the clipboard: the picture is drawn only when it changes.
    if (capturing == m_capturing && lit == m_lit && !m_icon.icon().isNull())
        return;
    m_capturing = capturing;
    m_lit = lit;
    m_icon.setIcon(!capturing ? m_stoppedPicture : lit ? m_litPicture : m_capturingPicture);
    m_icon.setToolTip(capturing ? QStringLiteral("QuillKeeper") : QStringLiteral("QuillKeeper (停止中)"));
}

bool TrayIcon::windowShown() const
{
    if (m_mini.miniShown())
        return m_mini.isVisible();
    return m_window.isVisible() && !m_window.isMinimized();
}

void TrayIcon::toggleWindow()
{
    // Hidden, not closed: the program goes on capturing, and the window comes back in the mode it was in.
    if (windowShown()) {
        if (m_mini.miniShown())
            m_mini.hide();
        else
            m_window.hide();
    } else if (m_mini.miniShown()) {
        m_mini.show();
        m_mini.raise();
        m_mini.activateWindow();
    } else {
        m_mini.bringBackMain();
    }
}

void TrayIcon::fillMenu()
{
    m_menu.clear();
    m_menu.addAction(windowShown() ? QStringLiteral("ｳｨﾝﾄﾞｳを隠す(&H)") : QStringLiteral("ｳｨﾝﾄﾞｳを表示(&W)"), this,
                     &TrayIcon::toggleWindow);
    m_commands.updateOptionMenu();
    m_menu.addAction(m_commands.action(Command::StopCapture));
    m_menu.addSeparator();
    if (m_display.paneCount() > 0) {
        ListItems &items = m_display.focusedRecord().items();
        // The newest items are the last made.
        for (qint16 n = items.count() - 1; n >= 0 && n >= items.count() - NewestCount; --n) {
            const ClipItem &item = items.at(ItemNumber(n));
            m_menu.addAction(caption(item), this,
                             [this, text = item.text, html = item.html] { m_watcher.copyBack(text, html); });
        }
        m_menu.addSeparator();
    }
    m_menu.addAction(m_commands.action(Command::Settings));
    m_menu.addAction(m_commands.action(Command::EndProgram));
}
