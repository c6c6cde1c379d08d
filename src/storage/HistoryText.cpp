// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/HistoryText.h"

#include <memory>
#include <zstd.h>

namespace {
// zstd's default level: fast, and higher ones pack short texts hardly better.
constexpr int Level = 3;

// One context per thread, made once: zstd's one-shot calls make a new one for every text, which
// costs more than the text itself.
ZSTD_CCtx *compressor()
{
    thread_local const std::unique_ptr<ZSTD_CCtx, size_t (*)(ZSTD_CCtx *)> context(ZSTD_createCCtx(), ZSTD_freeCCtx);
    return context.get();
}

ZSTD_DCtx *decompressor()
{
    thread_local const std::unique_ptr<ZSTD_DCtx, size_t (*)(ZSTD_DCtx *)> context(ZSTD_createDCtx(), ZSTD_freeDCtx);
    return context.get();
}
} // namespace

HistoryText::Packed HistoryText::pack(const QString &text, bool compress)
{
    QByteArray utf8 = text.toUtf8();
    if (!compress || utf8.size() < CompressFrom)
        return {std::move(utf8), false};
    QByteArray frame(qsizetype(ZSTD_compressBound(size_t(utf8.size()))), Qt::Uninitialized);
    const size_t size = ZSTD_compressCCtx(compressor(), frame.data(), size_t(frame.size()), utf8.constData(),
                                          size_t(utf8.size()), Level);
    if (ZSTD_isError(size) || qsizetype(size) >= utf8.size())
        return {std::move(utf8), false};
    frame.truncate(qsizetype(size));
    return {std::move(frame), true};
}

std::optional<QString> HistoryText::unpack(const char *bytes, qsizetype size, bool compressed)
{
    if (!compressed)
        return QString::fromUtf8(bytes, size);
    const unsigned long long length = ZSTD_getFrameContentSize(bytes, size_t(size));
    // No text kept is longer than a QString can hold; a frame that says otherwise is damaged.
    if (length == ZSTD_CONTENTSIZE_ERROR || length == ZSTD_CONTENTSIZE_UNKNOWN || length > (1ull << 31))
        return std::nullopt;
    // One buffer for the usual texts read on this thread, so that reading back a history allocates
    // only the texts themselves; a rare large one gets its own, so as not to hold its size after.
    constexpr qsizetype Reused = qsizetype(1) << 20;
    thread_local QByteArray reused;
    QByteArray own;
    QByteArray &utf8 = qsizetype(length) <= Reused ? reused : own;
    if (utf8.size() < qsizetype(length))
        utf8.resize(qsizetype(length));
    const size_t made = ZSTD_decompressDCtx(decompressor(), utf8.data(), size_t(utf8.size()), bytes, size_t(size));
    if (ZSTD_isError(made) || made != length)
        return std::nullopt;
    return QString::fromUtf8(utf8.constData(), qsizetype(made));
}
