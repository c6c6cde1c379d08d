// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/seams/HotkeyPort.h"

#include <QObject>

class ListDisplay;
class MessageBoxPort;
class MiniWindow;
class PaneArea;
struct ExtraSettings;

// Picking an item from anywhere: the hotkey brings the main window up, from the mini window or
// minimised, with the focused list's first row focused. Enter in the list then copies the row as
// a click does and gives the focus back to the window that had it; Esc gives it back without
// copying. The window stays as it is: only the focus moves.
class HotkeyPick : public QObject {
    Q_OBJECT
public:
    HotkeyPick(HotkeyPort &hotkey, const ExtraSettings &settings, ListDisplay &display, PaneArea &panes,
               MiniWindow &mini, MessageBoxPort &messages);

    // Grabs the key the settings name, or lets it go when they switch it off; a key another
    // program holds gets a message naming it, and the program runs on without it.
    void applySettings();
    void bringUp();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void endPick();

    HotkeyPort &m_hotkey;
    const ExtraSettings &m_settings;
    ListDisplay &m_display;
    PaneArea &m_panes;
    MiniWindow &m_mini;
    MessageBoxPort &m_messages;
    bool m_picking = false;
};
