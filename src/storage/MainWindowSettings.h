// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QtGlobal>

class RecordFile;

// What the main window remembers between runs: its four switches, whether it was maximised, and
// its normal-size rectangle in pixels. The window reads these at start-up and fills them in
// before the settings are written at the end.
struct MainWindowSettings {
    static constexpr qint32 FactoryWidth = 307;
    static constexpr qint32 FactoryHeight = 215;
    // Stored by its number. Minimised is the window's own while it is minimised; the file keeps
    // only normal or maximised.
    enum class SizeState : qint16 { Normal = 0, Minimised = 1, Maximised = 2 };

    bool menuBarShown = true;
    bool alwaysOnTop = false;
    bool capturing = true;
    bool toolbarShown = true;
    SizeState sizeState = SizeState::Normal;
    // The normal-size rectangle: the window's own while it is normal; while it is maximised, the
    // rectangle it had before.
    qint32 Left = 0;
    qint32 Top = 0;
    qint32 Width = FactoryWidth;
    qint32 Height = FactoryHeight;

    // The first-run values: every switch on except alwaysOnTop, normal, 307 x 215 centred on the desktop.
    void setFactory(const QRect &desktop);
    // Reads the section when headerAccepted is true and keeps the rectangle on the desktop
    // (keepOnDesktop); otherwise, or when the section is damaged or cut short, takes the factory
    // values. A state other than normal or maximised, or a size that is not positive, takes its
    // factory value.
    void read(RecordFile &file, bool headerAccepted, const QRect &desktop);
    void write(RecordFile &file) const;
    // Makes the rectangle no larger than the desktop, then moves it onto the desktop.
    void keepOnDesktop(const QRect &desktop);

    bool operator==(const MainWindowSettings &) const = default;
};
