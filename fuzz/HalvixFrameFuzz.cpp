// Feeds arbitrary bytes to the link protocol's frame reader: whole, and
// split in two at every byte (for inputs up to a size). Every split must
// give the same frames, every frame must encode back to bytes that read as
// the same frame, and nothing may be read out of bounds.
#include "halvix/protocol/FrameCodec.h"
#include "halvix/protocol/FrameReader.h"

#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

namespace {

std::vector<corvane::Frame> ReadFrames(std::span<const std::uint8_t> first, std::span<const std::uint8_t> second)
{
    corvane::FrameReader reader;
    std::vector<corvane::Frame> frames;
    reader.Feed(first);
    while (auto frame = reader.Next())
        frames.push_back(std::move(*frame));
    reader.Feed(second);
    while (auto frame = reader.Next())
        frames.push_back(std::move(*frame));
    return frames;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::span<const std::uint8_t> input = size == 0 ? std::span<const std::uint8_t>{} : std::span(data, size);
    const std::vector<corvane::Frame> whole = ReadFrames(input, {});

    for (const corvane::Frame& frame : whole) {
        const auto bytes = corvane::EncodeFrame(frame);
        if (!bytes)
            std::abort();
        const std::vector<corvane::Frame> again = ReadFrames(*bytes, {});
        if (again.size() != 1 || again[0] != frame)
            std::abort();
    }

    // Splitting costs a pass per byte, so only the first few hundred
    // places are tried on long inputs.
    const std::size_t splits = size < 512 ? size : 512;
    for (std::size_t split = 1; split < splits; ++split) {
        if (ReadFrames(input.first(split), input.subspan(split)) != whole)
            std::abort();
    }
    return 0;
}
