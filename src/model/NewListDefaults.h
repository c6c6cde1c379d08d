#pragma once

#include "model/NewListDefaultFields.h"

// The live new-list defaults.
class NewListDefaults : public NewListDefaultFields {
public:
    void setFactoryValues();
};
