// Reads arbitrary bytes as a session-list reply; every whole record after
// the header is listed, and a cut one is reported, never read.
#include "download/SessionListReply.h"

#include <cstdint>
#include <cstdlib>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::span<const std::uint8_t> input = size == 0 ? std::span<const std::uint8_t>{} : std::span(data, size);
    const corvane::SessionListReply reply = corvane::ParseSessionListReply(input);
    constexpr std::size_t kHeader = 8;
    constexpr std::size_t kRecord = 26;
    const std::size_t whole = size < kHeader ? 0 : (size - kHeader) / kRecord;
    const bool cut = size < kHeader || (size - kHeader) % kRecord != 0;
    if (reply.sessions.size() != whole || static_cast<bool>(reply.error) != cut)
        std::abort();
    for (const corvane::SessionEntry& entry : reply.sessions)
        if (entry.name.size() > 8 || entry.start > 0x7FFFFFFF || entry.stop > 0x7FFFFFFF || entry.mode < 0
            || entry.mode > 3)
            std::abort();
    return 0;
}
