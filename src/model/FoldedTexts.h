#pragma once

#include <QHash>
#include <QString>

// Folded copies of texts (FindQuery::fold), so that each keystroke of a find does not fold every
// text again. A copy is used only while its text still shares the data it was made from: any
// change to the text detaches it from the copy kept here.
class FoldedTexts {
public:
    // Stays valid until the text's entry is made anew or dropped: the characters of the other
    // entries do not move when the table grows.
    QStringView folded(const QString &text);
    // Forgets the texts not asked for since the last call.
    void dropUnused();
    qsizetype size() const { return m_entries.size(); }

private:
    struct Entry {
        QString source;
        QString folded;
        bool used = true;
    };
    QHash<const QChar *, Entry> m_entries;
};
