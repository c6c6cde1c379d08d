// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/SettingsValidator.h"

#include "model/ProgramTexts.h"
#include "model/SettingText.h"
#include "model/seams/MessageBoxPort.h"

#include <QLineEdit>

std::optional<qint32> SettingsValidator::number(QLineEdit *box, qint32 low, qint32 high, const QString &label,
                                               int maxChars)
{
    const auto value = SettingText::inRange(box->text(), low, high, maxChars);
    if (!value)
        refuse(box, QStringLiteral("%1 ～ %2 の数値を入れてください。\r\n%3:\"%4\"")
                        .arg(low).arg(high).arg(label, box->text()));
    return value;
}

void SettingsValidator::refuse(QLineEdit *box, const QString &text)
{
    m_messages.show(ProgramTexts::title() + QStringLiteral(" 値が不適正です"), text, MessageBoxPort::Icon::Warning,
                    MessageBoxPort::Buttons::Ok);
    box->setFocus(Qt::OtherFocusReason);
    box->selectAll();
}

void SettingsValidator::showWarning(const QString &text)
{
    m_messages.show(ProgramTexts::title(), text, MessageBoxPort::Icon::Warning, MessageBoxPort::Buttons::Ok);
}
