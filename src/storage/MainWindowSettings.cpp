#include "storage/MainWindowSettings.h"

#include "storage/WindowPlacement.h"
#include "storage/spgFileCon.h"

void MainWindowSettings::setFactory(const QRect &desktop)
{
    *this = MainWindowSettings();
    const QPoint corner = WindowPlacement::centredOnDesktop(Width, Height, desktop);
    Left = corner.x();
    Top = corner.y();
}

void MainWindowSettings::LoadUtilQKPRBase(spgFileCon &Fee, bool Version, const QRect &desktop)
{
    if (!Version) {
        setFactory(desktop);
        return;
    }
    MainWindowSettings read;
    read.MenuExpress = Fee.getBooB();
    read.TopZOrder = Fee.getBooB();
    read.StopGo = Fee.getBooB();
    read.ToolControl = Fee.getBooB();
    read.WindowState = Fee.getIntB();
    read.Left = Fee.getLonB();
    read.Top = Fee.getLonB();
    read.Width = Fee.getLonB();
    read.Height = Fee.getLonB();
    if (!Fee.intact()) {
        setFactory(desktop);
        return;
    }
    if (read.WindowState != Normal && read.WindowState != Maximised)
        read.WindowState = Normal;
    if (read.Width <= 0)
        read.Width = FactoryWidth;
    if (read.Height <= 0)
        read.Height = FactoryHeight;
    WindowPlacement::FitOnScreen(read.Left, read.Top, read.Width, read.Height, desktop);
    *this = read;
}

void MainWindowSettings::UQKPRbaseOutofUtility(spgFileCon &Fee) const
{
    Fee.setBooB(MenuExpress);
    Fee.setBooB(TopZOrder);
    Fee.setBooB(StopGo);
    Fee.setBooB(ToolControl);
    Fee.setIntB(WindowState);
    Fee.setLonB(Left);
    Fee.setLonB(Top);
    Fee.setLonB(Width);
    Fee.setLonB(Height);
}
