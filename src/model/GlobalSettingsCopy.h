// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/GlobalSettingFields.h"

// Working copy of the global settings for the settings dialog; the toolbar mouse option is a
// plain field here, so writing it has no side effect.
struct GlobalSettingsCopy : GlobalSettingFields {
    bool toolbarOpensOnHover = false;
};
