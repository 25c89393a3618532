#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <variant>
#include <vector>

namespace corvane {

// The container of a program net: the net file, the compiled image, the
// image sent to the logger and the one read back.
//
//   0      u32 total length (this field, the records and the CRC)
//   4      icon records, each with its u16 length at its offset 0 (even)
//   4 + n  u32 CRC-32 of every byte before it, most significant byte first
//
// The first record is the Program icon (type code 1).
inline constexpr std::size_t kNetImageLengthSize = 4;
inline constexpr std::size_t kNetImageCrcSize = 4;
// The length field and the records may take at most this many bytes.
inline constexpr std::size_t kNetImageMaxBody = 0xFFFC;
// The Program icon's header and fixed part, which the header test reads.
inline constexpr std::size_t kProgramRecordPrefix = 174;
inline constexpr std::uint16_t kProgramIconType = 1;

enum class NetImageFault {
    SizeMismatch,     // the length field differs from the size
    NoProgramRecord,  // too short to hold the Program icon
    CrcMismatch,
    NoProgramIcon,  // the first record is not the Program icon
    BadRecord,      // a record's length or counts do not fit
    TooLarge,       // more than the image may hold
};

struct NetImageError {
    NetImageFault fault = NetImageFault::BadRecord;
    std::size_t offset = 0;
    std::string detail;

    // The reason shown after "Not a valid net file\n".
    std::string Reason() const;
};

// The records of a checked image, in stored order, each the whole record.
struct NetImageRecords {
    std::vector<std::span<const std::uint8_t>> records;
};

// Checks an image in this order: the length field against the size, room
// for the Program icon, the CRC, the Program icon first, then every record
// (72 <= length <= bytes left, even, at most 25 inputs and 24 outputs).
std::variant<NetImageRecords, NetImageError> ParseNetImage(std::span<const std::uint8_t> image);

// Builds an image around records. Refuses records whose sum with the
// length field passes the limit (when limited) or 0xFFFFFFFF.
std::variant<std::vector<std::uint8_t>, NetImageError> BuildNetImage(
    std::span<const std::vector<std::uint8_t>> records, bool limitSize = true);

// The type code of a record (low 12 bits of its type word); 0 when short.
std::uint16_t RecordTypeCode(std::span<const std::uint8_t> record);

}  // namespace corvane
