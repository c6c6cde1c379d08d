// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/NewListDefaultFields.h"

// The live new-list defaults.
class NewListDefaults : public NewListDefaultFields {
public:
    void setFactoryValues();
};
