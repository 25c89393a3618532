#include "halvix/protocol/RemoteIconLayout.h"

#include "base/ByteReader.h"
#include "base/ByteWriter.h"

#include <bit>
#include <string_view>

namespace corvane {

namespace {

// The text of a fixed field, cut so that a NUL always ends it.
std::string_view Cut(std::string_view text, std::size_t fieldSize)
{
    return text.substr(0, fieldSize - 1);
}

// The continuation value of a reply at offset, or the error when the data
// is shorter than the 8-byte header.
std::variant<std::uint32_t, ByteError> ReadHeader(
    std::span<const std::uint8_t> data, std::size_t continuationOffset)
{
    static_assert(kRemoteListHeaderSize == kProbeHeaderSize);
    if (data.size() < kProbeHeaderSize)
        return ByteError{ByteErrorKind::Truncated, 0, kProbeHeaderSize, "header"};
    ByteReader reader(data);
    reader.Seek(continuationOffset);
    return reader.U32LE("continuation value");
}

}  // namespace

std::variant<RemoteControlList, ByteError> ParseRemoteControlList(std::span<const std::uint8_t> data)
{
    auto header = ReadHeader(data, kRemoteListContinuationOffset);
    if (auto* error = std::get_if<ByteError>(&header))
        return *error;
    RemoteControlList list;
    list.continuation = std::get<std::uint32_t>(header);
    const std::size_t count = (data.size() - kRemoteListHeaderSize) / kRemoteRecordSize;
    list.records.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        ByteReader reader(data.subspan(kRemoteListHeaderSize + i * kRemoteRecordSize, kRemoteRecordSize));
        RemoteControlRecord record;
        record.iconId = reader.U16LE("icon id");
        reader.Seek(kRemoteRecordKindOffset);
        record.isSwitch = reader.U8("kind") == 0;
        reader.Seek(kRemoteRecordValueOffset);
        const std::uint32_t value = reader.U32LE("value");
        record.switchHigh = (value & 0xFFu) == 1;
        record.constant = std::bit_cast<float>(value);
        record.name = std::string(reader.FixedText(kRemoteRecordNameSize, "name"));
        list.records.push_back(std::move(record));
    }
    return list;
}

std::vector<std::uint8_t> BuildRemoteControlList(
    std::uint32_t continuation, std::span<const RemoteControlRecord> records)
{
    std::vector<std::uint8_t> data(kRemoteListHeaderSize + records.size() * kRemoteRecordSize, 0);
    ByteWriter writer(data);
    writer.Seek(kRemoteListContinuationOffset);
    writer.U32LE(continuation);
    for (const RemoteControlRecord& record : records) {
        const std::size_t start = writer.Offset();
        writer.U16LE(record.iconId);
        writer.Seek(start + kRemoteRecordKindOffset);
        writer.U8(record.isSwitch ? 0 : 1);
        writer.Seek(start + kRemoteRecordValueOffset);
        if (record.isSwitch)
            writer.U32LE(record.switchHigh ? 1 : 0);
        else
            writer.F32LE(record.constant);
        writer.FixedText(Cut(record.name, kRemoteRecordNameSize), kRemoteRecordNameSize);
    }
    return data;
}

std::array<std::uint8_t, kRemoteIconBlockSize> RemoteListBlock(std::uint32_t continuation)
{
    std::array<std::uint8_t, kRemoteIconBlockSize> block{};
    ByteWriter writer(block);
    writer.U16LE(kRemoteOperationList);
    writer.U32LE(continuation);
    return block;
}

std::array<std::uint8_t, kRemoteIconBlockSize> RemoteSwitchBlock(bool high)
{
    std::array<std::uint8_t, kRemoteIconBlockSize> block{};
    ByteWriter writer(block);
    writer.U16LE(kRemoteOperationWrite);
    writer.I32LE(high ? 1 : 0);
    return block;
}

std::array<std::uint8_t, kRemoteIconBlockSize> RemoteConstantBlock(float value)
{
    std::array<std::uint8_t, kRemoteIconBlockSize> block{};
    ByteWriter writer(block);
    writer.U16LE(kRemoteOperationWrite);
    writer.F32LE(value);
    return block;
}

std::uint32_t RemoteIconBlock::Continuation() const
{
    ByteReader reader(value);
    return reader.U32LE();
}

