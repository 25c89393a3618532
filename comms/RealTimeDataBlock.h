#pragma once

#include "platform/Message.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace corvane {

// One list of real-time values from the logger's stream, handed to the
// main frame for the value cache (the payload of kDataCacheItemMessage).
// Its bytes, little-endian:
//
//   offset      width  field
//   0           4      stream id
//   4           4      time stamp, seconds
//   8           2      sub-second count
//   10 + 6*i    2      probe id of item i
//   12 + 6*i    4      value of item i, a 32-bit IEEE float
//
// so a block of n items is 10 + 6*n bytes.
class RealTimeDataBlock final : public Payload {
public:
    static constexpr std::size_t kHeaderSize = 10;
    static constexpr std::size_t kItemSize = 6;

    // The block for the data of a real-time message: the header and every
    // whole item; bytes after the last whole item are left out. Null when
    // the data is shorter than the header.
    static std::unique_ptr<RealTimeDataBlock> FromStreamData(std::span<const std::uint8_t> data);

    std::size_t Count() const { return (bytes_.size() - kHeaderSize) / kItemSize; }
    std::span<const std::uint8_t> Bytes() const { return bytes_; }

private:
    explicit RealTimeDataBlock(std::size_t count) : bytes_(kHeaderSize + kItemSize * count, 0) {}

    std::vector<std::uint8_t> bytes_;
};

}  // namespace corvane
