#include "storage/TextWindowSettings.h"

#include "storage/spgFileCon.h"

void TextWindowSettings::LoadUtilQKPRtext(spgFileCon &Fee, bool Version)
{
    const TextWindowSettings factory;
    TextWindowSettings read;
    if (Version) {
        read.NowPosX = Fee.getLonB();
        read.NowPosY = Fee.getLonB();
        read.nowPosH = Fee.getLonB();
        read.nowPosW = Fee.getLonB();
        read.textLock = Fee.getBooB();
        read.textVBoth = Fee.getLonB();
        if (!Fee.intact())
            read = factory;
        if (read.nowPosH <= 0)
            read.nowPosH = factory.nowPosH;
        if (read.nowPosW <= 0)
            read.nowPosW = factory.nowPosW;
        if (read.textVBoth != BothScrollBars && read.textVBoth != VerticalOnly)
            read.textVBoth = factory.textVBoth;
    }
    *this = read;
}

void TextWindowSettings::UQKPRtextOutofUtility(spgFileCon &Fee) const
{
    Fee.setLonB(NowPosX);
    Fee.setLonB(NowPosY);
    Fee.setLonB(nowPosH);
    Fee.setLonB(nowPosW);
    Fee.setBooB(textLock);
    Fee.setLonB(textVBoth);
}
