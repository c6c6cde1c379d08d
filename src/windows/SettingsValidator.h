// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

class MessageBoxPort;
class QLineEdit;

// Reads a number from a settings text box; a value that is not numeric or out of range gets the
// range message, and the box gets the focus with its whole text selected.
class SettingsValidator {
public:
    explicit SettingsValidator(MessageBoxPort &messages) : m_messages(messages) {}

    std::optional<qint32> number(QLineEdit *box, qint32 low, qint32 high, const QString &label, int maxChars = 0);
    // The refusal message ("... 値が不適正です") and the focus on the box.
    void refuse(QLineEdit *box, const QString &text);
    // A warning with the program's title.
    void showWarning(const QString &text);

private:
    MessageBoxPort &m_messages;
};
