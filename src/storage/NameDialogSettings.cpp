#include "storage/NameDialogSettings.h"

#include "storage/spgFileCon.h"

void NameDialogSettings::LoadUtilQKPRname(spgFileCon &Fee, bool Version)
{
    NameDialogSettings read;
    if (Version) {
        read.NowPosX = Fee.getLonB();
        read.NowPosY = Fee.getLonB();
        if (!Fee.intact())
            read = NameDialogSettings();
    }
    *this = read;
}

void NameDialogSettings::UQKPRnameOutofUtility(spgFileCon &Fee) const
{
    Fee.setLonB(NowPosX);
    Fee.setLonB(NowPosY);
}
