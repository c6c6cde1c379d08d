// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/HotkeyPick.h"

#include "mainwindow/PaneArea.h"
#include "model/ExtraSettings.h"
#include "model/ListDisplay.h"
#include "model/ProgramTexts.h"
#include "model/seams/MessageBoxPort.h"
#include "platform/ListBoxWidget.h"
#include "windows/MiniWindow.h"

#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QTimer>
#include <utility>

HotkeyPick::HotkeyPick(HotkeyPort &hotkey, const ExtraSettings &settings, ListDisplay &display, PaneArea &panes,
                       MiniWindow &mini, MessageBoxPort &messages)
    : m_hotkey(hotkey), m_settings(settings), m_display(display), m_panes(panes), m_mini(mini),
      m_messages(messages)
{
    connect(&hotkey, &HotkeyPort::pressed, this, &HotkeyPick::bringUp);
    // Gone elsewhere by other means: the next Enter is an ordinary one.
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        if (state != Qt::ApplicationActive)
            endPick();
    });
}

void HotkeyPick::applySettings()
{
    if (!m_settings.hotkeyOn) {
        m_hotkey.release();
        return;
    }
    const QKeySequence key(m_settings.hotkey, QKeySequence::PortableText);
    const HotkeyPort::Grab grabbed = key.isEmpty() ? HotkeyPort::Grab::Unknown : m_hotkey.grab(key[0]);
    if (grabbed == HotkeyPort::Grab::Done)
        return;
    const QString name = key.toString(QKeySequence::NativeText);
    m_messages.show(ProgramTexts::title(),
                    QStringLiteral("ﾎｯﾄｷｰ：") + name + ProgramTexts::lineBreak() + ProgramTexts::lineBreak()
                        + (grabbed == HotkeyPort::Grab::Taken
                               ? QStringLiteral("このｷｰは他のﾌﾟﾛｸﾞﾗﾑが使用しているため、ﾎｯﾄｷｰにできませんでした。")
                               : QStringLiteral("このｷｰはこのｷｰﾎﾞｰﾄﾞにないため、ﾎｯﾄｷｰにできませんでした。"))
                        + ProgramTexts::lineBreak() + QStringLiteral("その他の設定で別のｷｰを指定してください。"),
                    MessageBoxPort::Icon::Warning, MessageBoxPort::Buttons::Ok);
}

void HotkeyPick::bringUp()
{
    if (!m_picking)
        m_formBefore = currentForm();
    m_mini.bringBackMain();
    const PaneNumber pane = m_display.focusedPane();
    if (ListBoxWidget *list = m_panes.clipListWidget(pane)) {
        const int row = list->shownRowFrom(0, 1);
        if (row >= 0)
            m_display.highlightRow(pane, RowNumber(row));
        list->setFocus(Qt::OtherFocusReason);
    }
    m_hotkey.takeFocus(m_panes.window()->winId());
    if (!m_picking)
        qApp->installEventFilter(this);
    m_picking = true;
}

bool HotkeyPick::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress || m_panes.paneOf(qobject_cast<QWidget *>(watched)) < 0)
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    if (key->key() == Qt::Key_Escape) {
        endPick();
        giveBack(false);
    } else if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && key->modifiers() == Qt::NoModifier) {
        endPick();
        // The list copies the row first, as on any Enter.
        QTimer::singleShot(0, this, [this] { giveBack(m_settings.pasteAfterPick); });
    }
    return false;
}

void HotkeyPick::pickedElsewhere()
{
    if (!m_picking)
        return;
    endPick();
    giveBack(m_settings.pasteAfterPick);
}

void HotkeyPick::giveBack(bool paste)
{
    if (!m_settings.keepWindowAfterPick)
        putBack(m_formBefore);
    m_hotkey.returnFocus(paste);
}

HotkeyPick::Form HotkeyPick::currentForm() const
{
    const QWidget *main = m_panes.window();
    if (m_mini.miniShown())
        return Form::Mini;
    if (!main->isVisible())
        return Form::Hidden;
    return main->isMinimized() ? Form::Minimised : Form::Shown;
}

void HotkeyPick::putBack(Form form)
{
    QWidget *main = m_panes.window();
    switch (form) {
    case Form::Shown:
        // Behind the window the focus goes back to.
        break;
    case Form::Minimised:
        main->setWindowState(main->windowState() | Qt::WindowMinimized);
        break;
    case Form::Hidden:
        main->hide();
        break;
    case Form::Mini:
        // The focus goes back elsewhere: the strip must not take it.
        m_mini.showInPlaceOfMain(false, false);
        break;
    }
}

void HotkeyPick::endPick()
{
    if (std::exchange(m_picking, false))
        qApp->removeEventFilter(this);
}
