#pragma once

#include "model/ModelTypes.h"

#include <QString>

// The options of one clip list, as a list holds them and a clip-list file stores them.
struct ListOptions {
    QString loName;
    qint16 loNameEx = 0;
    float Hper = -1;
    qint16 UpperCount = 0;
    bool ioSFLG = false;
    qint16 ioSLength = 0;
    qint32 ioSWidth = 0;
    QString ReturnLetter;
    bool LenNum = false;
    bool WayAdd = false;
    bool PosAdd = false;
    qint16 MovAdd = 0;
    QString fiName;
    QString FontName;
    float FontSize = 0;
    Colour BackClr = 0;
    Colour ForeClr = 0;
    Colour BackClrFcs = 0;
    Colour ForeClrFcs = 0;

    bool operator==(const ListOptions &) const = default;
};
