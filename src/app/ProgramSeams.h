// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class ClipboardPort;
class FileDialogPort;
class FontColourDialogPort;
class HotkeyPort;
class MessageBoxPort;

// What the program reaches outside itself through: the system's in the program, fakes in tests.
struct ProgramSeams {
    ClipboardPort &clipboard;
    MessageBoxPort &messages;
    FileDialogPort &fileDialogs;
    // The font and colour dialogs; the system's when not given.
    FontColourDialogPort *fontColourDialogs = nullptr;
    // The key that calls the program up from anywhere; none where the platform has no way.
    HotkeyPort *hotkey = nullptr;
};
