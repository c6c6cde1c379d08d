#include "storage/ListDataDialogSettings.h"

#include "storage/spgFileCon.h"

void ListDataDialogSettings::LoadUtilQKPRldata(spgFileCon &Fee, bool Version)
{
    ListDataDialogSettings read;
    if (Version) {
        read.NowPosX = Fee.getLonB();
        read.NowPosY = Fee.getLonB();
        if (!Fee.intact())
            read = ListDataDialogSettings();
    }
    *this = read;
}

void ListDataDialogSettings::UQKPRldataOutofUtility(spgFileCon &Fee) const
{
    Fee.setLonB(NowPosX);
    Fee.setLonB(NowPosY);
}
