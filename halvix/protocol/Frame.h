#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace corvane {

// One unit of the link protocol between the communications library and a
// logger (layout in halvix/README.md).
enum class FrameKind : std::uint8_t {
    Request = 1,      // library to logger
    Reply = 2,        // logger to library, answers the request of the same id
    Unsolicited = 3,  // logger to library, of its own accord (request id 0)
};

constexpr std::uint8_t kFrameMagic0 = 0x48;  // 'H'
constexpr std::uint8_t kFrameMagic1 = 0x58;  // 'X'
constexpr std::uint8_t kFrameVersion = 1;
constexpr std::uint8_t kFrameFlagError = 0x01;
constexpr std::size_t kFrameHeaderSize = 24;  // fields and the header's own CRC
constexpr std::size_t kFrameTrailerSize = 4;  // CRC of everything before it
constexpr std::size_t kFrameOverhead = kFrameHeaderSize + kFrameTrailerSize;
constexpr std::size_t kMaxFramePayload = 65536;

struct Frame {
    FrameKind kind = FrameKind::Request;
    bool error = false;  // a reply that reports a failure
    std::uint16_t requestType = 0;
    std::uint32_t requestId = 0;
    std::uint16_t code = 0;  // a reply's status or error code
    std::vector<std::uint8_t> payload;

    friend bool operator==(const Frame&, const Frame&) = default;
};

}  // namespace corvane
