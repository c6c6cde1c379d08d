// SPDX-License-Identifier: GPL-3.0-or-later
// Reads what a later start sent the running program from arbitrary bytes. Whatever the bytes,
// reading ends in an orderly way, and a request or reply read writes back to the very same bytes.
#include "storage/RemoteMessage.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const auto read = RemoteMessage::read(bytes);
    if (read && std::holds_alternative<RemoteRequest>(*read) && RemoteMessage::request(std::get<RemoteRequest>(*read)) != bytes) {
        std::fputs("a request read does not write back the same\n", stderr);
        std::abort();
    }
    const std::optional<RemoteReply> reply = RemoteMessage::readReply(bytes);
    if (reply && RemoteMessage::reply(*reply) != bytes) {
        std::fputs("a reply read does not write back the same\n", stderr);
        std::abort();
    }
    return 0;
}
