#pragma once

#include "model/ModelTypes.h"

#include <QString>

// The defaults a new list takes, in the order the settings file keeps them. Shared by the live
// defaults and the settings dialog's working copy.
struct FirstListFields {
    bool ioSFLGDef = false;
    qint16 ioSLengthDef = 0;
    qint32 ioSWidthDef = 0;
    QString returnLetterDef;
    bool LenNumDef = false;
    qint16 UpperCountDef = 0;
    bool WayAddDef = false;
    bool PosAddDef = false;
    qint16 MovAddDef = 0;
    QString fiNameDef;
    QString loNameDef;
    QString FontNameDef;
    float FontSizeDef = 0;
    Colour BackClrDef = 0;
    Colour ForeClrDef = 0;
    Colour BackClrFcsDef = 0;
    Colour ForeClrFcsDef = 0;

    bool operator==(const FirstListFields &) const = default;
};
