// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/ModelTypes.h"

#include <QAbstractButton>

// A colour shown as a sunken panel. It is a button: a click, or Space while it has the focus,
// asks for another colour, and a screen reader presents it as one that can be pressed.
class ColourSample : public QAbstractButton {
    Q_OBJECT
public:
    explicit ColourSample(const QString &name, QWidget *parent = nullptr);

    Colour colour() const { return m_colour; }
    void setColour(Colour colour);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Colour m_colour = 0;
};
