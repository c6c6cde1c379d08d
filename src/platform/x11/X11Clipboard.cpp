// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/x11/X11Clipboard.h"

#include "platform/HtmlText.h"

#include <utility>

X11Clipboard::X11Clipboard()
{
    connect(&m_connection, &XcbClipboardConnection::textRead, this,
            [this](QString text, bool seen, const QString &program, bool mouseSelection, const QString &html) {
                // HTML alone is kept as the text it reads as.
                if (text.isEmpty() && !html.isEmpty())
                    text = HtmlText::plainText(html);
                // The keeper keeps the clipboard only.
                if (mouseSelection) {
                    emit textOffered(text, CopySource{program, true}, html);
                    return;
                }
                m_held = text;
                m_heldHtml = html;
                if (seen)
                    emit textSeen(text);
                else
                    emit textOffered(text, CopySource{program, false}, html);
            });
    // Secret content offers no text.
    connect(&m_connection, &XcbClipboardConnection::secretSkipped, this, [this] {
        m_held.clear();
        m_heldHtml.clear();
    });
    connect(&m_connection, &XcbClipboardConnection::readFailed, this, &ClipboardPort::readFailed);
    connect(&m_connection, &XcbClipboardConnection::ownerGone, this, &X11Clipboard::ownerGone);
}

void X11Clipboard::setKeeping(bool keeping)
{
    m_keeping = keeping;
    m_connection.setKeeping(keeping);
}

void X11Clipboard::ownerGone(quint32 time)
{
    // The text was captured already (or was the program's own copy): served again, it is ours,
    // and the connection does not read our own content, so it is not captured twice. Secret content
    // left nothing to keep; with capture stopped the last text is not what was on the clipboard.
    if (m_keeping && m_watching && !m_held.isEmpty())
        m_connection.serve(m_held, m_heldRich, time, m_heldHtml);
    else
        m_held.clear();
}

bool X11Clipboard::start()
{
    return m_connection.start();
}

QString X11Clipboard::readText(bool rich)
{
    return rich == m_heldRich ? m_held : QString();
}

void X11Clipboard::writeText(const QString &text, bool rich)
{
    // The connection does not report the program's own content: what it wrote is what is there.
    m_connection.serve(text, rich);
    m_held = text;
    m_heldRich = rich;
    m_heldHtml.clear();
}

void X11Clipboard::writeTextAndHtml(const QString &text, const QString &html)
{
    m_connection.serve(text, false, 0, html);
    m_held = text;
    m_heldRich = false;
    m_heldHtml = html;
}

void X11Clipboard::setWatching(bool watching, bool rich)
{
    if (rich != m_heldRich) {
        m_held.clear();
        m_heldRich = rich;
    }
    m_connection.setRichText(rich);
    if (watching != m_watching)
        m_connection.setReading(watching, std::exchange(m_passOverCurrent, false));
    m_watching = watching;
}
