#include "netmodel/IconRecord.h"

#include "base/ByteReader.h"
#include "base/ByteWriter.h"

#include <algorithm>

namespace corvane {
namespace {

InputLink ReadInputLink(ByteReader& reader, std::string_view field)
{
    InputLink link;
    link.sourceId = reader.U16LE(field);
    link.sourceOutput = reader.U8(field);
    link.flags = reader.U8(field);
    reader.Skip(4, field);
    return link;
}

void WriteInputLink(ByteWriter& writer, const InputLink& link)
{
    writer.U16LE(link.sourceId, "input link");
    writer.U8(link.IsConnected() ? link.sourceOutput : std::uint8_t{0}, "input link");
    writer.U8(link.flags, "input link");
    writer.Zeros(4, "input link");
}

OutputEntry ReadOutputEntry(ByteReader& reader)
{
    OutputEntry entry;
    const std::span<const std::uint8_t> data = reader.Bytes(kOutputDataSize, "output entry");
    std::copy(data.begin(), data.end(), entry.data.begin());
    reader.Skip(2, "output entry");
    entry.byte10 = reader.U8("output entry");
    entry.flags = reader.U8("output entry");
    return entry;
}

void WriteOutputEntry(ByteWriter& writer, const OutputEntry& entry)
{
    writer.Bytes(entry.data, "output entry");
    writer.Zeros(2, "output entry");
    writer.U8(entry.byte10, "output entry");
    writer.U8(entry.flags, "output entry");
}

}  // namespace

std::variant<IconRecord, RecordError> ParseIconRecord(std::span<const std::uint8_t> bytes,
                                                      std::optional<std::size_t> fixedPartEnd)
{
    ByteReader head(bytes);
    const std::size_t length = head.U16LE("record length");
    if (head.Failed()) {
        return RecordErrorFromByteError(head.Error());
    }
    if (length < kIconRecordHeaderSize || length % 2 != 0) {
        return RecordError{RecordErrorKind::BadLength, kIconLengthOffset, "record length"};
    }
    if (length > bytes.size()) {
        return RecordError{RecordErrorKind::Truncated, bytes.size(), "record length"};
    }

    ByteReader reader(bytes.first(length));
    IconRecord record;
    IconRecordHeader& header = record.header;
    header.length = reader.U16LE("record length");
    header.uniqueId = reader.U16LE("unique id");
    header.typeWord = reader.U16LE("type word");
    header.x = reader.U16LE("x");
    header.y = reader.U16LE("y");
    header.inputCount = reader.U8("input count");
    header.outputCount = reader.U8("output count");
    header.name = std::string(reader.FixedText(kIconNameMaxBytes, "name"));
    reader.Skip(2, "name");
    header.warningFlags = reader.U16LE("warning flags");
    header.trigger = ReadInputLink(reader, "trigger link");
    header.enable = ReadInputLink(reader, "enable link");
    reader.Seek(kIconRecordHeaderSize, "header");

    if (header.inputCount > kIconMaxInputs) {
        return RecordError{RecordErrorKind::BadCount, kIconInputCountOffset, "input count"};
    }
    if (header.outputCount > kIconMaxOutputs) {
        return RecordError{RecordErrorKind::BadCount, kIconOutputCountOffset, "output count"};
    }

    const std::size_t linksSize = header.inputCount * kInputLinkSize + header.outputCount * kOutputEntrySize;
    std::size_t fixedEnd = 0;
    if (fixedPartEnd) {
        fixedEnd = *fixedPartEnd;
        if (fixedEnd < kIconRecordHeaderSize || fixedEnd > length) {
            return RecordError{RecordErrorKind::BadLength, kIconRecordHeaderSize, "fixed part"};
        }
    } else {
        if (kIconRecordHeaderSize + linksSize > length) {
            return RecordError{RecordErrorKind::Truncated, kIconRecordHeaderSize, "input links"};
        }
        fixedEnd = length - linksSize;
    }
    const std::span<const std::uint8_t> fixed = reader.Bytes(fixedEnd - kIconRecordHeaderSize, "fixed part");
    record.fixedPart.assign(fixed.begin(), fixed.end());

    record.inputs.reserve(header.inputCount);
    for (std::size_t i = 0; i < header.inputCount; ++i) {
        record.inputs.push_back(ReadInputLink(reader, "input links"));
    }
    record.outputs.reserve(header.outputCount);
    for (std::size_t i = 0; i < header.outputCount; ++i) {
        record.outputs.push_back(ReadOutputEntry(reader));
    }
    if (reader.Failed()) {
        return RecordErrorFromByteError(reader.Error());
    }
    const std::span<const std::uint8_t> tail = reader.Bytes(reader.Remaining(), "tail");
    record.tail.assign(tail.begin(), tail.end());
    return record;
}

std::variant<std::vector<std::uint8_t>, RecordError> WriteIconRecord(const IconRecord& record)
{
    if (record.inputs.size() > kIconMaxInputs) {
        return RecordError{RecordErrorKind::BadCount, kIconInputCountOffset, "input count"};
    }
    if (record.outputs.size() > kIconMaxOutputs) {
        return RecordError{RecordErrorKind::BadCount, kIconOutputCountOffset, "output count"};
    }
    std::size_t length = kIconRecordHeaderSize + record.fixedPart.size() + record.inputs.size() * kInputLinkSize
                         + record.outputs.size() * kOutputEntrySize + record.tail.size();
    length += length % 2;
    if (length > 0xFFFF) {
        return RecordError{RecordErrorKind::BadLength, kIconLengthOffset, "record length"};
    }

    std::vector<std::uint8_t> bytes(length, 0);
    ByteWriter writer(bytes);
    const IconRecordHeader& header = record.header;
    writer.U16LE(static_cast<std::uint16_t>(length), "record length");
    writer.U16LE(header.uniqueId, "unique id");
    writer.U16LE(header.typeWord, "type word");
    writer.U16LE(header.x, "x");
    writer.U16LE(header.y, "y");
    writer.U8(static_cast<std::uint8_t>(record.inputs.size()), "input count");
    writer.U8(static_cast<std::uint8_t>(record.outputs.size()), "output count");
    const std::string_view name = header.name;
    writer.FixedText(name.substr(0, std::min(name.find('\0'), kIconNameMaxBytes)), kIconNameFieldSize + 1, "name");
    writer.U16LE(header.warningFlags, "warning flags");
    WriteInputLink(writer, header.trigger);
    WriteInputLink(writer, header.enable);
    writer.Zeros(kIconRecordHeaderSize - writer.Offset(), "header");
    writer.Bytes(record.fixedPart, "fixed part");
    for (const InputLink& link : record.inputs) {
        WriteInputLink(writer, link);
    }
    for (const OutputEntry& entry : record.outputs) {
        WriteOutputEntry(writer, entry);
    }
    writer.Bytes(record.tail, "tail");
    if (writer.Failed()) {
        return RecordError{RecordErrorKind::BadLength, writer.Error().offset, writer.Error().field};
    }
    return bytes;
}

std::vector<InputLink> CompactInputLinks(std::span<const InputLink> inputs, std::size_t minimumCount,
                                         bool dropOneWhenFirstEmpty)
{
    std::vector<InputLink> compacted;
    for (const InputLink& link : inputs) {
        if (link.IsConnected()) {
            compacted.push_back(link);
        }
    }
    const std::size_t count = std::max(compacted.size(), std::min(minimumCount, inputs.size()));
    compacted.resize(count);
    if (dropOneWhenFirstEmpty && !compacted.empty() && !compacted.front().IsConnected()) {
        compacted.pop_back();
    }
    return compacted;
}

}  // namespace corvane
