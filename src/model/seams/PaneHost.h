// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/ModelTypes.h"
#include "model/Numbers.h"
#include "model/seams/TextWidth.h"

#include <QString>
#include <memory>

class ClipListBox;

// What the display state needs from the main window: its list boxes and divider bars, its layout
// and its measuring font.
class PaneHost : public TextWidth {
public:
    // Pointer values of a divider bar.
    static constexpr int DefaultPointer = 0;
    static constexpr int DraggablePointer = 99;

    virtual ClipListBox &listBox(PaneNumber pane) = 0;
    virtual void loadListBox(PaneNumber pane) = 0;
    virtual void unloadListBox(PaneNumber pane) = 0;
    virtual void loadBar(qint16 index) = 0;
    virtual void unloadBar(qint16 index) = 0;
    virtual void setBarPointer(qint16 index, int pointer) = 0;
    virtual void layOutPanes() = 0;
    // The font that measures captions in width mode.
    virtual void setFontSize(float points) = 0;
    virtual void setFontName(const QString &family) = 0;
    // The measuring font as it is now, untouched by later changes: rows captioned later with it read
    // as if captioned now.
    virtual std::shared_ptr<const TextWidth> measuringNow() const = 0;
};
