// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/seams/MessageBoxPort.h"

class QMessageBox;
class QWidget;

// Message boxes as QMessageBox dialogs over a parent window, or over the active window: modal
// ones for show(), modeless ones for notify().
class QtMessageBoxes : public MessageBoxPort {
public:
    explicit QtMessageBoxes(QWidget *parent = nullptr) : m_parent(parent) {}
    Answer show(const QString &title, const QString &text, Icon icon, Buttons buttons) override;
    void notify(const QString &title, const QString &text, Icon icon) override;

    // Nobody is there to answer (a logout or shutdown ends the program): from now on each text
    // goes to standard error, which the session keeps in its log, and is answered as a closed box.
    void setUnattended() { m_unattended = true; }

private:
    static void prepare(QMessageBox &box, const QString &title, const QString &text, Icon icon, Buttons buttons);
    static QString plainText(const QString &text);

    QWidget *m_parent;
    bool m_unattended = false;
};
