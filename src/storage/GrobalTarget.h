#pragma once

#include "model/ModelTypes.h"

// The main window's controls that take a global setting as soon as it is applied.
class GrobalTarget {
public:
    virtual ~GrobalTarget() = default;
    virtual void setTimerInterval(int milliseconds) = 0;
    virtual void setBarColour(qint16 bar, Colour colour) = 0;
};
