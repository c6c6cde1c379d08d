#pragma once

#include "storage/FirstListFields.h"

class spgFileCon;

// The live new-list defaults.
class UtilityFirstList : public FirstListFields {
public:
    void SetFirstFactory();

    // The new-list defaults' section of the settings file. With Version false, or when the
    // section turns out damaged or cut short, every field takes its factory value; a value
    // outside the settings dialog's range takes its own factory value.
    void LoadUtilFirst(spgFileCon &Fee, bool Version);
    void UFirstOutofUtility(spgFileCon &Fee) const;
};