std::variant<RemoteIconBlock, ByteError> ParseRemoteIconBlock(std::span<const std::uint8_t> block)
{
    ByteReader reader(block);
    RemoteIconBlock result;
    result.operation = reader.U16LE("operation");
    const std::span<const std::uint8_t> value = reader.Bytes(result.value.size(), "value");
    if (reader.Failed())
        return reader.Error();
    std::copy(value.begin(), value.end(), result.value.begin());
    return result;
}

float ProbeValueEntry::Real() const
{
    ByteReader reader(value);
    return reader.F32LE();
}

std::variant<ProbeDescriptorList, ByteError> ParseProbeDescriptors(std::span<const std::uint8_t> data)
{
    auto header = ReadHeader(data, 0);
    if (auto* error = std::get_if<ByteError>(&header))
        return *error;
    ProbeDescriptorList list;
    list.continuation = std::get<std::uint32_t>(header);
    const std::size_t count = (data.size() - kProbeHeaderSize) / kProbeDescriptorSize;
    list.descriptors.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        ByteReader reader(data.subspan(kProbeHeaderSize + i * kProbeDescriptorSize, kProbeDescriptorSize));
        ProbeDescriptor descriptor;
        descriptor.id = reader.U16LE("probe id");
        descriptor.name = std::string(reader.FixedText(kProbeNameSize, "name"));
        descriptor.units = std::string(reader.FixedText(kProbeUnitsSize, "units"));
        descriptor.decimals = reader.U8("decimals");
        descriptor.dataType = reader.U8("data type");
        list.descriptors.push_back(std::move(descriptor));
    }
    return list;
}

std::variant<ProbeValueList, ByteError> ParseProbeValues(std::span<const std::uint8_t> data)
{
    auto header = ReadHeader(data, 0);
    if (auto* error = std::get_if<ByteError>(&header))
        return *error;
    ProbeValueList list;
    list.continuation = std::get<std::uint32_t>(header);
    const std::size_t count = (data.size() - kProbeHeaderSize) / kProbeValueEntrySize;
    list.entries.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        ByteReader reader(data.subspan(kProbeHeaderSize + i * kProbeValueEntrySize, kProbeValueEntrySize));
        ProbeValueEntry entry;
        entry.time = reader.I32LE("time");
        const std::span<const std::uint8_t> value = reader.Bytes(entry.value.size(), "value");
        std::copy(value.begin(), value.end(), entry.value.begin());
        list.entries.push_back(entry);
    }
    return list;
}

std::vector<std::uint8_t> BuildProbeDescriptors(std::uint32_t continuation, std::span<const ProbeDescriptor> descriptors)
{
    std::vector<std::uint8_t> data(kProbeHeaderSize + descriptors.size() * kProbeDescriptorSize, 0);
    ByteWriter writer(data);
    writer.U32LE(continuation);
    writer.Zeros(4);
    for (const ProbeDescriptor& descriptor : descriptors) {
        writer.U16LE(descriptor.id);
        writer.FixedText(Cut(descriptor.name, kProbeNameSize), kProbeNameSize);
        writer.FixedText(Cut(descriptor.units, kProbeUnitsSize), kProbeUnitsSize);
        writer.U8(descriptor.decimals);
        writer.U8(descriptor.dataType);
    }
    return data;
}

std::vector<std::uint8_t> BuildProbeValues(std::uint32_t continuation, std::span<const ProbeValueEntry> entries)
{
    std::vector<std::uint8_t> data(kProbeHeaderSize + entries.size() * kProbeValueEntrySize, 0);
    ByteWriter writer(data);
    writer.U32LE(continuation);
    writer.Zeros(4);
    for (const ProbeValueEntry& entry : entries) {
        writer.I32LE(entry.time);
        writer.Bytes(entry.value);
    }
    return data;
}

std::array<std::uint8_t, 4> ProbeRealBytes(float value)
{
    std::array<std::uint8_t, 4> bytes{};
    ByteWriter writer(bytes);
    writer.F32LE(value);
    return bytes;
}

std::array<std::uint8_t, 4> ProbeBooleanBytes(bool high) { return {static_cast<std::uint8_t>(high ? 1 : 0), 0, 0, 0}; }

}  // namespace corvane
