// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/ToolStrip.h"

#include "mainwindow/ListCommands.h"
#include "mainwindow/MainCommands.h"
#include "mainwindow/PaneArea.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/ToolButton.h"
#include "mainwindow/ToolbarField.h"
#include "model/seams/ClipListBox.h"
#include "model/ListItems.h"
#include "model/ListDisplay.h"
#include "model/ListRecord.h"
#include "model/GlobalSettings.h"
#include "platform/ProgramPictures.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QPainter>

namespace {
// Group buttons open a field; separators stand before these buttons (the first two form the grip).
constexpr std::array<int, 6> separatorPlaces{0, 0, 2, 6, 8, 10};
constexpr int PictureSize = 16;

struct Layout {
    std::array<int, ToolStrip::ButtonCount> buttons{};
    std::array<int, 6> separators{2, 5, 0, 0, 0, 0};
};

constexpr Layout layOut()
{
    Layout layout;
    int x = 10;
    size_t next = 2;
    for (int i = 0; i < ToolStrip::ButtonCount; ++i) {
        if (next < separatorPlaces.size() && separatorPlaces[next] == i) {
            layout.separators[next++] = x;
            x += 5;
        }
        layout.buttons[size_t(i)] = x;
        x += PictureSize + 4;
    }
    return layout;
}
constexpr Layout stripLayout = layOut();
// Left edges of the buttons' pictures and the dark lines of the separators (the grip first).
constexpr std::array<int, ToolStrip::ButtonCount> ButtonLefts = stripLayout.buttons;
constexpr std::array<int, 6> SeparatorLefts = stripLayout.separators;

// A command's picture as its state stands: on or able to run, or off or refused.
ToolPicture pictureOf(Command command, bool on = true)
{
    const CommandRow &row = commandRow(command);
    return on ? row.picture : row.otherPicture;
}

void showPicture(ToolButton *button, const ToolPicture &picture)
{
    button->setPicture(QString::fromLatin1(picture.key), QString::fromUtf8(picture.toolTip));
}

ToolButton *buttonOf(const std::array<ToolButton *, ToolStrip::ButtonCount> &buttons, Command command)
{
    return buttons.at(size_t(commandRow(command).toolbar.button));
}
} // namespace

ToolStrip::ToolStrip(ListDisplay &display, GlobalSettings &settings, MainCommands &commands, ListCommands &lists,
                     MainWindow &window, PaneArea &area)
    : QWidget(&area), m_display(display), m_settings(settings), m_commands(commands), m_lists(lists), m_window(window),
      m_area(area), m_field(new ToolbarField(&area))
{
    setMouseTracking(true);
    for (int i = 0; i < ButtonCount; ++i) {
        auto *button = new ToolButton(this);
        button->movePicture(ButtonLefts[size_t(i)], ButtonTop);
        const std::optional<Command> command = commandAt({ToolbarButton(i)});
        // The switches' buttons show their state once it is set.
        const bool followsSwitch = command == Command::AlwaysOnTop || command == Command::StopCapture;
        showPicture(button, command && !followsSwitch ? pictureOf(*command) : groupPicture(ToolbarButton(i)));
        connect(button, &ToolButton::hovered, this, [this, i] { hoverOver(i); });
        connect(button, &ToolButton::pressed, this, [this, i] {
            if (i != m_openGroup)
                closeFieldInClickMode();
            if (m_openGroup < 0 && m_frameAt == i) {
                m_framePressed = true;
                showFrame();
            }
        });
        connect(button, &ToolButton::released, this, [this] {
            if (m_openGroup < 0) {
                m_framePressed = false;
                showFrame();
            }
        });
        connect(button, &ToolButton::clicked, this, [this, i] { buttonClicked(i); });
        m_buttons[size_t(i)] = button;
    }
    connect(m_field, &ToolbarField::buttonClicked, this, &ToolStrip::fieldButtonClicked);
    connect(m_field, &ToolbarField::backgroundClicked, this, &ToolStrip::closeFieldInClickMode);
    // Moves over the rest of the list area take the hover frame away; presses there close a
    // field opened by a click.
    m_area.setMouseTracking(true);
    qApp->installEventFilter(this);
    setToolbarOpensOnHover(settings.toolbarOpensOnHover());
}

ToolStrip::~ToolStrip()
{
    qApp->removeEventFilter(this);
}

