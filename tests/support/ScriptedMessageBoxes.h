// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/seams/MessageBoxPort.h"

#include <QList>
#include <QString>

// Answers message boxes from a script and records what was asked; an unexpected box fails the test.
class ScriptedMessageBoxes : public MessageBoxPort {
public:
    struct Asked {
        QString title;
        QString text;
        Icon icon;
        Buttons buttons;
    };

    void willAnswer(Answer answer) { m_answers.append(answer); }
    Answer show(const QString &title, const QString &text, Icon icon, Buttons buttons) override;

    QList<Asked> asked;
    bool allAnswered() const { return m_answers.isEmpty(); }

private:
    QList<Answer> m_answers;
};
