// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/PackedTexts.h"

#include "storage/HistoryText.h"

#include <algorithm>
#include <atomic>
#include <system_error>
#include <thread>

void PackedTexts::add(const char *bytes, qsizetype size, QString &into)
{
    m_texts.push_back({m_bytes.size(), size, &into});
    m_bytes.append(bytes, size);
}

bool PackedTexts::unpack()
{
    std::atomic<size_t> next = 0;
    std::atomic<bool> damaged = false;
    const auto work = [&] {
        for (size_t at = next++; at < m_texts.size() && !damaged; at = next++) {
            const Text &packed = m_texts[at];
            std::optional<QString> text = HistoryText::unpack(m_bytes.constData() + packed.at, packed.size, true);
            if (text)
                *packed.into = std::move(*text);
            else
                damaged = true;
        }
    };
    // A helper thread pays for itself only over a few hundred texts.
    const size_t cores = std::max(std::thread::hardware_concurrency(), 1u);
    std::vector<std::thread> helpers;
    for (size_t helper = 0; helper < std::min(cores - 1, m_texts.size() / 256); ++helper) {
        // Without another thread, this one does all the work.
        try {
            helpers.emplace_back(work);
        } catch (const std::system_error &) {
            break;
        }
    }
    work();
    for (std::thread &helper : helpers)
        helper.join();
    return !damaged;
}
