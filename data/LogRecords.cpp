#include "data/LogRecords.h"

#include "base/ByteReader.h"

#include <algorithm>
#include <bit>

namespace corvane {
namespace {

using namespace logrec;

ValueRecord ReadValue(ByteReader& reader)
{
    ValueRecord record;
    record.typeByte = reader.U8("type");
    record.sourceKey = reader.U8("source key");
    record.pointId = reader.I16LE("point id");
    // The same four bytes read as each kind; all stay zero when cut short.
    const std::uint32_t value = reader.U32LE("value");
    record.boolValue = (value & 0xFF) != 0;
    record.intValue = static_cast<std::int32_t>(value);
    record.floatValue = std::bit_cast<float>(value);
    return record;
}

TimeStampRecord ReadTimeStamp(ByteReader& reader)
{
    TimeStampRecord record;
    const std::size_t start = reader.Offset();
    reader.U8("type");
    record.flags = reader.U8("flags");
    record.ticks = reader.U16LE("ticks");
    record.seconds = reader.U32LE("seconds");
    if (!reader.Failed()) {
        reader.Seek(start);
        const std::span<const std::uint8_t> all = reader.Bytes(kShortLength);
        std::copy(all.begin(), all.end(), record.bytes.begin());
    }
    return record;
}

PointDefinitionRecord ReadPointDefinition(ByteReader& reader)
{
    PointDefinitionRecord record;
    reader.U8("type");
    record.sourceKey = reader.U8("source key");
    record.pointId = reader.I16LE("point id");
    record.decimalPlaces = reader.U16LE("decimal places");
    record.name = std::string(reader.FixedText(kPointNameWidth, "point name"));
    record.units = std::string(reader.FixedText(kPointUnitsWidth, "units"));
    return record;
}

UnitHeaderRecord ReadUnitHeader(ByteReader& reader)
{
    UnitHeaderRecord record;
    reader.U8("type");
    reader.Skip(1, "unused");
    record.serialNumber = reader.I32LE("serial number");
    record.unitName = std::string(reader.FixedText(kHeaderNameWidth, "unit name"));
    record.unitId = std::string(reader.FixedText(kHeaderNameWidth, "unit id"));
    record.calibrationDate = std::string(reader.FixedText(kHeaderCalWidth, "calibration date"));
    record.calibrationDue = std::string(reader.FixedText(kHeaderCalWidth, "calibration due"));
    record.calibrationNote = std::string(reader.FixedText(kHeaderCalWidth, "calibration note"));
    reader.Skip(kHeaderLoggingMode - (kHeaderCalNote + kHeaderCalWidth), "unused");
    record.loggingMode = reader.U8("logging mode");
    record.programName = std::string(reader.FixedText(kHeaderNameWidth, "program name"));
    record.dstFlags = reader.U16LE("daylight-saving flags");
    record.zoneOffset = reader.U16LE("zone offset");
    return record;
}

}  // namespace

std::size_t LogRecordLength(std::uint8_t typeByte)
{
    switch (typeByte & 0x0F) {
    case kTypeUnitHeader: return kUnitHeaderLength;
    case kTypePointDefinition: return kPointDefinitionLength;
    default: return kShortLength;
    }
}

ValueRecord ReadValueRecord(std::span<const std::uint8_t, kShortLength> bytes)
{
    ByteReader reader(bytes);
    return ReadValue(reader);
}

TimeStampRecord ReadTimeStampRecord(std::span<const std::uint8_t, kShortLength> bytes)
{
    ByteReader reader(bytes);
    return ReadTimeStamp(reader);
}

ParsedLogRecord ParseLogRecord(std::span<const std::uint8_t> bytes)
{
    ParsedLogRecord parsed;
    const std::size_t length = bytes.empty() ? kShortLength : LogRecordLength(bytes[0]);
    ByteReader reader(bytes.first(std::min(bytes.size(), length)));
    if (bytes.empty()) {
        reader.U8("type");
        parsed.error = reader.Error();
        parsed.body = UnknownRecord{};
        return parsed;
    }
    const std::uint8_t type = bytes[0];
    switch (type & 0x0F) {
    case kTypeBool:
    case kTypeInt:
    case kTypeFloat: parsed.body = ReadValue(reader); break;
    case kTypeTimeStamp: parsed.body = ReadTimeStamp(reader); break;
    case kTypePointDefinition: parsed.body = ReadPointDefinition(reader); break;
    case kTypeUnitHeader: parsed.body = ReadUnitHeader(reader); break;
    default:
        reader.U8("type");
        reader.Skip(kShortLength - 1, "unused");
        if (type == kTypeEnd)
            parsed.body = EndRecord{};
        else
            parsed.body = UnknownRecord{type};
        break;
    }
    parsed.error = reader.Error();
    return parsed;
}

}  // namespace corvane
