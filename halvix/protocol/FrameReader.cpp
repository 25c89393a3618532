#include "halvix/protocol/FrameReader.h"

#include "base/ByteReader.h"
#include "base/Crc32.h"

#include <algorithm>

namespace corvane {

namespace {

struct Header {
    FrameKind kind = FrameKind::Request;
    bool error = false;
    std::uint16_t requestType = 0;
    std::uint32_t requestId = 0;
    std::uint16_t code = 0;
    std::size_t payloadLength = 0;
};

// The header at the start of bytes (at least kFrameHeaderSize of them), or
// nothing when any field is out of place.
std::optional<Header> ReadHeader(std::span<const std::uint8_t> bytes)
{
    ByteReader reader(bytes.first(kFrameHeaderSize));
    const std::uint8_t magic0 = reader.U8("magic");
    const std::uint8_t magic1 = reader.U8("magic");
    const std::uint8_t version = reader.U8("version");
    const std::uint8_t kind = reader.U8("kind");
    const std::uint8_t flags = reader.U8("flags");
    const std::uint8_t reserved = reader.U8("reserved");
    Header header;
    header.requestType = reader.U16LE("request type");
    header.requestId = reader.U32LE("request id");
    header.code = reader.U16LE("code");
    const std::uint16_t reserved2 = reader.U16LE("reserved");
    const std::uint32_t length = reader.U32LE("payload length");
    const std::uint32_t headerCrc = reader.U32LE("header crc");
    if (reader.Failed() || magic0 != kFrameMagic0 || magic1 != kFrameMagic1 || version != kFrameVersion)
        return std::nullopt;
    if (kind < static_cast<std::uint8_t>(FrameKind::Request)
        || kind > static_cast<std::uint8_t>(FrameKind::Unsolicited))
        return std::nullopt;
    if ((flags & ~kFrameFlagError) != 0 || reserved != 0 || reserved2 != 0 || length > kMaxFramePayload)
        return std::nullopt;
    if (Crc32(bytes.first(kFrameHeaderSize - 4)) != headerCrc)
        return std::nullopt;
    header.kind = static_cast<FrameKind>(kind);
    header.error = (flags & kFrameFlagError) != 0;
    header.payloadLength = length;
    return header;
}

}  // namespace

void FrameReader::Feed(std::span<const std::uint8_t> bytes)
{
    const std::span<std::uint8_t> room = Room(bytes.size());
    std::copy(bytes.begin(), bytes.end(), room.begin());
    Commit(bytes.size());
}

std::span<std::uint8_t> FrameReader::Room(std::size_t count)
{
    Compact();
    if (buffer_.size() - filled_ < count)
        buffer_.resize(filled_ + count);
    room_ = count;
    return std::span(buffer_).subspan(filled_, count);
}

void FrameReader::Commit(std::size_t count)
{
    filled_ += std::min(count, room_);
    room_ = 0;
}

void FrameReader::Reset()
{
    start_ = 0;
    filled_ = 0;
    room_ = 0;
}

void FrameReader::Skip(std::size_t count)
{
    start_ += count;
    skippedBytes_ += count;
}

void FrameReader::Compact()
{
    if (start_ == 0)
        return;
    std::copy(buffer_.begin() + static_cast<std::ptrdiff_t>(start_),
        buffer_.begin() + static_cast<std::ptrdiff_t>(filled_), buffer_.begin());
    filled_ -= start_;
    start_ = 0;
}

std::optional<Frame> FrameReader::Next()
{
    Frame frame;
    if (!Next(frame))
        return std::nullopt;
    return frame;
}

bool FrameReader::Next(Frame& frame)
{
    FrameView view;
    if (!Next(view))
        return false;
    frame.kind = view.kind;
    frame.error = view.error;
    frame.requestType = view.requestType;
    frame.requestId = view.requestId;
    frame.code = view.code;
    frame.payload.assign(view.payload.begin(), view.payload.end());
    return true;
}

bool FrameReader::Next(FrameView& frame)
{
    for (;;) {
        const std::span<const std::uint8_t> pending = std::span(buffer_).subspan(start_, filled_ - start_);
        // Find the next magic; a lone first magic byte at the end may begin one.
        std::size_t at = 0;
        while (at < pending.size() && pending[at] != kFrameMagic0)
            ++at;
        Skip(at);
        const std::span<const std::uint8_t> rest = pending.subspan(at);
        if (rest.size() < 2) {
            Compact();
            return false;
        }
        if (rest[1] != kFrameMagic1) {
            Skip(1);
            continue;
        }
        if (rest.size() < kFrameHeaderSize) {
            Compact();
            return false;
        }
        const std::optional<Header> header = ReadHeader(rest);
        if (!header) {
            Skip(1);
            continue;
        }
        const std::size_t frameSize = kFrameOverhead + header->payloadLength;
        if (rest.size() < frameSize) {
            Compact();
            return false;
        }
        ByteReader trailer(rest.subspan(frameSize - kFrameTrailerSize, kFrameTrailerSize));
        if (Crc32(rest.first(frameSize - kFrameTrailerSize)) != trailer.U32LE("frame crc")) {
            Skip(1);
            continue;
        }
        frame.kind = header->kind;
        frame.error = header->error;
        frame.requestType = header->requestType;
        frame.requestId = header->requestId;
        frame.code = header->code;
        frame.payload = rest.subspan(kFrameHeaderSize, header->payloadLength);
        // The bytes stay where they are until the next call, which starts
        // again at the front when nothing else waits.
        start_ += frameSize;
        return true;
    }
}

}  // namespace corvane
