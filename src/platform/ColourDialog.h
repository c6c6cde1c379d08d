// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/ModelTypes.h"
#include "platform/FontColourDialogPort.h"

#include <QPointer>
#include <QWidget>
#include <array>

// What the colour dialog is shown with, kept for the whole run: the custom colours defined in the
// dialog are offered again until the program ends.
struct ColourDialogRequest {
    QPointer<QWidget> owner;
    Colour Color = 0; // in: the initial colour, out: the chosen one (0x00BBGGRR)
    std::array<Colour, 16> customColours;
    quint32 Flags = 0;

    ColourDialogRequest() { customColours.fill(0x00FFFFFF); }
};

// The colour dialog.
class ColourDialog {
public:
    static constexpr quint32 CC_RGBINIT = 0x1;

    explicit ColourDialog(FontColourDialogPort &dialogs) : m_dialogs(dialogs) {}

    void colourFromDialog(ColourDialogRequest &record) const { record = m_record; }
    void setDialogColour(const ColourDialogRequest &record) { m_record = record; }
    // True when the user confirmed; the record then holds the colour and the custom colours.
    bool showColourDialog();

private:
    FontColourDialogPort &m_dialogs;
    ColourDialogRequest m_record;
};
