// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessible>

class QWidget;

// Gives a widget a role for assistive technology other than the one Qt derives from its class:
// labels drawn as page tabs are announced as page tabs. Set it before the widget is first shown.
namespace AccessibleRole {
void set(QWidget *widget, QAccessible::Role role);
}
