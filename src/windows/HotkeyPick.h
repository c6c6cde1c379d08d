// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/seams/HotkeyPort.h"

#include <QObject>

class ListDisplay;
class MessageBoxPort;
class MiniWindow;
class PaneArea;
struct ExtraSettings;

// Picking an item from anywhere: the hotkey brings the main window up, from the mini window,
// minimised or hidden, with the focused list's first row focused. Enter in the list (or on a match
// in the find bar) then copies the row as a click does and gives the focus back to the window
// that had it; Esc gives it back without copying. Either way the window goes back to the form it
// had before the key, unless the user keeps it up.
class HotkeyPick : public QObject {
    Q_OBJECT
public:
    HotkeyPick(HotkeyPort &hotkey, const ExtraSettings &settings, ListDisplay &display, PaneArea &panes,
               MiniWindow &mini, MessageBoxPort &messages);

    // Grabs the key the settings name, or lets it go when they switch it off; a key another
    // program holds gets a message naming it, and the program runs on without it.
    void applySettings();
    void bringUp();
    // A row was picked outside the list (Enter in the find bar): the call ends as on Enter in the list.
    void pickedElsewhere();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    enum class Form { Shown, Minimised, Hidden, Mini };

    void endPick();
    void giveBack(bool paste);
    Form currentForm() const;
    void putBack(Form form);

    HotkeyPort &m_hotkey;
    const ExtraSettings &m_settings;
    ListDisplay &m_display;
    PaneArea &m_panes;
    MiniWindow &m_mini;
    MessageBoxPort &m_messages;
    bool m_picking = false;
    Form m_formBefore = Form::Shown;
};
