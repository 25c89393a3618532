#pragma once

#include "netmodel/RecordError.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

// Moves an icon record's fields between an icon and bytes, in the one
// direction it was made for, so that each icon class describes its fixed
// part and tail once for both loading and storing. Fields are
// little-endian and packed. Loading never reads past the record it was
// given: the first read that would stops the transfer, leaves the field
// unchanged and keeps the error (kind, offset, field); later reads do
// nothing. Storing appends to its own buffer.
class RecordTransfer {
public:
    static RecordTransfer ForLoading(std::span<const std::uint8_t> record);
    static RecordTransfer ForStoring();

    bool IsLoading() const { return loading_; }
    // The offset of the next field from the start of the record.
    std::size_t Position() const { return loading_ ? readOffset_ : written_.size(); }
    bool Failed() const { return error_.has_value(); }
    const std::optional<RecordError>& Error() const { return error_; }
    // What has been stored.
    std::vector<std::uint8_t>& Written() { return written_; }

    void U8(std::uint8_t& value, std::string_view field);
    void U16(std::uint16_t& value, std::string_view field);
    void I16(std::int16_t& value, std::string_view field);
    void U32(std::uint32_t& value, std::string_view field);
    void I32(std::int32_t& value, std::string_view field);
    void F32(float& value, std::string_view field);
    void Bytes(std::span<std::uint8_t> value, std::string_view field);
    // Zero bytes when storing; skipped when loading.
    void Zeros(std::size_t count, std::string_view field);
    // A text field of fieldSize bytes holding at most fieldSize - 1 bytes
    // of text and zeros after it; loading takes the text up to its first
    // zero byte.
    void FixedText(std::string& text, std::size_t fieldSize, std::string_view field);
    // A text of variable length: at most maximum bytes of text and a zero
    // byte, then one more zero byte when padToEven is set and the count is
    // odd. Loading refuses a text without its zero byte within maximum + 1
    // bytes. Returns the bytes the field takes.
    std::size_t NetString(std::string& text, std::size_t maximum, bool padToEven, std::string_view field);

    // Stops the transfer with a refusal of the caller's own.
    void Fail(RecordError error);

private:
    explicit RecordTransfer(bool loading) : loading_(loading) {}
    // The next count bytes of the record, or nothing (and the error kept).
    std::optional<std::span<const std::uint8_t>> Take(std::size_t count, std::string_view field);
    void Put(std::uint64_t value, std::size_t count);
    std::uint64_t Get(std::span<const std::uint8_t> bytes) const;

    bool loading_;
    std::span<const std::uint8_t> record_;
    std::size_t readOffset_ = 0;
    std::vector<std::uint8_t> written_;
    std::optional<RecordError> error_;
};

}  // namespace corvane
