#pragma once

#include <cstdint>
#include <span>

namespace corvane {

// Checks the numbered blocks of a session download (reply 0x8002):
//   0 u32 byte offset of the block in the stream | 4 the block's bytes
// Empty data ends the stream. A block is taken only when its offset is the
// running total of the bytes taken so far (and the total cannot wrap).
class DownloadBlockCheck {
public:
    enum class Outcome { End, Accepted, SequenceError };
    struct Result {
        Outcome outcome = Outcome::End;
        std::span<const std::uint8_t> bytes;  // Accepted: the block's bytes
        std::uint32_t offset = 0;             // the offset the block gave (0 when it had none)
    };

    Result Check(std::span<const std::uint8_t> data);
    void Reset();

    std::uint32_t Total() const { return total_; }
    std::uint32_t Blocks() const { return blocks_; }

private:
    std::uint32_t total_ = 0;
    std::uint32_t blocks_ = 0;
};

}  // namespace corvane
