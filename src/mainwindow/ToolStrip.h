// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "mainwindow/CommandTable.h"

#include <QList>
#include <QStringList>
#include <QWidget>
#include <array>

class ListCommands;
class MainCommands;
class PaneArea;
class ListDisplay;
class GlobalSettings;
class MainWindow;
class ToolButton;
class ToolbarField;

// The toolbar: a strip of eleven picture buttons at the top of the list area. Six act at once;
// five open a field of further buttons below the strip, on hover or on a click as toolbarOpensOnHover
// says. Every button triggers a command of the command table.
class ToolStrip : public QWidget {
    Q_OBJECT
public:
    static constexpr int ButtonCount = ToolbarButtonCount;
    static constexpr int ButtonTop = 1;

    ToolStrip(ListDisplay &display, GlobalSettings &settings, MainCommands &commands, ListCommands &lists,
              MainWindow &window, PaneArea &area);
    ~ToolStrip() override;

    // The eleven buttons, left to right.
    QList<QWidget *> buttons() const;
    ToolButton *button(int index) const { return m_buttons.at(size_t(index)); }
    ToolbarField &field() const { return *m_field; }
    // The group whose field is open, -1 for none.
    int openGroup() const { return m_openGroup; }
    // The strip button whose frame shows, -1 for none.
    int hoveredButton() const { return m_hovered; }

    void buttonClicked(int index);
    void groupClicked(int index);
    void openField(int group, bool hoverCall);
    void closeField();
    // Closes the field only when it opened by a click.
    void closeFieldInClickMode();
    void fieldButtonClicked(int index);
    void hoverOver(int index);

    // The state buttons follow their switches.
    void setAlwaysOnTopShown(bool onTop);
    void setCapturingShown(bool capturing);
    void setToolbarOpensOnHover(bool hover);

signals:
    // The list display menu is to show as a pop-up at the point.
    void listDisplayRequested(const QPoint &globalPos);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool hoverMode() const;
    void trigger(Command command);
    void showFrame();
    // A field button's picture as its command's state stands now.
    ToolPicture fieldPicture(Command command) const;
    // The pictures and tooltips of a group's field as the states stand now.
    bool groupPictures(int group, QStringList &keys, QStringList &toolTips);
    bool insideToolbar(const QWidget *widget) const;

    ListDisplay &m_display;
    GlobalSettings &m_settings;
    MainCommands &m_commands;
    ListCommands &m_lists;
    MainWindow &m_window;
    PaneArea &m_area;
    std::array<ToolButton *, ButtonCount> m_buttons{};
    ToolbarField *m_field;
    int m_hovered = -1;
    int m_openGroup = -1;
    bool m_openedByClick = false;
    bool m_deleteRefused = false;
    // The strip frame: where it stands, whether it shows and whether it looks pressed.
    int m_frameAt = -1;
    bool m_frameShown = false;
    bool m_framePressed = false;
};
