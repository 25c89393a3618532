#include "commwindow/ConnectReplies.h"

#include "base/ByteReader.h"

#include <algorithm>

namespace corvane {

namespace {

// The state block's fields the program reads (at least 136 bytes):
//   0    logger name, NUL-terminated     22   logger id text
//   44   firmware version (u32)          48   logger state word (u32)
//   52   logger clock, seconds (u32)     56   daylight-saving flag (u16)
//   58   time-zone offset, minutes (i16) 108  memory size, KB (u32)
//   112  memory used, KB (u32)
constexpr std::size_t kStateNameOffset = 0;
constexpr std::size_t kStateIdOffset = 22;
constexpr std::size_t kStateTextBytes = 22;
constexpr std::size_t kStateFirmwareOffset = 44;
constexpr std::size_t kStateWordOffset = 48;
constexpr std::size_t kStateClockOffset = 52;
constexpr std::size_t kStateDaylightOffset = 56;
constexpr std::size_t kStateZoneOffset = 58;
constexpr std::size_t kStateMemoryOffset = 108;
constexpr std::size_t kStateMemoryUsedOffset = 112;

// A configuration item reply: u16 key, then the value.
constexpr std::size_t kItemValueOffset = 2;
constexpr std::size_t kMaxInfoTextBytes = 256;

// The text at offset, up to the first NUL, the end of the data or maxBytes.
std::string TextAt(std::span<const std::uint8_t> data, std::size_t offset, std::size_t maxBytes)
{
    if (offset >= data.size())
        return {};
    ByteReader reader(data);
    reader.Seek(offset);
    return std::string(reader.FixedText(std::min(maxBytes, reader.Remaining())));
}

template <class Read> auto FieldAt(std::span<const std::uint8_t> data, std::size_t offset, Read read)
{
    ByteReader reader(data);
    reader.Seek(offset);
    const auto value = read(reader);
    return reader.Failed() ? decltype(value){} : value;
}

}  // namespace

LoggerStateBlock ParseLoggerStateBlock(std::span<const std::uint8_t> data)
{
    const auto u32 = [](ByteReader& reader) { return reader.U32LE(); };
    LoggerStateBlock block;
    block.name = TextAt(data, kStateNameOffset, kStateTextBytes);
    block.id = TextAt(data, kStateIdOffset, kStateTextBytes);
    block.firmware = FieldAt(data, kStateFirmwareOffset, u32);
    block.stateWord = FieldAt(data, kStateWordOffset, u32);
    block.clock = FieldAt(data, kStateClockOffset, u32);
    block.daylightRule = FieldAt(data, kStateDaylightOffset, [](ByteReader& reader) { return reader.U16LE(); });
    block.zoneMinutes = FieldAt(data, kStateZoneOffset, [](ByteReader& reader) { return reader.I16LE(); });
    block.memory = FieldAt(data, kStateMemoryOffset, u32);
    block.memoryUsed = FieldAt(data, kStateMemoryUsedOffset, u32);
    return block;
}

PasswordStatus ParsePasswordStatus(std::span<const std::uint8_t> data)
{
    PasswordStatus status;
    status.passwordsOn = FieldAt(data, 0, [](ByteReader& reader) { return reader.U8(); });
    status.fullAccess = FieldAt(data, 1, [](ByteReader& reader) { return reader.U8(); });
    return status;
}

std::span<const std::uint8_t> ConfigItemValue(std::span<const std::uint8_t> data)
{
    return data.subspan(std::min(kItemValueOffset, data.size()));
}

std::string ParseLoggerInfoItem(std::span<const std::uint8_t> data)
{
    return TextAt(data, kItemValueOffset, kMaxInfoTextBytes);
}

std::optional<std::uint8_t> ParseCapabilityItem(std::span<const std::uint8_t> data)
{
    if (data.size() <= kItemValueOffset)
        return std::nullopt;
    return data[kItemValueOffset];
}

}  // namespace corvane
