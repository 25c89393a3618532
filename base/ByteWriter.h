#pragma once

#include "base/ByteCursor.h"

#include <cstdint>
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

    bool U8(std::uint8_t value, std::string_view field = {});
    bool U16LE(std::uint16_t value, std::string_view field = {});
    bool U16BE(std::uint16_t value, std::string_view field = {});
    bool U32LE(std::uint32_t value, std::string_view field = {});
    bool U32BE(std::uint32_t value, std::string_view field = {});
    bool U64LE(std::uint64_t value, std::string_view field = {});
    bool I16LE(std::int16_t value, std::string_view field = {});
    bool I32LE(std::int32_t value, std::string_view field = {});
    bool F32LE(float value, std::string_view field = {});
    bool F64LE(double value, std::string_view field = {});
    bool Bytes(std::span<const std::uint8_t> data, std::string_view field = {});
    bool Zeros(std::size_t count, std::string_view field = {});

    // A fixed-size text field: the text's bytes, cut at count, and zeros
    // up to count. The caller converts and limits the text beforehand.
    bool FixedText(std::string_view text, std::size_t count, std::string_view field = {});

private:
    std::span<std::uint8_t> Claim(std::size_t count, std::string_view field);
    bool PutLE(std::uint64_t value, std::size_t count, std::string_view field);
    bool PutBE(std::uint64_t value, std::size_t count, std::string_view field);

    std::span<std::uint8_t> bytes_;
    ByteCursor cursor_;
};

}  // namespace corvane
