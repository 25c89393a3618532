#include "download/SessionListReply.h"

#include "base/ByteReader.h"
#include "halvix/protocol/SessionTransferLayout.h"

namespace corvane {
namespace {

constexpr std::uint32_t kTimeMask = 0x7FFFFFFF;
constexpr std::uint16_t kFlagsWithoutMode = 0xF000;
constexpr std::uint16_t kModeMask = 0x3;
// The u32 between the size and the flags.
constexpr std::size_t kUnusedSize = kSessionFlagsOffset - kSessionSizeOffset - sizeof(std::uint32_t);

}  // namespace

SessionListReply ParseSessionListReply(std::span<const std::uint8_t> data)
{
    SessionListReply result;
    ByteReader header(data);
    const std::uint8_t more = header.U8("continuation header");
    if (header.Failed() || !header.Seek(kSessionListHeaderSize, "continuation header")) {
        result.error = header.Error();
        return result;
    }
    result.more = more != 0;
    for (std::size_t at = kSessionListHeaderSize; at < data.size(); at += kSessionRecordSize) {
        ByteReader record(data);
        record.Seek(at);
        if (record.Remaining() < kSessionRecordSize) {
            record.Skip(kSessionRecordSize, "session record");
            result.error = record.Error();
            break;
        }
        SessionEntry entry;
        entry.name = std::string(record.FixedText(kSessionNameSize, "name"));
        entry.start = record.U32LE("start") & kTimeMask;
        entry.stop = record.U32LE("stop") & kTimeMask;
        entry.size = record.U32LE("size");
        record.Skip(kUnusedSize, "unused");
        const std::uint16_t flags = record.U16LE("flags");
        entry.mode = flags < kFlagsWithoutMode ? (flags & kModeMask) : 0;
        result.sessions.push_back(std::move(entry));
    }
    return result;
}

}  // namespace corvane
