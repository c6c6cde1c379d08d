#include "storage/MiniWindowSettings.h"

#include "storage/spgFileCon.h"

void MiniWindowSettings::LoadUtilQKPRmin(spgFileCon &Fee, bool Version)
{
    MiniWindowSettings read;
    if (Version) {
        read.RestPosX = Fee.getLonB();
        read.RestPosY = Fee.getLonB();
        if (!Fee.intact())
            read = MiniWindowSettings();
    }
    *this = read;
}

void MiniWindowSettings::UQKPRminOutofUtility(spgFileCon &Fee) const
{
    Fee.setLonB(RestPosX);
    Fee.setLonB(RestPosY);
}
