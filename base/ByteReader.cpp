#include "base/ByteReader.h"

#include <bit>

namespace corvane {

bool ByteReader::Skip(std::size_t count, std::string_view field) { return Take(count, field).has_value(); }

std::optional<std::span<const std::uint8_t>> ByteReader::Take(std::size_t count, std::string_view field)
{
    const std::optional<std::size_t> start = cursor_.Claim(count, field);
    if (!start)
        return std::nullopt;
    return bytes_.subspan(*start, count);
}

std::uint64_t ByteReader::TakeLE(std::size_t count, std::string_view field)
{
    std::uint64_t value = 0;
    if (auto p = Take(count, field))
        for (std::size_t i = count; i-- > 0;)
            value = (value << 8) | (*p)[i];
    return value;
}

std::uint64_t ByteReader::TakeBE(std::size_t count, std::string_view field)
{
    std::uint64_t value = 0;
    if (auto p = Take(count, field))
        for (std::size_t i = 0; i < count; ++i)
            value = (value << 8) | (*p)[i];
    return value;
}

std::uint8_t ByteReader::U8(std::string_view field) { return static_cast<std::uint8_t>(TakeLE(1, field)); }
std::uint16_t ByteReader::U16LE(std::string_view field) { return static_cast<std::uint16_t>(TakeLE(2, field)); }
std::uint16_t ByteReader::U16BE(std::string_view field) { return static_cast<std::uint16_t>(TakeBE(2, field)); }
std::uint32_t ByteReader::U32LE(std::string_view field) { return static_cast<std::uint32_t>(TakeLE(4, field)); }
std::uint32_t ByteReader::U32BE(std::string_view field) { return static_cast<std::uint32_t>(TakeBE(4, field)); }
std::uint64_t ByteReader::U64LE(std::string_view field) { return TakeLE(8, field); }
std::int16_t ByteReader::I16LE(std::string_view field) { return static_cast<std::int16_t>(U16LE(field)); }
std::int32_t ByteReader::I32LE(std::string_view field) { return static_cast<std::int32_t>(U32LE(field)); }
float ByteReader::F32LE(std::string_view field) { return std::bit_cast<float>(U32LE(field)); }
double ByteReader::F64LE(std::string_view field) { return std::bit_cast<double>(U64LE(field)); }

std::span<const std::uint8_t> ByteReader::Bytes(std::size_t count, std::string_view field)
{
    return Take(count, field).value_or(std::span<const std::uint8_t>{});
}

std::string_view ByteReader::FixedText(std::size_t count, std::string_view field)
{
    std::span<const std::uint8_t> raw = Bytes(count, field);
    std::size_t length = 0;
    while (length < raw.size() && raw[length] != 0)
        ++length;
    return {reinterpret_cast<const char*>(raw.data()), length};
}

}  // namespace corvane
