#pragma once

#include <QtGlobal>

// One shown pane: the list it shows and its share of the list area's height.
struct PaneRecord {
    qint16 list = 0;
    float heightShare = 0;
};
