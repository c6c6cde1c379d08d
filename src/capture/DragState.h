#pragma once

#include <QtGlobal>

// The item drag in progress: where it began and the row the drop would go to.
struct DragState {
    qint16 source = 0;  // pane the dragged rows come from
    qint16 dropRow = 0; // row of the target pane the rows go to
    int mouseMode = 0;  // 0 = idle
};
