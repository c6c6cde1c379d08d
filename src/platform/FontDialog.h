// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/ModelTypes.h"
#include "platform/FontColourDialogPort.h"

#include <QPointer>
#include <QString>
#include <QWidget>
#include <optional>

// The font a font dialog starts from or gave back.
struct FontChoice {
    QString Name;
    float Size = 0; // points
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool Strikethrough = false;
    int Weight = 400;
};

// What the font dialog is shown with, kept for the whole run.
struct FontDialogRequest {
    QPointer<QWidget> owner;
    std::optional<FontChoice> Font;
    Colour Color = 0;
    int SizeMin = 0;
    int SizeMax = 0;
    quint32 Flags = 0;
};

// The font dialog. A caller reads the record, changes what it cares about, writes it back and
// shows the dialog; the chosen font comes back in the record.
class FontDialog {
public:
    static constexpr quint32 CF_SCREENFONTS = 0x1;
    static constexpr quint32 CF_INITTOLOGFONTSTRUCT = 0x40;
    static constexpr quint32 CF_FORCEFONTEXIST = 0x10000;

    explicit FontDialog(FontColourDialogPort &dialogs) : m_dialogs(dialogs) {}

    void fontFromDialog(FontDialogRequest &record) const { record = m_record; }
    void setDialogFont(const FontDialogRequest &record) { m_record = record; }
    // True when the user confirmed; the record then holds the font, its size in whole points.
    bool showFontDialog();
    std::optional<FontChoice> fontObjectFromDialog() const { return m_record.Font; }

private:
    FontColourDialogPort &m_dialogs;
    FontDialogRequest m_record;
};
