#include "netmodel/RecordTransfer.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace corvane {

RecordTransfer RecordTransfer::ForLoading(std::span<const std::uint8_t> record)
{
    RecordTransfer transfer(true);
    transfer.record_ = record;
    return transfer;
}

RecordTransfer RecordTransfer::ForStoring()
{
    return RecordTransfer(false);
}

void RecordTransfer::Fail(RecordError error)
{
    if (!error_)
        error_ = std::move(error);
}

std::optional<std::span<const std::uint8_t>> RecordTransfer::Take(std::size_t count, std::string_view field)
{
    if (error_)
        return std::nullopt;
    if (count > record_.size() - readOffset_) {
        error_ = RecordError{RecordErrorKind::Truncated, readOffset_, std::string(field)};
        return std::nullopt;
    }
    const auto bytes = record_.subspan(readOffset_, count);
    readOffset_ += count;
    return bytes;
}

void RecordTransfer::Put(std::uint64_t value, std::size_t count)
{
    for (std::size_t i = 0; i < count; ++i)
        written_.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

std::uint64_t RecordTransfer::Get(std::span<const std::uint8_t> bytes) const
{
    std::uint64_t value = 0;
    for (std::size_t i = bytes.size(); i-- > 0;)
        value = (value << 8) | bytes[i];
    return value;
}

void RecordTransfer::U8(std::uint8_t& value, std::string_view field)
{
    if (!loading_)
        return Put(value, 1);
    if (const auto bytes = Take(1, field))
        value = bytes->front();
}

void RecordTransfer::U16(std::uint16_t& value, std::string_view field)
{
    if (!loading_)
        return Put(value, 2);
    if (const auto bytes = Take(2, field))
        value = static_cast<std::uint16_t>(Get(*bytes));
}

void RecordTransfer::I16(std::int16_t& value, std::string_view field)
{
    auto raw = static_cast<std::uint16_t>(value);
    U16(raw, field);
    value = static_cast<std::int16_t>(raw);
}

void RecordTransfer::U32(std::uint32_t& value, std::string_view field)
{
    if (!loading_)
        return Put(value, 4);
    if (const auto bytes = Take(4, field))
        value = static_cast<std::uint32_t>(Get(*bytes));
}

void RecordTransfer::I32(std::int32_t& value, std::string_view field)
{
    auto raw = static_cast<std::uint32_t>(value);
    U32(raw, field);
    value = static_cast<std::int32_t>(raw);
}

void RecordTransfer::F32(float& value, std::string_view field)
{
    auto raw = std::bit_cast<std::uint32_t>(value);
    U32(raw, field);
    value = std::bit_cast<float>(raw);
}

void RecordTransfer::Bytes(std::span<std::uint8_t> value, std::string_view field)
{
    if (!loading_) {
        written_.insert(written_.end(), value.begin(), value.end());
        return;
    }
    if (const auto bytes = Take(value.size(), field))
        std::copy(bytes->begin(), bytes->end(), value.begin());
}

void RecordTransfer::Zeros(std::size_t count, std::string_view field)
{
    if (!loading_) {
        written_.insert(written_.end(), count, 0);
        return;
    }
    (void)Take(count, field);
}

void RecordTransfer::FixedText(std::string& text, std::size_t fieldSize, std::string_view field)
{
    if (fieldSize == 0)
        return;
    if (!loading_) {
        const std::size_t length = std::min({text.size(), fieldSize - 1, text.find('\0')});
        written_.insert(written_.end(), text.begin(), text.begin() + static_cast<std::ptrdiff_t>(length));
        written_.insert(written_.end(), fieldSize - length, 0);
        return;
    }
    if (const auto bytes = Take(fieldSize, field)) {
        const auto limit = bytes->begin() + static_cast<std::ptrdiff_t>(fieldSize - 1);
        text.assign(bytes->begin(), std::find(bytes->begin(), limit, std::uint8_t{0}));
    }
}

std::size_t RecordTransfer::NetString(std::string& text, std::size_t maximum, bool padToEven, std::string_view field)
{
    std::size_t count = 0;
    if (!loading_) {
        const std::size_t length = std::min({text.size(), maximum, text.find('\0')});
        written_.insert(written_.end(), text.begin(), text.begin() + static_cast<std::ptrdiff_t>(length));
        written_.push_back(0);
        count = length + 1;
    } else {
        if (error_)
            return 0;
        const std::size_t start = readOffset_;
        const std::size_t window = std::min(maximum + 1, record_.size() - start);
        const auto begin = record_.begin() + static_cast<std::ptrdiff_t>(start);
        const auto end = std::find(begin, begin + static_cast<std::ptrdiff_t>(window), std::uint8_t{0});
        if (end == begin + static_cast<std::ptrdiff_t>(window)) {
            const auto kind = window <= maximum ? RecordErrorKind::Truncated : RecordErrorKind::BadValue;
            error_ = RecordError{kind, start, std::string(field)};
            return 0;
        }
        text.assign(begin, end);
        count = text.size() + 1;
        readOffset_ += count;
    }
    if (padToEven && count % 2 != 0) {
        Zeros(1, field);
        ++count;
    }
    return count;
}

}  // namespace corvane
