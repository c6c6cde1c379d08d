// SPDX-License-Identifier: GPL-3.0-or-later
#include "FakeClipboard.h"

void FakeClipboard::setPlainText(const QString &text)
{
    m_plain = text;
    m_changed = true;
}

void FakeClipboard::setRichText(const QString &text)
{
    m_rich = text;
    m_changed = true;
}

void FakeClipboard::setSecret(bool secret)
{
    m_secret = secret;
    m_changed = true;
}

void FakeClipboard::clear()
{
    m_plain.reset();
    m_rich.reset();
    m_secret = false;
    m_changed = true;
}

bool FakeClipboard::hasPlainText()
{
    return m_plain.has_value() && !m_secret;
}

QString FakeClipboard::readText(bool rich)
{
    ++m_reads;
    m_changed = false;
    if (m_secret)
        return {};
    return (rich ? m_rich : m_plain).value_or(QString());
}

void FakeClipboard::writeText(const QString &text, bool rich)
{
    m_writes.append({text, rich});
    clear();
    if (rich)
        m_rich = text;
    else
        m_plain = text;
}
