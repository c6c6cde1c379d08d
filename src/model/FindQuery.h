// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <utility>

// What the find bar looks for: the words of the typed query, folded as the items' texts are, so
// that half-width and full-width forms and upper and lower case find each other. Hiragana and
// katakana stay apart: they are different words to a reader.
class FindQuery {
public:
    explicit FindQuery(const QString &typed = QString());

    // Compatibility forms composed (NFKC) and case folded.
    static QString fold(const QString &text);

    bool isEmpty() const { return m_words.isEmpty(); }
    const QStringList &words() const { return m_words; }

    // Every word occurs in the folded text or the folded name.
    bool matches(QStringView foldedText, QStringView foldedName) const;
    // All this query finds, the earlier one found too: each earlier word lies inside one of these.
    bool narrows(const FindQuery &earlier) const;

    // Where the words occur in a shown text, as (start, length) in the text's own characters.
    QList<std::pair<qsizetype, qsizetype>> marks(const QString &shown) const;

private:
    QStringList m_words;
};
