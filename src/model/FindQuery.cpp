// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/FindQuery.h"

#include <algorithm>
#include <array>
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
using CharacterFolds = std::array<char16_t, 0x10000>;

// Each UTF-16 unit folded alone where that gives one unit, else the unit itself. Whether a whole
// text folds this way is checked against its whole folded form (one with marks that compose, as
// "ｶﾞ", or with letters outside the BMP does not), so the table needs to be right only for speed,
// never for the matches.
const CharacterFolds &characterFolds()
{
    static const CharacterFolds folds = [] {
        CharacterFolds made{};
        for (int unit = 0; unit < int(made.size()); ++unit) {
            const QChar c{char16_t(unit)};
            made[size_t(unit)] = c.unicode();
            if (c.isSurrogate()) {
                continue;
            } else if (c.decompositionTag() == QChar::NoDecomposition) {
                // Only characters with a decomposition change under NFKC: the others are only case folded.
                made[size_t(unit)] = c.toCaseFolded().unicode();
            } else if (const QString alone = FindQuery::fold(QString(c)); alone.size() == 1) {
                made[size_t(unit)] = alone.front().unicode();
            }
        }
        return made;
    }();
    return folds;
}
} // namespace

qsizetype FindQuery::characterFoldsBytes()
{
    return qsizetype(sizeof(CharacterFolds));
}

KeptFold FindQuery::keptFold(const QString &text)
{
    const QString whole = fold(text);
    const CharacterFolds &folds = characterFolds();
    const auto foldsTo = [&folds](QChar c, QChar folded) { return folds[c.unicode()] == folded.unicode(); };
    if (!std::equal(text.begin(), text.end(), whole.begin(), whole.end(), foldsTo))
        return {false, whole == text ? text : whole};
    QString changed;
    for (QChar c : text) {
        if (folds[c.unicode()] != c.unicode())
            changed.append(c);
    }
    std::sort(changed.begin(), changed.end());
    changed.truncate(std::unique(changed.begin(), changed.end()) - changed.begin());
    return {true, changed.isEmpty() ? QString() : QString(changed.constData(), changed.size())};
}

namespace {
// Finds the word's first character with the library's vectorised search and compares the rest
// where it stands: for the few characters typed into a find, much faster than a general search.
bool holdsFolded(QStringView text, QStringView word)
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

// The same on a text folded a character at a time: each character of the text that folds to the
// word's first one (itself, or one of those folding changes) is looked for with the vectorised
// search, and the rest compared through the table.
bool holdsFoldingEach(QStringView text, QStringView changed, QStringView word)
{
    const CharacterFolds &folds = characterFolds();
    const char16_t first = word.front().unicode();
    const qsizetype last = text.size() - word.size();
    const auto holdsFrom = [&](QChar start) {
        for (qsizetype at = text.indexOf(start); at >= 0 && at <= last; at = text.indexOf(start, at + 1)) {
            qsizetype next = 1;
            while (next < word.size() && folds[text[at + next].unicode()] == word[next].unicode())
                ++next;
            if (next == word.size())
                return true;
        }
        return false;
    };
    if (folds[first] == first && holdsFrom(QChar(first)))
        return true;
    for (QChar c : changed) {
        if (folds[c.unicode()] == first && holdsFrom(c))
            return true;
    }
    return false;
}

bool holds(FoldedText text, QStringView word)
{
    return text.foldEach ? holdsFoldingEach(text.characters, text.changed, word) : holdsFolded(text.characters, word);
}
} // namespace

bool FindQuery::matches(FoldedText text, FoldedText name) const
{
    for (const QString &word : m_words) {
        if (!holds(text, word) && !holds(name, word))
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
