#pragma once

#include <QtGlobal>

// One shown pane: the list it shows and its share of the list area's height.
struct ListExOb {
    qint16 leoListOb = 0;
    float Hper = 0;
};
