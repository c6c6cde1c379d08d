// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/QtClipboard.h"

#include "platform/ClipboardTextMime.h"
#include "platform/LineBreaks.h"
#include "platform/SecretMarkers.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QStringDecoder>
#include <algorithm>
#include <memory>

namespace {

constexpr QLatin1StringView PlainWriteFormat("text/plain");
constexpr QLatin1StringView RichWriteFormat("text/rtf");
// Qt's name for the registered Windows rich-text clipboard format.
constexpr QLatin1StringView WindowsRichFormat("application/x-qt-windows-mime;value=\"Rich Text Format\"");

bool platformReportsChanges()
{
    const QString platform = QGuiApplication::platformName();
    return platform == QLatin1String("xcb") || platform == QLatin1String("windows");
}

QString firstOffered(const QStringList &offered, const QStringList &wanted)
{
    for (const QString &format : wanted) {
        if (offered.contains(format, Qt::CaseInsensitive))
            return format;
    }
    return {};
}

QString richWriteFormat()
{
    return QGuiApplication::platformName() == QLatin1String("windows") ? WindowsRichFormat : RichWriteFormat;
}

} // namespace

QtClipboard::QtClipboard(ChangeGating gating, QObject *parent)
    : m_clipboard(QGuiApplication::clipboard()),
      m_gating(gating == ChangeGating::WhereReliable && platformReportsChanges())
{
    setParent(parent);
    connect(m_clipboard, &QClipboard::changed, this, [this](QClipboard::Mode mode) {
        if (mode == QClipboard::Clipboard)
            forgetContent();
    });
}

const QStringList &QtClipboard::plainFormats()
{
    static const QStringList formats{QStringLiteral("text/plain;charset=utf-8"), QStringLiteral("text/plain")};
    return formats;
}

const QStringList &QtClipboard::richFormats()
{
    static const QStringList formats{RichWriteFormat, QStringLiteral("application/rtf"),
                                     QStringLiteral("text/richtext"), WindowsRichFormat};
    return formats;
}

QString QtClipboard::decodeText(QByteArray bytes)
{
    // Some owners end their text with a terminating NUL; it is not part of the text.
    while (bytes.endsWith('\0'))
        bytes.chop(1);
    QStringDecoder utf8(QStringConverter::Utf8,
                        QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        return QString::fromLatin1(bytes);
    return text;
}

QString QtClipboard::keptText(QString text, bool rich)
{
    if (!rich)
        text = LineBreaks::toProgram(std::move(text));
    text.squeeze();
    return text;
}

void QtClipboard::forgetContent()
{
    m_offer.reset();
    m_plain.reset();
    m_rich.reset();
}

std::optional<QtClipboard::Offer> QtClipboard::currentOffer()
{
    if (m_gating && m_offer)
        return m_offer;
    return learnOffer(m_clipboard->mimeData(QClipboard::Clipboard));
}

std::optional<QtClipboard::Offer> QtClipboard::learnOffer(const QMimeData *mime)
{
    if (!mime)
        return std::nullopt;
    Offer offer{mime->formats(), false};
    // No formats: nobody owns the clipboard, or the owner did not answer in time. Ask again later.
    if (offer.formats.isEmpty())
        return std::nullopt;
    const auto offered = [&offer](const QString &format) { return offer.formats.contains(format); };
    offer.secret = std::any_of(SecretMarkers::presenceFormats().cbegin(), SecretMarkers::presenceFormats().cend(),
                               offered);
    for (const QString &marker : SecretMarkers::valueFormats()) {
        if (!offer.secret && offered(marker))
            offer.secret = SecretMarkers::valueMarksSecret(marker, mime->data(marker));
    }
    if (m_gating)
        m_offer = offer;
    return offer;
}

bool QtClipboard::hasPlainText()
{
    const std::optional<Offer> offer = currentOffer();
    return offer && !offer->secret && !firstOffered(offer->formats, plainFormats()).isEmpty();
}

QString QtClipboard::readText(bool rich)
{
    std::optional<QString> &kept = rich ? m_rich : m_plain;
    if (m_gating && kept)
        return *kept;
    QString text = fetchText(rich);
    // An empty text is not kept: it may stand for a failed transfer.
    if (m_gating && !text.isEmpty())
        kept = text;
    return text;
}

QString QtClipboard::fetchText(bool rich)
{
    const QMimeData *mime = m_clipboard->mimeData(QClipboard::Clipboard);
    if (!mime)
        return {};
    // Our own content: hand back the string we put there rather than a decoded copy of it.
    if (const auto *own = qobject_cast<const ClipboardTextMime *>(mime)) {
        const bool ownIsRich = own->format() != PlainWriteFormat;
        return ownIsRich == rich ? own->storedText() : QString();
    }
    // Asked again right before the transfer: content that has just replaced what we learned, its
    // change not yet reported, is then still recognised as secret wherever the platform asks the
    // owner afresh (xcb keeps the owner's format list until it reports the change).
    const std::optional<Offer> offer = learnOffer(mime);
    if (!offer || offer->secret)
        return {};
    const QString format = firstOffered(offer->formats, rich ? richFormats() : plainFormats());
    if (format.isEmpty())
        return {};
    return keptText(decodeText(mime->data(format)), rich);
}

void QtClipboard::writeText(const QString &text, bool rich)
{
    // Qt takes ownership of the content; the whole clipboard is replaced by this one format.
    auto content = std::make_unique<ClipboardTextMime>(rich ? richWriteFormat() : PlainWriteFormat, text);
    m_clipboard->setMimeData(content.release(), QClipboard::Clipboard);
    // Some platforms report our own change only later, from their event queue; until then a kept
    // text would be the previous content and would look new to the watcher.
    forgetContent();
}

QString QtClipboard::readHtml()
{
    const QMimeData *mime = m_clipboard->mimeData(QClipboard::Clipboard);
    const std::optional<Offer> offer = currentOffer();
    if (!mime || !offer || offer->secret || !mime->hasHtml())
        return {};
    if (const auto *own = qobject_cast<const ClipboardTextMime *>(mime))
        return own->storedHtml();
    return mime->html();
}

void QtClipboard::writeTextAndHtml(const QString &text, const QString &html)
{
    auto content = std::make_unique<ClipboardTextMime>(PlainWriteFormat, text, html);
    m_clipboard->setMimeData(content.release(), QClipboard::Clipboard);
    forgetContent();
}

bool QtClipboard::changedSinceLastRead() const
{
    return !m_gating || !(m_plain || m_rich);
}
