#pragma once

#include <QString>

// Texts the program shows in more than one place.
namespace ProgramTexts {

inline QString title() { return QStringLiteral("Arlen.T.K. QuillKeeper"); }
inline QString fileReadErrorSuffix() { return QStringLiteral(" ﾌｧｲﾙ読み込みｴﾗｰ"); }

// The stored default font; the GUI maps it to an installed Japanese gothic.
inline QString defaultFontName() { return QStringLiteral("ＭＳ Ｐゴシック"); }

} // namespace ProgramTexts
