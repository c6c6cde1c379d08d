// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/ModelTypes.h"

#include <QLabel>

// A colour shown as a label's background; a click asks for another colour.
class ColourSample : public QLabel {
    Q_OBJECT
public:
    explicit ColourSample(const QString &name, QWidget *parent = nullptr);

    Colour colour() const { return m_colour; }
    void setColour(Colour colour);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    Colour m_colour = 0;
};
