#pragma once

#include "app/ProgramSeams.h"
#include "platform/QtClipboard.h"
#include "platform/QtFileDialogs.h"
#include "platform/QtFontColourDialogs.h"
#include "platform/QtMessageBoxes.h"

// The system's clipboard, message boxes and file dialogs; the boxes and dialogs open over the
// active window.
struct QtSeams {
    QtClipboard clipboard;
    QtMessageBoxes messages;
    QtFileDialogs fileDialogs;
    QtFontColourDialogs fontColourDialogs;

    ProgramSeams seams() { return {clipboard, messages, fileDialogs, &fontColourDialogs}; }
};
