// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The program keeps line breaks as CR LF, the breaks its captions, splitting and clip-list files
// work with; the toolkit's clipboard speaks LF (and turns it into the platform's own break).
namespace LineBreaks {

// A text from the clipboard: every LF that is not already preceded by CR gets one. A text handed
// over (moved in) is changed in its own buffer.
QString toProgram(QString text);
// A text for the clipboard: every CR LF becomes LF.
QString toClipboard(const QString &text);

} // namespace LineBreaks
