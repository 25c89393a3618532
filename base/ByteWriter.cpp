#include "base/ByteWriter.h"

#include <algorithm>
#include <bit>
#include <optional>

namespace corvane {

// Returns the claimed bytes; on failure an empty span and the error is set.
// A claim of zero bytes succeeds with an empty span too, so callers test Failed().
std::span<std::uint8_t> ByteWriter::Claim(std::size_t count, std::string_view field)
{
    const std::optional<std::size_t> start = cursor_.Claim(count, field);
    if (!start)
        return {};
    return bytes_.subspan(*start, count);
}

bool ByteWriter::PutLE(std::uint64_t value, std::size_t count, std::string_view field)
{
    std::span<std::uint8_t> out = Claim(count, field);
    for (std::size_t i = 0; i < out.size(); ++i, value >>= 8)
        out[i] = static_cast<std::uint8_t>(value & 0xFF);
    return !Failed();
}

bool ByteWriter::PutBE(std::uint64_t value, std::size_t count, std::string_view field)
{
    std::span<std::uint8_t> out = Claim(count, field);
    for (std::size_t i = out.size(); i-- > 0; value >>= 8)
        out[i] = static_cast<std::uint8_t>(value & 0xFF);
    return !Failed();
}

bool ByteWriter::U8(std::uint8_t value, std::string_view field) { return PutLE(value, 1, field); }
bool ByteWriter::U16LE(std::uint16_t value, std::string_view field) { return PutLE(value, 2, field); }
bool ByteWriter::U16BE(std::uint16_t value, std::string_view field) { return PutBE(value, 2, field); }
bool ByteWriter::U32LE(std::uint32_t value, std::string_view field) { return PutLE(value, 4, field); }
bool ByteWriter::U32BE(std::uint32_t value, std::string_view field) { return PutBE(value, 4, field); }
bool ByteWriter::U64LE(std::uint64_t value, std::string_view field) { return PutLE(value, 8, field); }
bool ByteWriter::I16LE(std::int16_t value, std::string_view field)
{
    return PutLE(static_cast<std::uint16_t>(value), 2, field);
}
bool ByteWriter::I32LE(std::int32_t value, std::string_view field)
{
    return PutLE(static_cast<std::uint32_t>(value), 4, field);
}
bool ByteWriter::F32LE(float value, std::string_view field)
{
    return PutLE(std::bit_cast<std::uint32_t>(value), 4, field);
}
bool ByteWriter::F64LE(double value, std::string_view field)
{
    return PutLE(std::bit_cast<std::uint64_t>(value), 8, field);
}

bool ByteWriter::Bytes(std::span<const std::uint8_t> data, std::string_view field)
{
    std::span<std::uint8_t> out = Claim(data.size(), field);
    std::copy(data.begin(), data.begin() + static_cast<std::ptrdiff_t>(out.size()), out.begin());
    return !Failed();
}

bool ByteWriter::Zeros(std::size_t count, std::string_view field)
{
    std::span<std::uint8_t> out = Claim(count, field);
    std::fill(out.begin(), out.end(), std::uint8_t{0});
    return !Failed();
}

bool ByteWriter::FixedText(std::string_view text, std::size_t count, std::string_view field)
{
    std::span<std::uint8_t> out = Claim(count, field);
    std::size_t length = std::min(text.size(), out.size());
    for (std::size_t i = 0; i < out.size(); ++i)
        out[i] = i < length ? static_cast<std::uint8_t>(text[i]) : std::uint8_t{0};
    return !Failed();
}

}  // namespace corvane
