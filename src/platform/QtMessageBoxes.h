#pragma once

#include "model/MessageBoxPort.h"

class QWidget;

// Message boxes as modal QMessageBox dialogs over a parent window, or over the active window.
class QtMessageBoxes : public MessageBoxPort {
public:
    explicit QtMessageBoxes(QWidget *parent = nullptr) : m_parent(parent) {}
    Answer show(const QString &title, const QString &text, Icon icon, Buttons buttons) override;

private:
    QWidget *m_parent;
};
