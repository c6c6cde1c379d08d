#pragma once

#include "model/ModelTypes.h"

#include <QString>

// The global settings' stored fields, in the order the settings file keeps them
// (the toolbar mouse option follows HTMLReco there). Shared by the live settings and
// the settings dialog's working copy.
struct GrobalFields {
    qint16 TimerInterval = 0;
    Colour BarClr = 0;
    bool AddMode = false;
    bool AddSave = false;
    bool AddDelete = false;
    bool AddDeleteError = false;
    bool ReturnIm = false;
    bool ReturnOrLetter = false;
    QString LetterIm;
    bool HTMLReco = false;
    bool TextExpTimer = false;
    QString TextFName;
    float TextFSize = 0;
    qint16 HowLAddMove = 0;
    qint16 HowRAddMove = 0;
    qint16 HowTAddMove = 0;
    qint16 HowBAddMove = 0;
    qint32 HowAddMoveHIval = 0;
    qint32 HowAddMoveVIval = 0;

    bool operator==(const GrobalFields &) const = default;
};
