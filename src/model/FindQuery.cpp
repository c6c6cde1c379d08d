// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/FindQuery.h"

#include <vector>

FindQuery::FindQuery(const QString &typed)
{
    // Folding first turns the full-width space into a plain one.
    m_words = fold(typed).simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

QString FindQuery::fold(const QString &text)
{
    return text.normalized(QString::NormalizationForm_KC).toCaseFolded();
}

namespace {
// Finds the word's first character with the library's vectorised search and compares the rest
// where it stands: for the few characters typed into a find, much faster than a general search.
bool holds(QStringView text, QStringView word)
{
    const QChar first = word.front();
    const QStringView rest = word.sliced(1);
    const qsizetype last = text.size() - word.size();
    for (qsizetype at = text.indexOf(first); at >= 0 && at <= last; at = text.indexOf(first, at + 1)) {
        if (text.sliced(at + 1, rest.size()) == rest)
            return true;
    }
    return false;
}
} // namespace

bool FindQuery::matches(QStringView foldedText, QStringView foldedName) const
{
    for (const QString &word : m_words) {
        if (!holds(foldedText, word) && !holds(foldedName, word))
            return false;
    }
    return true;
}

bool FindQuery::narrows(const FindQuery &earlier) const
{
    for (const QString &before : earlier.m_words) {
        bool inside = false;
        for (const QString &word : m_words)
            inside = inside || word.contains(before);
        if (!inside)
            return false;
    }
    return true;
}

namespace {
// A mark, a combining sign or the second half of a surrogate pair belongs to the character before
// it: "ﾃﾞ" folds to one "デ" only when folded together.
bool joinsPrevious(QChar c)
{
    if (c.isLowSurrogate() || c.isMark())
        return true;
    const char16_t u = c.unicode();
    return u == 0xFF9E || u == 0xFF9F;
}
} // namespace

QList<std::pair<qsizetype, qsizetype>> FindQuery::marks(const QString &shown) const
{
    QList<std::pair<qsizetype, qsizetype>> found;
    if (m_words.isEmpty())
        return found;
    // The folded text, with the piece of the shown text each of its characters came from.
    QString folded;
    std::vector<std::pair<qsizetype, qsizetype>> source;
    for (qsizetype start = 0; start < shown.size();) {
        qsizetype end = start + 1;
        while (end < shown.size() && joinsPrevious(shown.at(end)))
            ++end;
        const QString piece = fold(shown.mid(start, end - start));
        folded += piece;
        source.insert(source.end(), size_t(piece.size()), {start, end});
        start = end;
    }
    for (const QString &word : m_words) {
        for (qsizetype at = folded.indexOf(word); at >= 0; at = folded.indexOf(word, at + word.size())) {
            const qsizetype begin = source[size_t(at)].first;
            found.append({begin, source[size_t(at + word.size() - 1)].second - begin});
        }
    }
    return found;
}
