#pragma once

#include "model/FirstListFields.h"

// The live new-list defaults.
class UtilityFirstList : public FirstListFields {
public:
    void SetFirstFactory();
};
