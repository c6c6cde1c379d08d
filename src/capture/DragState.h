// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/Numbers.h"

#include <QtGlobal>

// The item drag in progress: where it began and the row the drop would go to.
struct DragState {
    PaneNumber source{0};  // pane the dragged rows come from
    RowNumber dropRow{0}; // row of the target pane the rows go to
};
