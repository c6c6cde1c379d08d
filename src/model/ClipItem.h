#pragma once

#include <QString>

// One captured text. A non-empty name is shown in place of the text's caption.
struct ClipItem {
    QString text;
    QString name;
};
