#include "halvix/CReplyMessage.h"

#include "base/ByteReader.h"
#include "halvix/ReplyMemoryPool.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <new>

namespace corvane {

CReplyMessage::CReplyMessage(std::uint16_t requestType, std::uint16_t code, bool errorFlag, std::string errorText,
    std::vector<std::uint8_t> data)
    : requestType_(requestType), code_(code), errorFlag_(errorFlag), errorText_(std::move(errorText)),
      owned_(std::move(data)), data_(owned_)
{}

namespace {

// What comes before every reply object made on the heap: the pool its
// block goes back to, or nothing for a block of the heap's own.
struct alignas(std::max_align_t) BlockHeader {
    std::shared_ptr<ReplyMemoryPool> pool;
};
constexpr std::size_t kHeaderSize = sizeof(BlockHeader);

void ReleaseBlock(BlockHeader* header)
{
    const std::shared_ptr<ReplyMemoryPool> pool = std::move(header->pool);
    header->~BlockHeader();
    if (pool)
        pool->Give(header);
    else
        ::operator delete(header);
}

}  // namespace

void* CReplyMessage::operator new(std::size_t size)
{
    void* block = ::operator new(kHeaderSize + size);
    ::new (block) BlockHeader{};
    return static_cast<std::byte*>(block) + kHeaderSize;
}

void CReplyMessage::operator delete(void* memory)
{
    if (memory != nullptr)
        ReleaseBlock(reinterpret_cast<BlockHeader*>(static_cast<std::byte*>(memory) - kHeaderSize));
}

std::unique_ptr<CReplyMessage> CReplyMessage::Make(std::uint16_t requestType, std::uint16_t code, bool errorFlag,
    std::string errorText, std::span<const std::uint8_t> data, const std::shared_ptr<ReplyMemoryPool>& pool)
{
    const std::size_t size = kHeaderSize + sizeof(CReplyMessage) + data.size();
    const bool pooled = pool && size <= ReplyMemoryPool::kBlockSize;
    void* block = pooled ? pool->Take() : ::operator new(size);
    auto* header = ::new (block) BlockHeader{pooled ? pool : nullptr};
    std::byte* memory = static_cast<std::byte*>(block) + kHeaderSize;
    auto* bytes = reinterpret_cast<std::uint8_t*>(memory + sizeof(CReplyMessage));
    if (!data.empty())
        std::memcpy(bytes, data.data(), data.size());
    try {
        auto* reply = ::new (memory) CReplyMessage(requestType, code, errorFlag, std::move(errorText), {});
        reply->data_ = std::span<const std::uint8_t>(bytes, data.size());
        return std::unique_ptr<CReplyMessage>(reply);
    } catch (...) {
        ReleaseBlock(header);
        throw;
    }
}

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
