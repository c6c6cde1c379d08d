#pragma once

#include "model/GrobalFields.h"

// Working copy of the global settings for the settings dialog; the toolbar mouse option is a
// plain field here, so writing it has no side effect.
struct UtilGrobal : GrobalFields {
    bool ToolOvOrCk = false;
};
