#pragma once

#include "model/NewListDefaultFields.h"

// Working copy of the new-list defaults, or of one existing list's options, for the settings dialog.
struct ListOptionsCopy : NewListDefaultFields {
    bool shown = false; // the list is shown in a pane
    qint16 list = 0;     // its list number
    qint16 pane = 0;     // its pane number, when shown
};
