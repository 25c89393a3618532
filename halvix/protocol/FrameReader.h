#pragma once

#include "halvix/protocol/Frame.h"
#include "halvix/protocol/FrameView.h"

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
    // Room for count more bytes behind those buffered, so a read can go
    // straight into the reader; Commit then takes the first count of them
    // (at most the room given). The room is valid until the next call.
    std::span<std::uint8_t> Room(std::size_t count);
    void Commit(std::size_t count);
    // The next whole frame, or nothing until more bytes arrive.
    std::optional<Frame> Next();
    // The same into frame, whose payload keeps its room from one frame to
    // the next; false, and frame unchanged, until more bytes arrive.
    bool Next(Frame& frame);
    // The same in place: the view's payload lies in the reader's buffer,
    // so it is used before the next call on the reader.
    bool Next(FrameView& frame);
    // Forgets buffered bytes (a link that is opened again starts clean).
    void Reset();

    std::size_t BufferedBytes() const { return filled_ - start_; }
    std::uint64_t SkippedBytes() const { return skippedBytes_; }

private:
    void Skip(std::size_t count);
    void Compact();

    // Bytes [start_, filled_) wait to be read; the rest is room kept for
    // the next bytes.
    std::vector<std::uint8_t> buffer_;
    std::size_t start_ = 0;
    std::size_t filled_ = 0;
    std::size_t room_ = 0;  // bytes behind filled_ that Room gave and Commit may take
    std::uint64_t skippedBytes_ = 0;
};

}  // namespace corvane
