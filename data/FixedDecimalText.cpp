#include "data/FixedDecimalText.h"

#include <bit>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <system_error>

namespace corvane {
namespace {

constexpr int kMaxDecimals = 15;
constexpr std::uint64_t kPowersOfTen[kMaxDecimals + 1] = {1, 10, 100, 1000, 10000, 100000, 1000000, 10000000, 100000000,
    1000000000, 10000000000, 100000000000, 1000000000000, 10000000000000, 100000000000000, 1000000000000000};
constexpr int kFloatFractionBits = 23;
constexpr int kFloatExponentBias = 127;
constexpr std::uint32_t kFloatExponentMask = 0xFF;
// Beyond this shift the scaled value (below 2^74) is less than half a unit
// of the last place, so it rounds to zero.
constexpr int kShiftToZero = 76;

__extension__ using Wide = unsigned __int128;

std::size_t ByToChars(std::span<char, kFixedDecimalTextMax> out, float value, int decimals)
{
    const auto converted = std::to_chars(
        out.data(), out.data() + out.size(), static_cast<double>(value), std::chars_format::fixed, decimals);
    return converted.ec == std::errc() ? static_cast<std::size_t>(converted.ptr - out.data()) : 0;
}

}  // namespace

std::size_t FormatFixedDecimals(std::span<char, kFixedDecimalTextMax> out, float value, int decimals)
{
    const auto bits = std::bit_cast<std::uint32_t>(value);
    const bool negative = (bits >> 31) != 0;
    const std::uint32_t biased = (bits >> kFloatFractionBits) & kFloatExponentMask;
    const std::uint32_t fraction = bits & ((1u << kFloatFractionBits) - 1);
    if (biased == kFloatExponentMask || decimals < 0 || decimals > kMaxDecimals)
        return ByToChars(out, value, decimals);

    // The value is mantissa * 2^exponent exactly; scaled by 10^decimals it
    // stays below 2^74, so the product and its rounding are exact in 128 bits.
    const std::uint64_t mantissa = biased == 0 ? fraction : (fraction | (1u << kFloatFractionBits));
    const int exponent = (biased == 0 ? 1 : static_cast<int>(biased)) - kFloatExponentBias - kFloatFractionBits;
    const Wide scaled = static_cast<Wide>(mantissa) * kPowersOfTen[decimals];
    Wide digits = 0;
    if (exponent >= 0) {
        if (exponent >= 64)
            return ByToChars(out, value, decimals);
        digits = scaled << exponent;
        if ((digits >> 64) != 0 || (digits >> exponent) != scaled)
            return ByToChars(out, value, decimals);
    } else if (-exponent < kShiftToZero) {
        const int shift = -exponent;
        digits = scaled >> shift;
        const Wide rest = scaled & ((Wide{1} << shift) - 1);
        const Wide half = Wide{1} << (shift - 1);
        if (rest > half || (rest == half && (digits & 1) != 0))
            ++digits;
    }
    if ((digits >> 64) != 0)
        return ByToChars(out, value, decimals);

    char text[24];
    const auto written = std::to_chars(text, text + sizeof text, static_cast<std::uint64_t>(digits));
    const auto count = static_cast<std::size_t>(written.ptr - text);
    const auto places = static_cast<std::size_t>(decimals);
    char* at = out.data();
    if (negative)
        *at++ = '-';
    if (places == 0) {
        std::memcpy(at, text, count);
        at += count;
    } else if (count <= places) {
        *at++ = '0';
        *at++ = '.';
        std::memset(at, '0', places - count);
        at += places - count;
        std::memcpy(at, text, count);
        at += count;
    } else {
        std::memcpy(at, text, count - places);
        at += count - places;
        *at++ = '.';
        std::memcpy(at, text + count - places, places);
        at += places;
    }
    return static_cast<std::size_t>(at - out.data());
}

}  // namespace corvane
