#pragma once

#include <cstddef>
#include <cstdint>

namespace corvane {

// One input's link in an icon record, 8 bytes:
//   0 u16 source id (0 = unconnected)   2 u8 source output   3 u8 flags
//   4 u32 always 0
inline constexpr std::size_t kInputLinkSize = 8;
inline constexpr std::uint8_t kInputLinkPlainFlags = 0x02;

struct InputLink {
    std::uint16_t sourceId = 0;
    std::uint8_t sourceOutput = 0;
    std::uint8_t flags = 0;

    bool IsConnected() const { return sourceId != 0; }
    bool operator==(const InputLink&) const = default;
};

// Disconnects the link; the flags survive only when they are exactly 0x02.
inline void ClearInputLink(InputLink& link)
{
    link.sourceId = 0;
    link.sourceOutput = 0;
    if (link.flags != kInputLinkPlainFlags) {
        link.flags = 0;
    }
}

}  // namespace corvane
