// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FontSetup.h"

#include "model/ProgramTexts.h"

#include <QFont>
#include <QStringList>

namespace FontSetup {

void mapStoredFontNames()
{
    const QStringList proportionalGothic = {
        QStringLiteral("Noto Sans CJK JP"), QStringLiteral("IPAPGothic"), QStringLiteral("IPAexGothic"),
        QStringLiteral("VL PGothic"), QStringLiteral("Takao PGothic"), QStringLiteral("Source Han Sans JP"),
        QStringLiteral("Hiragino Sans"), QStringLiteral("Yu Gothic"), QStringLiteral("Meiryo")};
    const QStringList monospacedGothic = {
        QStringLiteral("Noto Sans Mono CJK JP"), QStringLiteral("IPAGothic"), QStringLiteral("VL Gothic"),
        QStringLiteral("Takao Gothic"), QStringLiteral("Noto Sans CJK JP")};
    QFont::insertSubstitutions(ProgramTexts::defaultFontName(), proportionalGothic);
    QFont::insertSubstitutions(QStringLiteral("MS PGothic"), proportionalGothic);
    QFont::insertSubstitutions(QStringLiteral("ＭＳ ゴシック"), monospacedGothic);
    QFont::insertSubstitutions(QStringLiteral("MS Gothic"), monospacedGothic);
}

} // namespace FontSetup
