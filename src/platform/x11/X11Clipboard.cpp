#include "platform/x11/X11Clipboard.h"

X11Clipboard::X11Clipboard()
{
    connect(&m_reader, &XcbClipboardReader::textRead, this, [this](const QString &text) {
        m_last = text;
        emit textOffered(text);
    });
    // Secret content offers no text.
    connect(&m_reader, &XcbClipboardReader::secretSkipped, this, [this] { m_last.clear(); });
    connect(&m_reader, &XcbClipboardReader::readFailed, this, &ClipboardPort::readFailed);
}

bool X11Clipboard::start()
{
    return m_reader.start();
}

QString X11Clipboard::readText(bool rich)
{
    return rich == m_lastRich ? m_last : QString();
}

void X11Clipboard::writeText(const QString &text, bool rich)
{
    // The reader does not report the program's own content: what it wrote is what is there.
    m_writer.writeText(text, rich);
    m_last = text;
    m_lastRich = rich;
}

void X11Clipboard::setWatching(bool watching, bool rich)
{
    if (rich != m_lastRich) {
        m_last.clear();
        m_lastRich = rich;
    }
    m_reader.setRichText(rich);
    m_reader.setReading(watching);
}
