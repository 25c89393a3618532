// Feeds arbitrary bytes to the single-instance channel's string reader,
// in pieces whose sizes come from the first byte. The string is complete
// exactly when the length allows it and its bytes have come, and it is
// those bytes.
#include "platform/LengthPrefixedReader.h"
#include "platform/SingleInstanceChannel.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using corvane::LengthPrefixedReader;
    if (size == 0)
        return 0;
    const std::size_t piece = static_cast<std::size_t>(data[0] % 7) + 1;
    const std::span<const std::uint8_t> input(data + 1, size - 1);
    constexpr std::size_t kMax = corvane::SingleInstanceChannel::kMaxExecuteBytes;

    LengthPrefixedReader reader(kMax);
    std::size_t used = 0;
    for (;;) {
        const std::span<std::uint8_t> space = reader.Space();
        if (space.empty() || used == input.size())
            break;
        const std::size_t count = std::min({piece, space.size(), input.size() - used});
        std::memcpy(space.data(), input.data() + used, count);
        used += count;
        reader.Took(count);
    }

    const auto Expected = [&]() {
        if (input.size() < LengthPrefixedReader::kLengthBytes)
            return LengthPrefixedReader::Progress::Waiting;
        const std::size_t length = std::size_t{input[0]} | (std::size_t{input[1]} << 8) | (std::size_t{input[2]} << 16)
            | (std::size_t{input[3]} << 24);
        if (length > kMax)
            return LengthPrefixedReader::Progress::Failed;
        return input.size() - LengthPrefixedReader::kLengthBytes >= length ? LengthPrefixedReader::Progress::Complete
                                                                           : LengthPrefixedReader::Progress::Waiting;
    };
    if (reader.State() != Expected())
        std::abort();
    if (reader.State() == LengthPrefixedReader::Progress::Complete) {
        const std::string& text = reader.Text();
        if (used != LengthPrefixedReader::kLengthBytes + text.size()
            || std::memcmp(text.data(), input.data() + LengthPrefixedReader::kLengthBytes, text.size()) != 0)
            std::abort();
    }
    return 0;
}
