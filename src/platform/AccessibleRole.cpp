// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/AccessibleRole.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace {
constexpr char RoleProperty[] = "accessibleRole";

QAccessibleInterface *roleOfProperty(const QString &, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget)
        return nullptr;
    const QVariant role = widget->property(RoleProperty);
    return role.isValid() ? new QAccessibleWidget(widget, QAccessible::Role(role.toInt())) : nullptr;
}
} // namespace

void AccessibleRole::set(QWidget *widget, QAccessible::Role role)
{
    static const bool installed = [] {
        QAccessible::installFactory(roleOfProperty);
        return true;
    }();
    Q_UNUSED(installed);
    widget->setProperty(RoleProperty, int(role));
}
