// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

// A key that reaches the program from whatever window has the focus, and the way back to that
// window afterwards.
class HotkeyPort : public QObject {
    Q_OBJECT
public:
    enum class Grab { Done, Taken, Unknown };

    ~HotkeyPort() override = default;

    // Takes the key (a Qt key combination) for the whole desktop, in place of any taken before.
    // Taken: another program holds it; Unknown: the key has no place on this keyboard.
    virtual Grab grab(QKeyCombination key) = 0;
    virtual void release() = 0;
    // Gives the keyboard focus to the program's window the key brought up. Needed only where no
    // window manager takes the program's own request; the key press's time makes it count.
    virtual void takeFocus(quintptr window) = 0;
    // Gives the focus back to the window that had it when the key was last pressed; with paste,
    // then types Ctrl+V into it.
    virtual void returnFocus(bool paste) = 0;

signals:
    void pressed();
};
