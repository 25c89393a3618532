#pragma once

#include "halvix/protocol/Frame.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace corvane {

// Takes the bytes of a link as they come, in parts split anywhere, and
// gives back the whole frames in them. Bytes that do not begin a valid
// frame (wrong magic, version, kind, flags or length, a header or frame
// whose CRC does not match) are skipped one at a time until the next magic,
// so a damaged frame costs only itself. A length beyond kMaxFramePayload is
// never waited for.
class FrameReader {
public:
    void Feed(std::span<const std::uint8_t> bytes);
    // The next whole frame, or nothing until more bytes arrive.
    std::optional<Frame> Next();
    // The same into frame, whose payload keeps its room from one frame to
    // the next; false, and frame unchanged, until more bytes arrive.
    bool Next(Frame& frame);
    // Forgets buffered bytes (a link that is opened again starts clean).
    void Reset();

    std::size_t BufferedBytes() const { return buffer_.size() - start_; }
    std::uint64_t SkippedBytes() const { return skippedBytes_; }

private:
    void Skip(std::size_t count);
    void Compact();

    std::vector<std::uint8_t> buffer_;
    std::size_t start_ = 0;
    std::uint64_t skippedBytes_ = 0;
};

}  // namespace corvane
