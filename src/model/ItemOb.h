#pragma once

#include <QString>

// One captured text. A non-empty name is shown in place of the text's caption.
struct ItemOb {
    QString ioWords;
    QString ioName;
};
