#include "netimage/NetImage.h"

#include "base/ByteReader.h"
#include "base/Crc32.h"
#include "netimage/IconRecordLayout.h"

#include <limits>

namespace corvane {

std::string NetImageError::Reason() const
{
    switch (fault) {
    case NetImageFault::SizeMismatch: return "File size does not match expected size";
    case NetImageFault::NoProgramRecord: return "Cannot read program icon";
    case NetImageFault::CrcMismatch: return "CRC error";
    case NetImageFault::NoProgramIcon: return "Program icon not found";
    case NetImageFault::TooLarge: return "Program net size exceeds maximum limit";
    case NetImageFault::BadRecord: break;
    }
    return "Damaged icon record at offset " + std::to_string(offset) + (detail.empty() ? "" : " (" + detail + ")");
}

std::uint16_t RecordTypeCode(std::span<const std::uint8_t> record)
{
    ByteReader reader(record);
    reader.Seek(kIconTypeWordOffset);
    const std::uint16_t word = reader.U16LE();
    return reader.Failed() ? 0 : static_cast<std::uint16_t>(word & kIconTypeCodeMask);
}

std::variant<NetImageRecords, NetImageError> ParseNetImage(std::span<const std::uint8_t> image)
{
    ByteReader head(image);
    const std::uint32_t total = head.U32LE("length");
    if (head.Failed() || total != image.size())
        return NetImageError{NetImageFault::SizeMismatch, 0, {}};
    if (image.size() <= kProgramRecordPrefix)
        return NetImageError{NetImageFault::NoProgramRecord, 0, {}};

    const std::size_t bodyEnd = image.size() - kNetImageCrcSize;
    ByteReader crcReader(image.subspan(bodyEnd));
    if (Crc32(image.first(bodyEnd)) != crcReader.U32BE("CRC"))
        return NetImageError{NetImageFault::CrcMismatch, bodyEnd, {}};
    if (RecordTypeCode(image.subspan(kNetImageLengthSize)) != kProgramIconType)
        return NetImageError{NetImageFault::NoProgramIcon, kNetImageLengthSize, {}};

    NetImageRecords result;
    std::size_t offset = kNetImageLengthSize;
    while (offset < bodyEnd) {
        const std::span<const std::uint8_t> rest = image.subspan(offset, bodyEnd - offset);
        if (rest.size() < kIconRecordHeaderSize)
            return NetImageError{NetImageFault::BadRecord, offset, "truncated header"};
        ByteReader record(rest);
        const std::size_t length = record.U16LE();
        record.Seek(kIconInputCountOffset);
        const std::uint8_t inputs = record.U8();
        const std::uint8_t outputs = record.U8();
        if (length < kIconRecordHeaderSize || length > rest.size() || length % 2 != 0)
            return NetImageError{NetImageFault::BadRecord, offset, "record length"};
        if (inputs > kIconMaxInputs)
            return NetImageError{NetImageFault::BadRecord, offset + kIconInputCountOffset, "input count"};
        if (outputs > kIconMaxOutputs)
            return NetImageError{NetImageFault::BadRecord, offset + kIconOutputCountOffset, "output count"};
        result.records.push_back(rest.first(length));
        offset += length;
    }
    return result;
}

std::variant<std::vector<std::uint8_t>, NetImageError> BuildNetImage(
    std::span<const std::vector<std::uint8_t>> records, bool limitSize)
{
    const std::size_t limit = limitSize ? kNetImageMaxBody
                                        : std::numeric_limits<std::uint32_t>::max() - kNetImageCrcSize;
    std::size_t body = kNetImageLengthSize;
    for (const auto& record : records) {
        if (record.size() > limit - body)
            return NetImageError{NetImageFault::TooLarge, body, {}};
        body += record.size();
    }
    std::vector<std::uint8_t> image;
    image.reserve(body + kNetImageCrcSize);
    const auto total = static_cast<std::uint32_t>(body + kNetImageCrcSize);
    for (int i = 0; i < 4; ++i)
        image.push_back(static_cast<std::uint8_t>(total >> (8 * i)));
    for (const auto& record : records)
        image.insert(image.end(), record.begin(), record.end());
    const std::uint32_t crc = Crc32(image);
    for (int i = 3; i >= 0; --i)
        image.push_back(static_cast<std::uint8_t>(crc >> (8 * i)));
    return image;
}

}  // namespace corvane
