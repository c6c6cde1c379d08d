// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/NewListDefaultFields.h"
#include "model/Numbers.h"

// Working copy of the new-list defaults, or of one existing list's options, for the settings dialog.
struct ListOptionsCopy : NewListDefaultFields {
    bool shown = false; // the list is shown in a pane
    ListNumber list;     // its list number
    PaneNumber pane;     // its pane number, when shown
};
