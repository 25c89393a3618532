#include "loggersim/LoggedSessionGenerator.h"

#include "base/ByteWriter.h"
#include "loggersim/LoggerState.h"

#include <algorithm>
#include <bit>
#include <span>

namespace corvane {

namespace {

// Unit header record (206 bytes)       Point definition (38 bytes)
//   0  u8   8                            0  u8   9
//   2  i32  serial number                1  u8   source key
//   6  c22  unit name                    2  i16  point id
//   28 c22  unit id                      4  u16  decimal places
//   50 c32  calibration date             6  c22  name
//   82 c32  calibration due              28 c10  units
//   114 c32 calibration note
//   179 u8  logging mode                Time stamp (8 bytes)
//   180 c22 program name                  0 u8 13, 1 u8 flags (bit 0: ticks),
//   202 u16 daylight-saving flags         2 u16 ticks, 4 u32 seconds
//   204 u16 zone offset (minutes)       Value (8 bytes)
// End record: 255 and 7 zero bytes.       0 u8 kind, 1 u8 key, 2 i16 id, 4 value
constexpr std::size_t kUnitHeaderLength = 206;
constexpr std::size_t kPointDefinitionLength = 38;
constexpr std::uint8_t kTypeUnitHeader = 8;
constexpr std::uint8_t kTypePointDefinition = 9;
constexpr std::uint8_t kTypeTimeStamp = 13;
constexpr std::uint8_t kTypeEnd = 255;
constexpr std::uint8_t kKindBool = 0;
constexpr std::uint8_t kKindInt = 1;
constexpr std::size_t kHeaderNameWidth = 22;
constexpr std::size_t kCalibrationWidth = 32;
constexpr std::size_t kHeaderUnusedBeforeMode = 33;
constexpr std::size_t kPointNameWidth = 22;
constexpr std::size_t kPointUnitsWidth = 10;
constexpr std::uint32_t kTicksPerSecond = 200;
constexpr std::size_t kStampTicksOffset = 2;
constexpr std::size_t kStampSecondsOffset = 4;
constexpr std::size_t kValueOffset = 4;

// Stores the low count bytes of value at offset, least significant first.
void StoreLE(std::span<std::uint8_t> bytes, std::size_t offset, std::uint32_t value, std::size_t count)
{
    for (std::size_t i = 0; i < count; ++i, value >>= 8)
        bytes[offset + i] = static_cast<std::uint8_t>(value & 0xFF);
}

}  // namespace

LoggedSessionGenerator::LoggedSessionGenerator(const LoggerState& unit, LoggedSessionPlan plan)
    : plan_(std::move(plan)), intervalTicks_(ScanIntervalTicks(plan_)),
      serialNumber_(static_cast<std::int32_t>(unit.serialNumber)), unitName_(unit.unitName), unitId_(unit.unitId),
      programName_(unit.netName), zoneOffset_(static_cast<std::uint16_t>(unit.timeZoneMinutes)),
      dstFlags_(unit.daylightRule != 0 ? 1 : 0)
{
    if (!plan_.subSecond)
        plan_.startTicks = 0;
    plan_.startTicks = static_cast<std::uint16_t>(plan_.startTicks % kTicksPerSecond);
    // A scan's records differ from one scan to the next only in the stamp's
    // time and the values, so each scan is written over this one.
    scanRecords_.resize(kRecordSize * (1 + plan_.points.size()));
    ByteWriter writer(scanRecords_);
    writer.U8(kTypeTimeStamp);
    writer.U8(plan_.subSecond ? 1 : 0);
    for (std::size_t p = 0; p < plan_.points.size(); ++p) {
        writer.Seek(kRecordSize * (1 + p));
        writer.U8(plan_.points[p].kind);
        writer.U8(plan_.points[p].sourceKey);
        writer.I16LE(plan_.points[p].id);
    }
    MakeScan(0);
}

std::vector<std::uint8_t> LoggedSessionGenerator::HeadRecords() const
{
    std::vector<std::uint8_t> head(kUnitHeaderLength + plan_.points.size() * kPointDefinitionLength);
    ByteWriter writer(head);
    writer.U8(kTypeUnitHeader);
    writer.U8(0);
    writer.I32LE(serialNumber_);
    writer.FixedText(unitName_, kHeaderNameWidth);
    writer.FixedText(unitId_, kHeaderNameWidth);
    writer.FixedText("2026-01-15", kCalibrationWidth);
    writer.FixedText("2027-01-15", kCalibrationWidth);
    writer.FixedText("Factory calibration", kCalibrationWidth);
    writer.Zeros(kHeaderUnusedBeforeMode);
    writer.U8(plan_.loggingMode);
    writer.FixedText(programName_, kHeaderNameWidth);
    writer.U16LE(dstFlags_);
    writer.U16LE(zoneOffset_);
    for (const LoggedPoint& point : plan_.points) {
        writer.U8(kTypePointDefinition);
        writer.U8(point.sourceKey);
        writer.I16LE(point.id);
        writer.U16LE(point.decimals);
        writer.FixedText(point.name, kPointNameWidth);
        writer.FixedText(point.units, kPointUnitsWidth);
    }
    return head;
}

bool LoggedSessionGenerator::Next(Record& record)
{
    if (scan_ >= plan_.scanCount) {
        if (!plan_.stopped || endGiven_ || plan_.scanCount == 0)
            return false;
        endGiven_ = true;
        record = Record{kTypeEnd};
        return true;
    }
    if (nextInScan_ == 0)
        MakeScan(scan_);
    std::copy_n(
        scanRecords_.begin() + static_cast<std::ptrdiff_t>(kRecordSize * nextInScan_), kRecordSize, record.begin());
    if (++nextInScan_ > plan_.points.size()) {
        nextInScan_ = 0;
        ++scan_;
    }
    return true;
}

std::size_t LoggedSessionGenerator::Fill(std::span<std::uint8_t> out)
{
    std::size_t written = 0;
    while (out.size() - written >= kRecordSize) {
        if (scan_ >= plan_.scanCount) {
            Record record;
            if (!Next(record))
                break;
            std::copy(record.begin(), record.end(), out.begin() + static_cast<std::ptrdiff_t>(written));
            written += kRecordSize;
            continue;
        }
        if (nextInScan_ == 0)
            MakeScan(scan_);
        // The rest of the scan's records, or as many as fit.
        const std::size_t recordsPerScan = 1 + plan_.points.size();
        const std::size_t count = std::min(recordsPerScan - nextInScan_, (out.size() - written) / kRecordSize);
        const auto first = scanRecords_.begin() + static_cast<std::ptrdiff_t>(kRecordSize * nextInScan_);
        std::copy_n(first, kRecordSize * count, out.begin() + static_cast<std::ptrdiff_t>(written));
        written += kRecordSize * count;
        nextInScan_ += count;
        if (nextInScan_ == recordsPerScan) {
            nextInScan_ = 0;
            ++scan_;
        }
    }
    return written;
}

std::uint32_t LoggedSessionGenerator::EndSeconds() const
{
    const std::uint64_t ticks = ScanTicks(plan_.scanCount);
    return static_cast<std::uint32_t>(ticks / kTicksPerSecond);
}

std::uint64_t LoggedSessionGenerator::ScanTicks(std::uint32_t scan) const
{
    return std::uint64_t{plan_.startSeconds} * kTicksPerSecond + plan_.startTicks
        + std::uint64_t{scan} * intervalTicks_;
}

void LoggedSessionGenerator::MakeScan(std::uint32_t scan)
{
    // Runs once per scan of a download, so the changing fields are stored
    // straight at their offsets in the records the constructor laid out,
    // which hold them all, rather than through a checked writer.
    const std::span<std::uint8_t> records(scanRecords_);
    const std::uint64_t ticks = ScanTicks(scan);
    const auto subSecondTicks = plan_.subSecond ? static_cast<std::uint32_t>(ticks % kTicksPerSecond) : 0u;
    StoreLE(records, kStampTicksOffset, subSecondTicks, 2);
    StoreLE(records, kStampSecondsOffset, static_cast<std::uint32_t>(ticks / kTicksPerSecond), 4);
    const std::size_t points = plan_.points.size();
    for (std::size_t p = 0; p < points; ++p) {
        const std::size_t at = kRecordSize * (1 + p) + kValueOffset;
        const std::uint8_t kind = plan_.points[p].kind;
        if (kind == kKindBool)
            StoreLE(records, at, BoolValue(p, scan) ? 1u : 0u, 1);
        else if (kind == kKindInt)
            StoreLE(records, at, static_cast<std::uint32_t>(IntValue(p, scan)), 4);
        else
            StoreLE(records, at, std::bit_cast<std::uint32_t>(FloatValue(p, scan)), 4);
    }
    std::copy_n(records.begin(), kRecordSize, stamp_.begin());
}

// Values with few significant bits, so every rendering shows them exactly.
float LoggedSessionGenerator::FloatValue(std::size_t pointIndex, std::uint32_t scan)
{
    return 20.0f + static_cast<float>(pointIndex) + static_cast<float>(scan % 80) * 0.25f;
}

std::int32_t LoggedSessionGenerator::IntValue(std::size_t pointIndex, std::uint32_t scan)
{
    return static_cast<std::int32_t>((std::uint64_t{scan} * 3 + pointIndex) % 1000000);
}

bool LoggedSessionGenerator::BoolValue(std::size_t pointIndex, std::uint32_t scan)
{
    return ((scan + pointIndex) / 5) % 2 == 1;
}

}  // namespace corvane
