// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/FontColourDialogPort.h"

#include <QList>
#include <optional>

// Font and colour dialogs answered from a script: a queued answer confirms with that font or
// colour, nullopt cancels. What each dialog was opened with is recorded.
class ScriptedFontColourDialogs : public FontColourDialogPort {
public:
    QList<std::optional<QFont>> fonts;
    QList<std::optional<QColor>> colours;
    // A colour the user "defines" as custom colour 0 in a confirmed colour dialog.
    std::optional<QColor> defineCustom;
    QList<QColor> openedWith;
    QList<std::array<QColor, 16>> customOffered;

    bool chooseFont(QWidget *, QFont &font) override
    {
        const auto answer = fonts.isEmpty() ? std::nullopt : fonts.takeFirst();
        if (answer)
            font = *answer;
        return answer.has_value();
    }

    bool chooseColour(QWidget *, QColor &colour, std::array<QColor, 16> &custom) override
    {
        openedWith.append(colour);
        customOffered.append(custom);
        const auto answer = colours.isEmpty() ? std::nullopt : colours.takeFirst();
        if (!answer)
            return false;
        colour = *answer;
        if (defineCustom)
            custom[0] = *defineCustom;
        return true;
    }
};
