#pragma once

#include "halvix/protocol/Frame.h"

#include <cstdint>
#include <span>

namespace corvane {

// A frame as the reader found it, its payload a view of the reader's own
// bytes: valid until the next call on the reader that gave it.
struct FrameView {
    FrameKind kind = FrameKind::Request;
    bool error = false;
    std::uint16_t requestType = 0;
    std::uint32_t requestId = 0;
    std::uint16_t code = 0;
    std::span<const std::uint8_t> payload;
};

}  // namespace corvane
