// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// Settings that have no place in the settings file, whose format stays as it is. They are kept in
// a file of their own and edited on the settings dialog's last page.
struct ExtraSettings {
    // Keep the lists between runs in the history database.
    bool keepHistory = true;
    // Start the program when the user logs in (an XDG autostart entry).
    bool startAtLogin = false;

    // A key that calls the main window up from any program, as Qt's portable key text.
    bool hotkeyOn = true;
    QString hotkey = QStringLiteral("Ctrl+Alt+V");
    // After Enter in a list called up by the hotkey, paste into the window that had the focus.
    bool pasteAfterPick = false;
    // After such a pick (or Esc) the window stays up instead of going back to its earlier form.
    bool keepWindowAfterPick = false;

    // When the clipboard's owner goes (a program copied and exited), take the clipboard back with
    // the last text captured, so the next paste still pastes it.
    bool keepClipboard = true;

    // The icon in the desktop's notification area; the window's close button hides the window
    // there instead of ending the program.
    bool trayIcon = true;
    bool closeToTray = false;

    // The largest clipboard content, in MiB, that is captured (and kept when its owner goes).
    qint32 largestTextMiB = 256;
    // A text captured again moves its item where a new one would go, instead of adding a second.
    bool moveDuplicates = false;
    // Texts selected with the mouse are captured too, each once the selection has settled.
    bool captureSelection = false;
    // Copies from these programs (process names or window classes, case ignored) are not captured.
    QStringList ignoredPrograms;

    bool operator==(const ExtraSettings &) const = default;
};
