// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/PackedTexts.h"

#include "storage/HistoryText.h"

#include <algorithm>
#include <system_error>

PackedTexts::~PackedTexts()
{
    // Helpers stop after the text they are on: nothing else is taken.
    m_next = m_texts.size();
    for (std::thread &helper : m_helpers)
        helper.join();
}

qint32 PackedTexts::add(const char *bytes, qsizetype size, QString &into)
{
    m_texts.push_back({m_bytes.size(), size, &into});
    m_bytes.append(bytes, size);
    return qint32(m_texts.size() - 1);
}

void PackedTexts::start()
{
    if (m_states)
        return;
    m_states = std::make_unique<std::atomic<quint8>[]>(m_texts.size());
    // A helper thread pays for itself only over a few hundred texts.
    const size_t cores = std::max(std::thread::hardware_concurrency(), 1u);
    for (size_t helper = 0; helper < std::min(cores - 1, m_texts.size() / 256); ++helper) {
        // Without another thread, the texts are unpacked as they are waited for.
        try {
            m_helpers.emplace_back(&PackedTexts::work, this);
        } catch (const std::system_error &) {
            break;
        }
    }
}

bool PackedTexts::unpack()
{
    start();
    return waitForAll();
}

bool PackedTexts::take(size_t text)
{
    quint8 waiting = Waiting;
    if (!m_states[text].compare_exchange_strong(waiting, Taken, std::memory_order_acquire))
        return false;
    const Text &packed = m_texts[text];
    std::optional<QString> unpacked = HistoryText::unpack(m_bytes.constData() + packed.at, packed.size, true);
    if (unpacked)
        *packed.into = std::move(*unpacked);
    else
        m_damaged = true;
    m_states[text].store(Done, std::memory_order_release);
    m_states[text].notify_all();
    ++m_done;
    return true;
}

void PackedTexts::work()
{
    for (size_t text = m_next++; text < m_texts.size(); text = m_next++)
        take(text);
}

void PackedTexts::waitFor(qint32 text)
{
    start();
    if (text < 0 || size_t(text) >= m_texts.size() || take(size_t(text)))
        return;
    // Taken by a helper, which is unpacking it now.
    for (quint8 state = m_states[text].load(std::memory_order_acquire); state != Done;
         state = m_states[text].load(std::memory_order_acquire))
        m_states[text].wait(state, std::memory_order_acquire);
}

bool PackedTexts::waitForAll()
{
    start();
    work();
    for (std::thread &helper : m_helpers)
        helper.join();
    m_helpers.clear();
    return !m_damaged;
}
