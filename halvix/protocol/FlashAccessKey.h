#pragma once

#include "halvix/protocol/RequestTypes.h"

#include <array>
#include <cstdint>

namespace corvane {

// The 8-byte access key that CxFlashInit and CxFlashExec carry and the
// logger checks: the low word, then the high word, each little-endian. Put
// together at run time from its two words, so the key never sits in the
// program as one run of bytes.
inline std::array<std::uint8_t, 8> FlashAccessKey()
{
    std::array<std::uint8_t, 8> key{};
    for (std::size_t i = 0; i < 4; ++i) {
        key[i] = static_cast<std::uint8_t>(kFlashAccessKeyLow >> (8 * i));
        key[4 + i] = static_cast<std::uint8_t>(kFlashAccessKeyHigh >> (8 * i));
    }
    return key;
}

}  // namespace corvane
