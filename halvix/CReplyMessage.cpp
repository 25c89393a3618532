#include "halvix/CReplyMessage.h"

#include "base/ByteReader.h"

#include <algorithm>

namespace corvane {

CReplyMessage::CReplyMessage(std::uint16_t requestType, std::uint16_t code, bool errorFlag, std::string errorText,
    std::vector<std::uint8_t> data)
    : requestType_(requestType), code_(code), errorFlag_(errorFlag), errorText_(std::move(errorText)),
      data_(std::move(data))
{}

namespace {

// A reader placed at offset, failed when offset lies beyond the data.
ByteReader ReaderAt(std::span<const std::uint8_t> data, std::size_t offset)
{
    ByteReader reader(data);
    reader.Seek(offset);
    return reader;
}

template <class T, class Read>
std::optional<T> ReadAt(std::span<const std::uint8_t> data, std::size_t offset, Read read)
{
    ByteReader reader = ReaderAt(data, offset);
    const T value = read(reader);
    if (reader.Failed())
        return std::nullopt;
    return value;
}

}  // namespace

std::optional<std::uint8_t> CReplyMessage::U8At(std::size_t offset) const
{
    return ReadAt<std::uint8_t>(data_, offset, [](ByteReader& r) { return r.U8(); });
}

std::optional<std::uint16_t> CReplyMessage::U16At(std::size_t offset) const
{
    return ReadAt<std::uint16_t>(data_, offset, [](ByteReader& r) { return r.U16LE(); });
}

std::optional<std::int16_t> CReplyMessage::I16At(std::size_t offset) const
{
    return ReadAt<std::int16_t>(data_, offset, [](ByteReader& r) { return r.I16LE(); });
}

std::optional<std::uint32_t> CReplyMessage::U32At(std::size_t offset) const
{
    return ReadAt<std::uint32_t>(data_, offset, [](ByteReader& r) { return r.U32LE(); });
}

std::optional<std::int32_t> CReplyMessage::I32At(std::size_t offset) const
{
    return ReadAt<std::int32_t>(data_, offset, [](ByteReader& r) { return r.I32LE(); });
}

std::optional<float> CReplyMessage::F32At(std::size_t offset) const
{
    return ReadAt<float>(data_, offset, [](ByteReader& r) { return r.F32LE(); });
}

std::span<const std::uint8_t> CReplyMessage::BytesAt(std::size_t offset, std::size_t count) const
{
    if (offset > data_.size() || count > data_.size() - offset)
        return {};
    return std::span<const std::uint8_t>(data_).subspan(offset, count);
}

std::string_view CReplyMessage::TextAt(std::size_t offset, std::size_t maxBytes) const
{
    if (offset >= data_.size())
        return {};
    ByteReader reader = ReaderAt(data_, offset);
    return reader.FixedText(std::min(maxBytes, data_.size() - offset));
}

}  // namespace corvane
