#pragma once

#include "base/ByteCursor.h"

#include <bit>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace corvane {

// Reads fixed-size fields from a byte buffer, in either byte order, with
// every read checked against what remains. The first failure is kept
// (kind, offset, field) and every later read returns zero without moving,
// so a record can be read field by field and checked once at the end.
class ByteReader {
public:
    explicit ByteReader(std::span<const std::uint8_t> bytes) : bytes_(bytes), cursor_(bytes.size()) {}

    std::size_t Offset() const { return cursor_.Offset(); }
    std::size_t Size() const { return cursor_.Size(); }
    std::size_t Remaining() const { return cursor_.Remaining(); }
    bool Failed() const { return cursor_.Failed(); }
    const ByteError& Error() const { return cursor_.Error(); }

    // Moves to an absolute offset; the end of the buffer is a valid place.
    bool Seek(std::size_t offset, std::string_view field = {}) { return cursor_.Seek(offset, field); }
    bool Skip(std::size_t count, std::string_view field = {}) { return Take(count, field).has_value(); }

    // The fixed-size reads are inline: records are read field by field, and
    // a reader over a record of known size then costs a few instructions.
    std::uint8_t U8(std::string_view field = {}) { return static_cast<std::uint8_t>(TakeLE(1, field)); }
    std::uint16_t U16LE(std::string_view field = {}) { return static_cast<std::uint16_t>(TakeLE(2, field)); }
    std::uint16_t U16BE(std::string_view field = {}) { return static_cast<std::uint16_t>(TakeBE(2, field)); }
    std::uint32_t U32LE(std::string_view field = {}) { return static_cast<std::uint32_t>(TakeLE(4, field)); }
    std::uint32_t U32BE(std::string_view field = {}) { return static_cast<std::uint32_t>(TakeBE(4, field)); }
    std::uint64_t U64LE(std::string_view field = {}) { return TakeLE(8, field); }
    std::int16_t I16LE(std::string_view field = {}) { return static_cast<std::int16_t>(U16LE(field)); }
    std::int32_t I32LE(std::string_view field = {}) { return static_cast<std::int32_t>(U32LE(field)); }
    float F32LE(std::string_view field = {}) { return std::bit_cast<float>(U32LE(field)); }
    double F64LE(std::string_view field = {}) { return std::bit_cast<double>(U64LE(field)); }

    // The next count bytes as a view into the buffer (empty on failure).
    std::span<const std::uint8_t> Bytes(std::size_t count, std::string_view field = {})
    {
        return Take(count, field).value_or(std::span<const std::uint8_t>{});
    }

    // A fixed-size text field: count bytes, the text ending at the first
    // zero byte or at the end of the field. The bytes are not converted.
    std::string_view FixedText(std::size_t count, std::string_view field = {});

private:
    // Claims count bytes at the current offset, or records the failure.
    std::optional<std::span<const std::uint8_t>> Take(std::size_t count, std::string_view field)
    {
        const std::optional<std::size_t> start = cursor_.Claim(count, field);
        if (!start)
            return std::nullopt;
        return bytes_.subspan(*start, count);
    }
    std::uint64_t TakeLE(std::size_t count, std::string_view field)
    {
        std::uint64_t value = 0;
        if (auto p = Take(count, field))
            for (std::size_t i = count; i-- > 0;)
                value = (value << 8) | (*p)[i];
        return value;
    }
    std::uint64_t TakeBE(std::size_t count, std::string_view field)
    {
        std::uint64_t value = 0;
        if (auto p = Take(count, field))
            for (std::size_t i = 0; i < count; ++i)
                value = (value << 8) | (*p)[i];
        return value;
    }

    std::span<const std::uint8_t> bytes_;
    ByteCursor cursor_;
};

}  // namespace corvane