QList<QWidget *> ToolStrip::buttons() const
{
    return {m_buttons.begin(), m_buttons.end()};
}

bool ToolStrip::hoverMode() const
{
    return m_settings.toolbarOpensOnHover();
}

void ToolStrip::trigger(Command command)
{
    m_commands.action(command)->trigger();
}

void ToolStrip::setAlwaysOnTopShown(bool onTop)
{
    showPicture(buttonOf(m_buttons, Command::AlwaysOnTop), pictureOf(Command::AlwaysOnTop, onTop));
}

void ToolStrip::setCapturingShown(bool capturing)
{
    showPicture(buttonOf(m_buttons, Command::StopCapture), pictureOf(Command::StopCapture, !capturing));
}

void ToolStrip::setToolbarOpensOnHover(bool hover)
{
    if (hover) {
        m_field->setCursor(ProgramPictures::cursor(ProgramPictures::ToolHoverCursor));
        return;
    }
    m_field->unsetCursor();
    for (ToolButton *button : m_buttons)
        button->unsetCursor();
}

void ToolStrip::buttonClicked(int index)
{
    const std::optional<Command> command = commandAt({ToolbarButton(index)});
    if (!command)
        groupClicked(index);
    else if (*command == Command::Minimise)
        m_commands.minimiseFromToolbar();
    else
        trigger(*command);
}

void ToolStrip::groupClicked(int index)
{
    // In hover mode the field opened when the mouse came.
    if (hoverMode())
        return;
    if (m_openGroup == index)
        closeField();
    else
        openField(index, false);
}

ToolPicture ToolStrip::fieldPicture(Command command) const
{
    using enum Command;
    switch (command) {
    case Maximise: return pictureOf(Maximise, m_window.sizeState() != MainWindowSettings::SizeState::Maximised);
    case MoveFocus:
    case KeepFocus: {
        // A pair's button shows the one in use. A focus mode from a damaged file shows no picture.
        const FocusMode focusMode = m_lists.focusedList().focusMode;
        return focusMode == FocusMode::MovesAtScreenEdges ? pictureOf(MoveFocus)
               : focusMode == FocusMode::Stays           ? pictureOf(KeepFocus)
                                                         : ToolPicture{};
    }
    case AddAtTop:
    case AddAtBottom: return pictureOf(m_lists.focusedList().addAtBottom ? AddAtBottom : AddAtTop);
    case AddAtFocus: return pictureOf(AddAtFocus, m_lists.focusedList().addAtFocus);
    case ShowMenuBar: return pictureOf(ShowMenuBar, m_window.menuBarShown());
    case DeleteList: return pictureOf(DeleteList, !m_deleteRefused);
    case JoinItems: return pictureOf(JoinItems, m_display.box(m_display.focusedPane()).selectedCount() >= 2);
    case NameItem: return pictureOf(NameItem, m_lists.focusedList().items().count() > 0);
    default: return pictureOf(command);
    }
}

bool ToolStrip::groupPictures(int group, QStringList &keys, QStringList &toolTips)
{
    const auto button = ToolbarButton(group);
    const int count = fieldButtonCount(button);
    // The fields about the focused list need one shown.
    const bool aboutFocusedList = button == ToolbarButton::ListSettingsGroup || button == ToolbarButton::ItemGroup;
    if (count == 0 || (aboutFocusedList && m_display.paneCount() < 1))
        return false;
    m_deleteRefused = m_display.paneCount() <= 1;
    for (int i = 0; i < count; ++i) {
        const ToolbarPlace place{button, i};
        const std::optional<Command> command = commandAt(place);
        const ToolPicture picture = place == ListDisplayPlace ? ToolPictures::RowsWithMarks
                                    : command                 ? fieldPicture(*command)
                                                              : ToolPicture{};
        keys << QString::fromLatin1(picture.key);
        toolTips << QString::fromUtf8(picture.toolTip);
    }
    return true;
}

