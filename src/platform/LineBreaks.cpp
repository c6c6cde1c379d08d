// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/LineBreaks.h"

namespace LineBreaks {

QString toProgram(QString text)
{
    const qsizetype size = text.size();
    qsizetype lone = 0;
    for (qsizetype i = 0; i < size; ++i) {
        if (text.at(i) == u'\n' && (i == 0 || text.at(i - 1) != u'\r'))
            ++lone;
    }
    // Most texts need no change and keep their buffer.
    if (lone == 0)
        return text;
    // Widened in place from the end, so a text of many megabytes is never held twice.
    text.reserve(size + lone);
    text.resize(size + lone);
    QChar *chars = text.data();
    qsizetype to = size + lone;
    for (qsizetype from = size; from-- > 0;) {
        chars[--to] = chars[from];
        if (chars[from] == u'\n' && (from == 0 || chars[from - 1] != u'\r'))
            chars[--to] = u'\r';
    }
    return text;
}

QString toClipboard(const QString &text)
{
    const qsizetype pairs = text.count(QStringLiteral("\r\n"));
    if (pairs == 0)
        return text;
    // One pass: QString::replace moves the whole tail at every match, which takes minutes on a
    // text of millions of lines.
    QString converted(text.size() - pairs, Qt::Uninitialized);
    QChar *out = converted.data();
    const QChar *in = text.constData();
    const QChar *end = in + text.size();
    for (; in != end; ++in) {
        if (*in == u'\r' && in + 1 != end && in[1] == u'\n')
            continue;
        *out++ = *in;
    }
    return converted;
}

} // namespace LineBreaks
