// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/Numbers.h"

// One shown pane: the list it shows and its share of the list area's height.
struct PaneRecord {
    ListNumber list;
    float heightShare = 0;
};
