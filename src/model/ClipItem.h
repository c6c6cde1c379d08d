// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// One captured text. A non-empty name is shown in place of the text's caption.
struct ClipItem {
    QString text = {};
    QString name = {};
    // Unique among the items of a run and of the kept history; later items have larger ids.
    quint64 id = 0;
    // The program it was copied from, as the clipboard's owner told it ("" when not known).
    QString program = {};
    // The same content as HTML, when the program that copied it offered that too: served with the
    // text when it is copied back.
    QString html = {};
};
