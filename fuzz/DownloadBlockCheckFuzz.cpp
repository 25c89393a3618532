// Feeds arbitrary bytes to the download block check as a run of replies:
// each is a length byte and that many bytes (cut short at the end). Every
// accepted block must start at the running total and hand back exactly its
// own bytes; an empty reply ends the stream.
#include "download/DownloadBlockCheck.h"

#include <cstdint>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::span<const std::uint8_t> input = size == 0 ? std::span<const std::uint8_t>{} : std::span(data, size);
    corvane::DownloadBlockCheck check;
    std::uint64_t total = 0;
    std::uint32_t blocks = 0;
    std::size_t at = 0;
    while (at < input.size()) {
        const std::size_t length = std::min<std::size_t>(input[at], input.size() - at - 1);
        const std::span<const std::uint8_t> reply = input.subspan(at + 1, length);
        at += 1 + length;
        const corvane::DownloadBlockCheck::Result result = check.Check(reply);
        switch (result.outcome) {
        case corvane::DownloadBlockCheck::Outcome::End:
            if (!reply.empty())
                __builtin_trap();
            break;
        case corvane::DownloadBlockCheck::Outcome::Accepted:
            if (reply.size() < 4 || result.offset != total || result.bytes.size() != reply.size() - 4
                || result.bytes.data() != reply.data() + 4)
                __builtin_trap();
            total += result.bytes.size();
            ++blocks;
            break;
        case corvane::DownloadBlockCheck::Outcome::SequenceError:
            if (reply.empty() || !result.bytes.empty())
                __builtin_trap();
            break;
        }
        if (check.Total() != total || check.Blocks() != blocks)
            __builtin_trap();
    }
    check.Reset();
    if (check.Total() != 0 || check.Blocks() != 0)
        __builtin_trap();
    return 0;
}
