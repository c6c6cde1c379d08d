#pragma once

// The mini window's copy-recognition lamp.
class CaptureLamp {
public:
    virtual ~CaptureLamp() = default;
    // The mini window is shown.
    virtual bool MinVis() const = 0;
    // The lamp is lit.
    virtual bool AccClLump() const = 0;
    virtual void AccClChangeOn() = 0;
    virtual void AccClChangeOff() = 0;
};
