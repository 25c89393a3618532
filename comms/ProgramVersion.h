#pragma once

#include "base/ProgramFileVersion.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace corvane {

// Packs a version text of four numbers a.b.c.d, each 0 to 255, into one
// word: a in bits 24-31, b in 16-23, c in 8-15, d in 0-7. Any other text
// (missing or extra numbers, empty parts, other characters, a number above
// 255) gives nullopt.
constexpr std::optional<std::uint32_t> PackFileVersion(std::string_view text)
{
    std::uint32_t packed = 0;
    int parts = 0;
    std::size_t at = 0;
    for (;;) {
        std::uint32_t number = 0;
        std::size_t digits = 0;
        while (at < text.size() && text[at] >= '0' && text[at] <= '9') {
            number = number * 10 + static_cast<std::uint32_t>(text[at] - '0');
            if (number > 255)
                return std::nullopt;
            ++at;
            ++digits;
        }
        if (digits == 0)
            return std::nullopt;
        packed = (packed << 8) | number;
        if (++parts == 4)
            break;
        if (at >= text.size() || text[at] != '.')
            return std::nullopt;
        ++at;
    }
    if (at != text.size())
        return std::nullopt;
    return packed;
}

static_assert(PackFileVersion(kProgramFileVersion).has_value(), "the project version must be numbers of 0 to 255");

// The program's own file version as one word, as PackFileVersion packs it.
constexpr std::uint32_t GetProgramVersion() { return PackFileVersion(kProgramFileVersion).value_or(0); }

}  // namespace corvane
