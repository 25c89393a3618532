#pragma once

#include "base/ByteError.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <variant>

namespace corvane {

// Logged data is a plain concatenation of fixed-size records, little-endian,
// with no length prefix and no padding. The type byte opens every record and
// alone fixes its length; readers dispatch on its low 4 bits, so a type byte
// with high bits set is read as the record of its low bits. Text fields are
// Windows-1252, NUL-padded, and not terminated when full.
//
// Value record (8 bytes)            Time stamp (8 bytes)
//   0  u8   kind 0 bool/1 int/2 float  0  u8   13
//   1  u8   source key                 1  u8   flags (bit 0: ticks valid)
//   2  i16  point id                   2  u16  ticks of 5 ms past the second
//   4  4    value                      4  u32  seconds since 1970 UTC
//
// Point definition (38 bytes)       Unit header (206 bytes)
//   0  u8   9                          0  u8   8          1 unused
//   1  u8   source key                 2  i32  serial number
//   2  i16  point id                   6  c22  unit name   28 c22 unit id
//   4  u16  decimal places             50 c32  calibration date
//   6  c22  point name                 82 c32  calibration due
//   28 c10  units                      114 c32 calibration note
//                                      146 33  unused     179 u8 logging mode
// End record (8 bytes): 255, then     180 c22  program name
//   seven unused bytes.                202 u16 daylight-saving flags
//                                      204 u16 zone offset in minutes
namespace logrec {
constexpr std::uint8_t kTypeBool = 0;
constexpr std::uint8_t kTypeInt = 1;
constexpr std::uint8_t kTypeFloat = 2;
constexpr std::uint8_t kTypeUnitHeader = 8;
constexpr std::uint8_t kTypePointDefinition = 9;
constexpr std::uint8_t kTypeTimeStamp = 13;
constexpr std::uint8_t kTypeEnd = 255;

constexpr std::size_t kShortLength = 8;
constexpr std::size_t kUnitHeaderLength = 206;
constexpr std::size_t kPointDefinitionLength = 38;

constexpr std::size_t kValueSourceKey = 1;
constexpr std::size_t kValuePointId = 2;
constexpr std::size_t kValueData = 4;

constexpr std::size_t kStampFlags = 1;
constexpr std::size_t kStampTicks = 2;
constexpr std::size_t kStampSeconds = 4;

constexpr std::size_t kPointSourceKey = 1;
constexpr std::size_t kPointId = 2;
constexpr std::size_t kPointDecimals = 4;
constexpr std::size_t kPointName = 6;
constexpr std::size_t kPointUnits = 28;
constexpr std::size_t kPointNameWidth = 22;
constexpr std::size_t kPointUnitsWidth = 10;

constexpr std::size_t kHeaderSerial = 2;
constexpr std::size_t kHeaderUnitName = 6;
constexpr std::size_t kHeaderUnitId = 28;
constexpr std::size_t kHeaderCalDate = 50;
constexpr std::size_t kHeaderCalDue = 82;
constexpr std::size_t kHeaderCalNote = 114;
constexpr std::size_t kHeaderLoggingMode = 179;
constexpr std::size_t kHeaderProgramName = 180;
constexpr std::size_t kHeaderDstFlags = 202;
constexpr std::size_t kHeaderZoneOffset = 204;
constexpr std::size_t kHeaderNameWidth = 22;
constexpr std::size_t kHeaderCalWidth = 32;

constexpr std::uint16_t kTicksPerSecond = 200;
}  // namespace logrec

// Length of the record that a type byte opens, by its low 4 bits.
std::size_t LogRecordLength(std::uint8_t typeByte);

struct ValueRecord {
    std::uint8_t typeByte = 0;  // kind in the low 4 bits
    std::uint8_t sourceKey = 0;
    std::int16_t pointId = 0;
    bool boolValue = false;  // byte 4 non-zero
    std::int32_t intValue = 0;
    float floatValue = 0;
    std::uint8_t Kind() const { return typeByte & 0x0F; }
};

struct TimeStampRecord {
    std::array<std::uint8_t, logrec::kShortLength> bytes{};  // two stamps are the same time when these are equal
    std::uint8_t flags = 0;
    std::uint16_t ticks = 0;
    std::uint32_t seconds = 0;
};

struct PointDefinitionRecord {
    std::uint8_t sourceKey = 0;
    std::int16_t pointId = 0;
    std::uint16_t decimalPlaces = 0;  // as stored; formatters keep the low 4 bits
    std::string name;                 // Windows-1252, at most 22 bytes
    std::string units;                // Windows-1252, at most 10 bytes
};

struct UnitHeaderRecord {
    std::int32_t serialNumber = 0;
    std::string unitName;
    std::string unitId;
    std::string calibrationDate;
    std::string calibrationDue;
    std::string calibrationNote;
    std::uint8_t loggingMode = 0;
    std::string programName;
    std::uint16_t dstFlags = 0;
    std::uint16_t zoneOffset = 0;  // minutes; local time = UTC minus the offset
};

struct EndRecord {};

// A record whose type byte names no known record; 8 bytes long.
struct UnknownRecord {
    std::uint8_t typeByte = 0;
};

using LogRecordBody
    = std::variant<ValueRecord, TimeStampRecord, PointDefinitionRecord, UnitHeaderRecord, EndRecord, UnknownRecord>;

struct LogRecord {
    std::uint64_t offset = 0;  // where the record starts in the stream
    LogRecordBody body;
};

struct ParsedLogRecord {
    LogRecordBody body;
    ByteError error;  // set when the bytes end inside the record; names the field cut short
};

// Reads a whole value record (type byte 0, 1 or 2 in the low bits) or a
// whole time stamp: the fields ParseLogRecord gives, without its variant.
ValueRecord ReadValueRecord(std::span<const std::uint8_t, logrec::kShortLength> bytes);
TimeStampRecord ReadTimeStampRecord(std::span<const std::uint8_t, logrec::kShortLength> bytes);

// Parses one record from bytes that start at its type byte. bytes may be
// shorter than the record: the error then names the first field cut short,
// with its offset inside the record. Bytes beyond the record are ignored.
ParsedLogRecord ParseLogRecord(std::span<const std::uint8_t> bytes);

}  // namespace corvane