void ToolStrip::openField(int group, bool hoverCall)
{
    // Each mode opens the field only its own way.
    if (hoverCall != hoverMode())
        return;
    if (!hoverCall)
        m_openedByClick = true;
    if (m_field->isVisible())
        closeField();
    QStringList keys;
    QStringList toolTips;
    if (!groupPictures(group, keys, toolTips)) {
        m_openedByClick = false;
        return;
    }
    const int width = ToolbarField::fieldWidth(int(keys.size()));
    int left = ButtonLefts[size_t(group)] + 6;
    // Near the right edge the field ends just inside the window.
    if (left + width > m_area.width())
        left = m_area.width() - width - 2;
    m_field->showField(keys, toolTips, QPoint(left, ButtonTop + 12));
    if (hoverCall)
        m_buttons[size_t(group)]->setCursor(ProgramPictures::cursor(ProgramPictures::ToolHoverCursor));
    m_framePressed = true;
    showFrame();
    m_openGroup = group;
}

void ToolStrip::closeField()
{
    if (m_openGroup < 0)
        return;
    m_field->hideField();
    m_openGroup = -1;
    m_openedByClick = false;
    m_framePressed = false;
    showFrame();
}

void ToolStrip::closeFieldInClickMode()
{
    if (!hoverMode())
        closeField();
}

void ToolStrip::fieldButtonClicked(int index)
{
    const ToolbarPlace place{ToolbarButton(m_openGroup), index};
    std::optional<Command> command = commandAt(place);
    // A pair's button switches to the other of the pair.
    if (command == Command::MoveFocus || command == Command::KeepFocus) {
        const FocusMode focusMode = m_lists.focusedList().focusMode;
        command.reset();
        if (isKnownFocusMode(focusMode))
            command = focusMode == FocusMode::MovesAtScreenEdges ? Command::KeepFocus : Command::MoveFocus;
    } else if (command == Command::AddAtTop || command == Command::AddAtBottom) {
        command = m_lists.focusedList().addAtBottom ? Command::AddAtTop : Command::AddAtBottom;
    } else if (command == Command::DeleteList && m_deleteRefused) {
        command.reset();
    }
    // Commands that end, resize or pop up something run once the field is gone.
    const bool afterClose = command == Command::EndProgram || command == Command::Maximise;
    if (command && !afterClose)
        trigger(*command);
    closeField();
    if (command && afterClose)
        trigger(*command);
    if (place == ListDisplayPlace)
        emit listDisplayRequested(QCursor::pos());
}

void ToolStrip::hoverOver(int index)
{
    // A field opened by a click keeps the strip as it is.
    if (m_openedByClick && m_openGroup >= 0)
        return;
    if (index == m_hovered)
        return;
    if (index < 0) {
        m_frameShown = false;
        showFrame();
        if (hoverMode())
            closeField();
    } else {
        m_frameAt = index;
        m_frameShown = true;
        showFrame();
        openField(index, true);
    }
    m_hovered = index;
}

void ToolStrip::showFrame()
{
    for (int i = 0; i < ButtonCount; ++i) {
        ToolButton::Frame frame = ToolButton::Frame::None;
        if (m_frameShown && i == m_frameAt)
            frame = m_framePressed ? ToolButton::Frame::Pressed : ToolButton::Frame::Raised;
        m_buttons[size_t(i)]->setFrame(frame);
    }
}

void ToolStrip::paintEvent(QPaintEvent * /*event*/)
{
    QPainter painter(this);
    for (int x : SeparatorLefts) {
        painter.setPen(palette().color(QPalette::Dark));
        painter.drawLine(x, 1, x, 17);
        painter.setPen(palette().color(QPalette::Light));
        painter.drawLine(x + 1, 1, x + 1, 17);
    }
}

void ToolStrip::mouseMoveEvent(QMouseEvent *event)
{
    // Between the buttons is the window's own area.
    hoverOver(-1);
    QWidget::mouseMoveEvent(event);
}

void ToolStrip::hideEvent(QHideEvent *event)
{
    closeField();
    QWidget::hideEvent(event);
}

bool ToolStrip::insideToolbar(const QWidget *widget) const
{
    return widget == this || isAncestorOf(widget) || widget == m_field || m_field->isAncestorOf(widget);
}

bool ToolStrip::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if ((type == QEvent::MouseMove || type == QEvent::Enter || type == QEvent::MouseButtonPress) &&
        watched->isWidgetType()) {
        auto *widget = static_cast<QWidget *>(watched);
        if ((widget == &m_area || m_area.isAncestorOf(widget)) && !insideToolbar(widget)) {
            if (type == QEvent::MouseButtonPress)
                closeFieldInClickMode();
            else
                hoverOver(-1);
        }
    }
    return QWidget::eventFilter(watched, event);
}
