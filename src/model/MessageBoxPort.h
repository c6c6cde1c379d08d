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
};
