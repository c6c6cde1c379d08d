// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/ProgramSeams.h"
#include "platform/QtClipboard.h"
#include "platform/QtFileDialogs.h"
#include "platform/QtFontColourDialogs.h"
#include "platform/QtMessageBoxes.h"
#include "platform/x11/X11Clipboard.h"
#include "platform/x11/X11Hotkey.h"

#include <memory>

// The system's clipboard, message boxes, file, font and colour dialogs; the boxes and dialogs open over the
// active window. On X11 the clipboard is read in the background, elsewhere through QClipboard.
struct QtSeams {
    QtSeams()
    {
        auto x11 = std::make_unique<X11Clipboard>();
        if (x11->start())
            clipboard = std::move(x11);
        else
            clipboard = std::make_unique<QtClipboard>();
        if (auto x11Hotkey = std::make_unique<X11Hotkey>(); x11Hotkey->start())
            hotkey = std::move(x11Hotkey);
    }

    std::unique_ptr<ClipboardPort> clipboard;
    std::unique_ptr<HotkeyPort> hotkey;
    QtMessageBoxes messages;
    QtFileDialogs fileDialogs;
    QtFontColourDialogs fontColourDialogs;

    ProgramSeams seams() { return {*clipboard, messages, fileDialogs, &fontColourDialogs, hotkey.get()}; }
};
