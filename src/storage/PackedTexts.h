// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/RestoringTexts.h"

#include <QByteArray>
#include <QString>
#include <atomic>
#include <memory>
#include <thread>
#include <vector>

// Compressed texts read from the history, each to be unpacked (HistoryText) into the item that waits
// for it. Unpacking is most of the work of bringing a history back, so it runs on the other cores
// while the window is built, and a text needed first is unpacked at once.
class PackedTexts : public RestoringTexts {
public:
    PackedTexts() = default;
    // Waits for the text each helper is on; the others are left as they are.
    ~PackedTexts() override;
    PackedTexts(const PackedTexts &) = delete;
    PackedTexts &operator=(const PackedTexts &) = delete;

    // Room for this many bytes of texts, so that adding them copies each once.
    void reserve(qsizetype bytes) { m_bytes.reserve(bytes); }
    // Copies the bytes and returns the text's number; into must stay where it is (a deque's
    // elements do, also when the deque is moved) and be left alone until the text is waited for.
    qint32 add(const char *bytes, qsizetype size, QString &into);
    bool empty() const { return m_texts.empty(); }
    // Starts unpacking on helper threads, one for each core but this one's. Nothing is added after.
    void start();
    // Unpacks every text now, on every core; false when a text is damaged.
    bool unpack();

    void waitFor(qint32 text) override;
    bool waitForAll() override;
    bool allThere() const override { return m_done == m_texts.size(); }

private:
    enum State : quint8 { Waiting, Taken, Done };
    struct Text {
        qsizetype at;
        qsizetype size;
        QString *into;
    };
    void work();
    // Unpacks the text if nobody took it yet; whether this thread did.
    bool take(size_t text);

    QByteArray m_bytes; // every text's bytes, one after another: one allocation for all of them
    std::vector<Text> m_texts;
    std::unique_ptr<std::atomic<quint8>[]> m_states; // beside each text, once started
    std::atomic<size_t> m_next = 0;
    std::atomic<size_t> m_done = 0;
    std::atomic<bool> m_damaged = false;
    std::vector<std::thread> m_helpers;
};
