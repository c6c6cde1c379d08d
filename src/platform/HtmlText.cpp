// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/HtmlText.h"

#include "platform/LineBreaks.h"

#include <QTextDocumentFragment>

QString HtmlText::plainText(const QString &html)
{
    QString text = LineBreaks::toProgram(QTextDocumentFragment::fromHtml(html).toPlainText());
    text.squeeze();
    return text;
}
