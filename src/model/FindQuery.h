// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <utility>

// A text as a find compares it: its folded form, or (foldEach) the text itself, whose characters
// are folded one by one as they are compared, for a text that folds to the same that way; changed
// then holds the distinct characters that folding changes in it.
struct FoldedText {
    QStringView characters;
    QStringView changed;
    bool foldEach = false;
};

// What a find keeps of a text beside the text itself: for a text that folds character by
// character (as widths and case do), only the distinct characters folding changes in it; for
// another, its folded form.
struct KeptFold {
    bool foldEach = true;
    QString characters;
};

// What the find bar looks for: the words of the typed query, folded as the items' texts are, so
// that half-width and full-width forms and upper and lower case find each other. Hiragana and
// katakana stay apart: they are different words to a reader.
class FindQuery {
public:
    explicit FindQuery(const QString &typed = QString());

    // Compatibility forms composed (NFKC) and case folded.
    static QString fold(const QString &text);
    // What a find keeps of the text (KeptFold).
    static KeptFold keptFold(const QString &text);
    // Memory of the table keptFold and matches use.
    static qsizetype characterFoldsBytes();
    // The text as a find compares it, given what keptFold made of it.
    static FoldedText folded(const QString &text, const KeptFold &kept)
    {
        return kept.foldEach ? FoldedText{text, kept.characters, true} : FoldedText{kept.characters, {}, false};
    }

    bool isEmpty() const { return m_words.isEmpty(); }
    const QStringList &words() const { return m_words; }

    // Every word occurs in the folded text or the folded name.
    bool matches(FoldedText text, FoldedText name) const;
    // All this query finds, the earlier one found too: each earlier word lies inside one of these.
    bool narrows(const FindQuery &earlier) const;

    // Where the words occur in a shown text, as (start, length) in the text's own characters.
    QList<std::pair<qsizetype, qsizetype>> marks(const QString &shown) const;

private:
    QStringList m_words;
};
