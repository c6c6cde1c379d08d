#pragma once

#include <QString>

// What the text window shows and may do with it; the main window and the item commands read
// and write these fields directly.
struct TextHandOff {
    qint16 cLx = 0;     // pane of the item shown
    qint16 oLx = 0;     // its list
    qint16 cIx = 0;     // its row
    qint16 oIx = 0;     // its item number
    QString Texts;      // the text shown
    QString HeadTitle;  // the item's name
    bool textVis = false;  // the window is shown
    bool textDel = false;  // it holds unsaved edits and must not be re-pointed
    bool textSave = false; // its item still matches the list: saving and dividing are allowed
};
