#include "netmodel/HardwareReplies.h"

#include "base/ByteReader.h"

#include <algorithm>

namespace corvane {

namespace {

constexpr std::size_t kBaseConfigWordOffset = 0;
constexpr std::size_t kSwitchWordOffset = 2;

}  // namespace

std::optional<std::uint16_t> ParseBaseConfigReply(std::span<const std::uint8_t> data)
{
    ByteReader reader(data);
    reader.Seek(kBaseConfigWordOffset);
    const std::uint16_t word = reader.U16LE("input-switch word");
    if (reader.Failed())
        return std::nullopt;
    return word;
}

std::vector<BusModuleRecord> ParseBusEnumerationReply(std::span<const std::uint8_t> data)
{
    const std::size_t count = std::min(data.size() / kBusModuleRecordSize, kMaxBusModules);
    std::vector<BusModuleRecord> records(count);
    for (std::size_t i = 0; i < count; ++i) {
        const std::span<const std::uint8_t> bytes = data.subspan(i * kBusModuleRecordSize, kBusModuleRecordSize);
        std::copy(bytes.begin(), bytes.end(), records[i].begin());
    }
    return records;
}

std::optional<std::uint16_t> ParseSwitchWordReply(std::span<const std::uint8_t> data)
{
    ByteReader reader(data);
    reader.Seek(kSwitchWordOffset);
    const std::uint16_t word = reader.U16BE("switch word");
    if (reader.Failed())
        return std::nullopt;
    return word;
}

}  // namespace corvane
