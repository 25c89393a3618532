#include "halvix/protocol/FrameCodec.h"

#include "base/ByteReader.h"
#include "base/ByteWriter.h"
#include "base/Crc32.h"

#include <algorithm>

namespace corvane {

bool AppendFrame(const Frame& frame, std::vector<std::uint8_t>& out)
{
    if (frame.payload.size() > kMaxFramePayload)
        return false;
    const std::size_t start = out.size();
    out.resize(start + kFrameOverhead + frame.payload.size());
    const std::span<std::uint8_t> bytes = std::span(out).subspan(start);
    ByteWriter writer(bytes);
    writer.U8(kFrameMagic0, "magic");
    writer.U8(kFrameMagic1, "magic");
    writer.U8(kFrameVersion, "version");
    writer.U8(static_cast<std::uint8_t>(frame.kind), "kind");
    writer.U8(frame.error ? kFrameFlagError : 0, "flags");
    writer.U8(0, "reserved");
    writer.U16LE(frame.requestType, "request type");
    writer.U32LE(frame.requestId, "request id");
    writer.U16LE(frame.code, "code");
    writer.U16LE(0, "reserved");
    writer.U32LE(static_cast<std::uint32_t>(frame.payload.size()), "payload length");
    writer.U32LE(Crc32(bytes.first(kFrameHeaderSize - 4)), "header crc");
    writer.Bytes(frame.payload, "payload");
    writer.U32LE(Crc32(bytes.first(bytes.size() - kFrameTrailerSize)), "frame crc");
    if (writer.Failed()) {
        out.resize(start);
        return false;
    }
    return true;
}

std::optional<std::vector<std::uint8_t>> EncodeFrame(const Frame& frame)
{
    std::vector<std::uint8_t> bytes;
    bytes.reserve(kFrameOverhead + frame.payload.size());
    if (!AppendFrame(frame, bytes))
        return std::nullopt;
    return bytes;
}

std::vector<std::uint8_t> MakeErrorPayload(std::uint16_t code, std::string_view text)
{
    const std::size_t textLength = std::min(text.size(), kMaxFramePayload - 3);
    std::vector<std::uint8_t> data(2 + textLength + 1, 0);
    ByteWriter writer(data);
    writer.U16LE(code, "code");
    writer.FixedText(text.substr(0, textLength), textLength + 1, "text");
    return data;
}

ErrorPayload ParseErrorPayload(std::span<const std::uint8_t> data)
{
    ErrorPayload result;
    ByteReader reader(data);
    result.code = reader.U16LE("code");
    if (!reader.Failed())
        result.text = std::string(reader.FixedText(reader.Remaining(), "text"));
    return result;
}

}  // namespace corvane
