#pragma once

class ClipboardPort;
class FileDialogPort;
class MessageBoxPort;

// What the program reaches outside itself through: the system's in the program, fakes in tests.
struct ProgramSeams {
    ClipboardPort &clipboard;
    MessageBoxPort &messages;
    FileDialogPort &fileDialogs;
};
