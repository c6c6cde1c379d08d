// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScriptedMessageBoxes.h"

#include <QtTest>

MessageBoxPort::Answer ScriptedMessageBoxes::show(const QString &title, const QString &text, Icon icon, Buttons buttons)
{
    asked.append({title, text, icon, buttons});
    if (m_answers.isEmpty()) {
        QTest::qFail(qPrintable(QStringLiteral("unexpected message box: ") + text), __FILE__, __LINE__);
        return buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
    }
    return m_answers.takeFirst();
}
