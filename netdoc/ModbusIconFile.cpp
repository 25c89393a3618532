#include "netdoc/ModbusIconFile.h"

#include "base/ByteReader.h"
#include "netmodel/IconRecordHeader.h"

namespace corvane {

std::vector<std::uint8_t> BuildModbusIconFile(std::span<const std::uint8_t> record)
{
    std::vector<std::uint8_t> file;
    file.reserve(kModbusIconFileHeaderSize + record.size());
    file.push_back(static_cast<std::uint8_t>(kModbusIconFileVersion & 0xFF));
    file.push_back(static_cast<std::uint8_t>(kModbusIconFileVersion >> 8));
    file.insert(file.end(), record.begin(), record.end());
    return file;
}

std::variant<std::span<const std::uint8_t>, RecordError> ParseModbusIconFile(std::span<const std::uint8_t> file)
{
    ByteReader reader(file);
    const std::uint16_t version = reader.U16LE("file version");
    const std::uint16_t length = reader.U16LE("record length");
    reader.Seek(kModbusIconFileHeaderSize + kIconTypeWordOffset);
    const std::uint16_t typeWord = reader.U16LE("type word");
    if (reader.Failed())
        return RecordErrorFromByteError(reader.Error());
    if (version != kModbusIconFileVersion)
        return RecordError{RecordErrorKind::BadValue, 0, "file version"};
    const std::size_t lengthAt = kModbusIconFileHeaderSize + kIconLengthOffset;
    if (length < kIconRecordHeaderSize || length % 2 != 0)
        return RecordError{RecordErrorKind::BadLength, lengthAt, "record length"};
    const std::size_t remaining = file.size() - kModbusIconFileHeaderSize;
    if (length > remaining)
        return RecordError{RecordErrorKind::Truncated, file.size(), "record length"};
    if (length < remaining)
        return RecordError{RecordErrorKind::BadLength, lengthAt, "record length"};
    if (typeWord != kModbusIconFileTypeCode)
        return RecordError{RecordErrorKind::BadValue, kModbusIconFileHeaderSize + kIconTypeWordOffset, "type word"};
    return file.subspan(kModbusIconFileHeaderSize, length);
}

}  // namespace corvane
