// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Texts the program shows in more than one place.
namespace ProgramTexts {

inline QString title() { return QStringLiteral("Arlen.T.K. QuillKeeper"); }
// The only line break the program searches for or writes.
inline QString lineBreak() { return QStringLiteral("\r\n"); }
inline QString fileReadErrorSuffix() { return QStringLiteral(" ﾌｧｲﾙ読み込みｴﾗｰ"); }
// Why a folder, a device or a pipe is neither read nor written as a file.
inline QString notAFile() { return QStringLiteral("ﾌｫﾙﾀﾞや装置などで、普通のﾌｧｲﾙではありません。"); }

// The stored default font; the GUI maps it to an installed Japanese gothic.
inline QString defaultFontName() { return QStringLiteral("ＭＳ Ｐゴシック"); }

} // namespace ProgramTexts
