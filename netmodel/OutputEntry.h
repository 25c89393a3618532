#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace corvane {

// One output's entry in an icon record, 12 bytes:
//   0 8 bytes data (labels, units)   8 u16 always 0   10 u8 byte 10   11 u8 flags
inline constexpr std::size_t kOutputEntrySize = 12;
inline constexpr std::size_t kOutputDataSize = 8;

struct OutputEntry {
    std::array<std::uint8_t, kOutputDataSize> data{};
    std::uint8_t byte10 = 0;
    std::uint8_t flags = 0;

    bool operator==(const OutputEntry&) const = default;
};

// Stores Windows-1252 text in the data field: at most 8 bytes, the rest
// zero. The text never reaches bytes 8 to 11 of the entry.
inline void SetOutputData(OutputEntry& entry, std::string_view text)
{
    entry.data.fill(0);
    for (std::size_t i = 0; i < text.size() && i < kOutputDataSize; ++i) {
        entry.data[i] = static_cast<std::uint8_t>(text[i]);
    }
}

}  // namespace corvane
