#include "platform/LineBreaks.h"

namespace LineBreaks {

QString toProgram(const QString &text)
{
    qsizetype lone = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == u'\n' && (i == 0 || text.at(i - 1) != u'\r'))
            ++lone;
    }
    // Most texts need no change and keep their buffer.
    if (lone == 0)
        return text;
    QString converted;
    converted.reserve(text.size() + lone);
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == u'\n' && (i == 0 || text.at(i - 1) != u'\r'))
            converted += u'\r';
        converted += text.at(i);
    }
    return converted;
}

QString toClipboard(const QString &text)
{
    if (!text.contains(QStringLiteral("\r\n")))
        return text;
    return QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

} // namespace LineBreaks
