// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Message boxes in the program's style: a title, a text, an icon and a set of buttons; the answer
// is the button pressed (closing the box counts as its cancelling button).
class MessageBoxPort {
public:
    enum class Icon { Information, Question, Warning, Critical };
    enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
    enum class Answer { Ok, Cancel, Yes, No };

    virtual ~MessageBoxPort() = default;
    virtual Answer show(const QString &title, const QString &text, Icon icon, Buttons buttons) = 0;
    // A box with an O.K. button that the program does not wait for: it goes on meanwhile.
    virtual void notify(const QString &title, const QString &text, Icon icon) { show(title, text, icon, Buttons::Ok); }
};
