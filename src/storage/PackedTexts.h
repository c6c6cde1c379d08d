// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

// Compressed texts read from the history, each to be unpacked (HistoryText) into the item that waits
// for it. Unpacking is most of the work of bringing a history back, so it runs on every core.
class PackedTexts {
public:
    // Copies the bytes; into must stay where it is until unpack() returns.
    void add(const char *bytes, qsizetype size, QString &into);
    // False when a text is damaged.
    bool unpack();

private:
    struct Text {
        qsizetype at;
        qsizetype size;
        QString *into;
    };
    QByteArray m_bytes; // every text's bytes, one after another: one allocation for all of them
    std::vector<Text> m_texts;
};
