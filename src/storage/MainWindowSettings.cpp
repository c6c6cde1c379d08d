// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/MainWindowSettings.h"

#include "storage/WindowPlacement.h"
#include "storage/RecordFile.h"

void MainWindowSettings::setFactory(const QRect &desktop)
{
    *this = MainWindowSettings();
    const QPoint corner = WindowPlacement::centredOnDesktop(Width, Height, desktop);
    Left = corner.x();
    Top = corner.y();
}

void MainWindowSettings::read(RecordFile &file, bool headerAccepted, const QRect &desktop)
{
    if (!headerAccepted) {
        setFactory(desktop);
        return;
    }
    MainWindowSettings read;
    read.menuBarShown = file.readBool();
    read.alwaysOnTop = file.readBool();
    read.capturing = file.readBool();
    read.toolbarShown = file.readBool();
    read.sizeState = SizeState(file.readInt16());
    read.Left = file.readInt32();
    read.Top = file.readInt32();
    read.Width = file.readInt32();
    read.Height = file.readInt32();
    if (!file.intact()) {
        setFactory(desktop);
        return;
    }
    if (read.sizeState != SizeState::Normal && read.sizeState != SizeState::Maximised)
        read.sizeState = SizeState::Normal;
    if (read.Width <= 0)
        read.Width = FactoryWidth;
    if (read.Height <= 0)
        read.Height = FactoryHeight;
    read.keepOnDesktop(desktop);
    *this = read;
}

void MainWindowSettings::keepOnDesktop(const QRect &desktop)
{
    WindowPlacement::fitSize(Width, Height, desktop);
    WindowPlacement::fitOnScreen(Left, Top, Width, Height, desktop);
}

void MainWindowSettings::write(RecordFile &file) const
{
    file.writeBool(menuBarShown);
    file.writeBool(alwaysOnTop);
    file.writeBool(capturing);
    file.writeBool(toolbarShown);
    file.writeInt16(qint16(sizeState));
    file.writeInt32(Left);
    file.writeInt32(Top);
    file.writeInt32(Width);
    file.writeInt32(Height);
}
