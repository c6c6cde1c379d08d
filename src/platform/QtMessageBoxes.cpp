// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/QtMessageBoxes.h"

#include <QApplication>
#include <QMessageBox>

void QtMessageBoxes::prepare(QMessageBox &box, const QString &title, const QString &text, Icon icon, Buttons buttons)
{
    box.setWindowTitle(title);
    box.setText(plainText(text));
    switch (icon) {
    case Icon::Information: box.setIcon(QMessageBox::Information); break;
    case Icon::Question: box.setIcon(QMessageBox::Question); break;
    case Icon::Warning: box.setIcon(QMessageBox::Warning); break;
    case Icon::Critical: box.setIcon(QMessageBox::Critical); break;
    }
    switch (buttons) {
    case Buttons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
    case Buttons::OkCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    case Buttons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    case Buttons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    }
}

QString QtMessageBoxes::plainText(const QString &text)
{
    // Texts are built with CR LF line breaks; a lone CR would show as a stray mark.
    QString plain = text;
    return plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

MessageBoxPort::Answer QtMessageBoxes::show(const QString &title, const QString &text, Icon icon, Buttons buttons)
{
    if (m_unattended) {
        notify(title, text, icon);
        return buttons == Buttons::Ok ? Answer::Ok : buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
    }
    QMessageBox box(m_parent ? m_parent : QApplication::activeWindow());
    prepare(box, title, text, icon, buttons);
    switch (box.exec()) {
    case QMessageBox::Ok: return Answer::Ok;
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default: return buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
    }
}

void QtMessageBoxes::notify(const QString &title, const QString &text, Icon icon)
{
    if (m_unattended) {
        qWarning("%s\n%s", qUtf8Printable(title), qUtf8Printable(plainText(text)));
        return;
    }
    auto *box = new QMessageBox(m_parent ? m_parent : QApplication::activeWindow());
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::NonModal);
    prepare(*box, title, text, icon, Buttons::Ok);
    box->show();
}
