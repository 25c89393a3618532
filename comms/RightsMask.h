#pragma once

#include <cstdint>

namespace corvane {

// A 64-bit set of user rights, kept as two words as the logger sends them.
// A request or command needs any one of the bits it names.
struct RightsMask {
    std::uint32_t low = 0;   // bits 0-31
    std::uint32_t high = 0;  // bits 32-63

    friend bool operator==(RightsMask, RightsMask) = default;
};

}  // namespace corvane
