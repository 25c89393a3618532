#pragma once

#include "base/ByteCursor.h"

#include <bit>
#include <cstdint>
#include <cstring>
#include <optional>
#include <span>
#include <string_view>

namespace corvane {

// Writes fixed-size fields into a byte buffer of fixed size, in either byte
// order. A write that does not fit changes nothing and is kept as the
// writer's error (kind, offset, field); later writes are ignored.
class ByteWriter {
public:
    explicit ByteWriter(std::span<std::uint8_t> bytes) : bytes_(bytes), cursor_(bytes.size()) {}

    std::size_t Offset() const { return cursor_.Offset(); }
    std::size_t Size() const { return cursor_.Size(); }
    std::size_t Remaining() const { return cursor_.Remaining(); }
    bool Failed() const { return cursor_.Failed(); }
    const ByteError& Error() const { return cursor_.Error(); }

    // Moves to an absolute offset; the end of the buffer is a valid place.
    bool Seek(std::size_t offset, std::string_view field = {}) { return cursor_.Seek(offset, field); }

    // The fixed-size writes are inline: records are written field by field,
    // and a writer over a record of known size then costs a few instructions.
    bool U8(std::uint8_t value, std::string_view field = {}) { return PutLE(value, 1, field); }
    bool U16LE(std::uint16_t value, std::string_view field = {}) { return PutLE(value, 2, field); }
    bool U16BE(std::uint16_t value, std::string_view field = {}) { return PutBE(value, 2, field); }
    bool U32LE(std::uint32_t value, std::string_view field = {}) { return PutLE(value, 4, field); }
    bool U32BE(std::uint32_t value, std::string_view field = {}) { return PutBE(value, 4, field); }
    bool U64LE(std::uint64_t value, std::string_view field = {}) { return PutLE(value, 8, field); }
    bool I16LE(std::int16_t value, std::string_view field = {})
    {
        return PutLE(static_cast<std::uint16_t>(value), 2, field);
    }
    bool I32LE(std::int32_t value, std::string_view field = {})
    {
        return PutLE(static_cast<std::uint32_t>(value), 4, field);
    }
    bool F32LE(float value, std::string_view field = {})
    {
        return PutLE(std::bit_cast<std::uint32_t>(value), 4, field);
    }
    bool F64LE(double value, std::string_view field = {})
    {
        return PutLE(std::bit_cast<std::uint64_t>(value), 8, field);
    }
    bool Bytes(std::span<const std::uint8_t> data, std::string_view field = {});
    bool Zeros(std::size_t count, std::string_view field = {});

    // A fixed-size text field: the text's bytes, cut at count, and zeros
    // up to count. The caller converts and limits the text beforehand.
    bool FixedText(std::string_view text, std::size_t count, std::string_view field = {});

private:
    // Returns the claimed bytes; on failure an empty span and the error is
    // set. A claim of zero bytes succeeds with an empty span too, so callers
    // test Failed().
    std::span<std::uint8_t> Claim(std::size_t count, std::string_view field)
    {
        const std::optional<std::size_t> start = cursor_.Claim(count, field);
        if (!start)
            return {};
        return bytes_.subspan(*start, count);
    }
    // A little-endian host stores the field in one copy of the value's own
    // first bytes: a store through a byte pointer may alias anything, so
    // byte-by-byte stores would reload the writer's state after each one.
    bool PutLE(std::uint64_t value, std::size_t count, std::string_view field)
    {
        const std::optional<std::size_t> start = cursor_.Claim(count, field);
        if (!start)
            return false;
        std::uint8_t* out = bytes_.data() + *start;
        if constexpr (std::endian::native == std::endian::little) {
            std::memcpy(out, &value, count);
        } else {
            for (std::size_t i = 0; i < count; ++i, value >>= 8)
                out[i] = static_cast<std::uint8_t>(value & 0xFF);
        }
        return true;
    }
    bool PutBE(std::uint64_t value, std::size_t count, std::string_view field)
    {
        const std::optional<std::size_t> start = cursor_.Claim(count, field);
        if (!start)
            return false;
        std::uint8_t* out = bytes_.data() + *start;
        for (std::size_t i = count; i-- > 0; value >>= 8)
            out[i] = static_cast<std::uint8_t>(value & 0xFF);
        return true;
    }

    std::span<std::uint8_t> bytes_;
    ByteCursor cursor_;
};

}  // namespace corvane
