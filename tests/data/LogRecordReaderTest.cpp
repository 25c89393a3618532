#include "data/LogRecordReader.h"
#include "data/LogRecords.h"
#include "FailingStreamBuf.h"
#include "LogStreamWriter.h"

#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <vector>

namespace corvane {
namespace log_record_reader_test {
namespace {

using test::LogStreamWriter;

std::vector<LogRecord> ReadAll(const std::string& bytes, ByteError* error = nullptr, std::size_t chunk = 65536)
{
    std::istringstream in(bytes);
    LogRecordReader reader(in, chunk);
    std::vector<LogRecord> records;
    while (auto record = reader.Next())
        records.push_back(std::move(*record));
    if (error != nullptr)
        *error = reader.Error();
    return records;
}

std::vector<std::uint8_t> OneRecordOfEachKind(int which)
{
    LogStreamWriter writer;
    switch (which) {
    case 0: writer.Float(3, 1.5f); break;
    case 1: writer.Stamp(1710498030, 7); break;
    case 2: writer.Point(3, "Flow", "l/s"); break;
    case 3: writer.UnitHeader("U1", "Pump house", 1234); break;
    default: writer.End(); break;
    }
    return writer.Bytes();
}

TEST(LogRecordReaderTest, TruncationAtEveryLengthNamesTheFieldCutShort)
{
    for (int which = 0; which < 5; ++which) {
        const std::vector<std::uint8_t> record = OneRecordOfEachKind(which);
        // A whole time stamp first, so the offsets are stream offsets.
        const std::string prefix = LogStreamWriter().Stamp(100).Text();
        for (std::size_t length = 1; length < record.size(); ++length) {
            SCOPED_TRACE("kind " + std::to_string(which) + " length " + std::to_string(length));
            ByteError error;
            const auto records = ReadAll(prefix + std::string(record.begin(), record.begin() + static_cast<long>(length)), &error);
            EXPECT_EQ(records.size(), 1u);
            ASSERT_EQ(error.kind, ByteErrorKind::Truncated);
            EXPECT_FALSE(error.field.empty());
            EXPECT_LE(error.offset, prefix.size() + length);
            EXPECT_GT(error.offset + error.size, prefix.size() + length);
        }
        const auto whole = ReadAll(std::string(record.begin(), record.end()));
        EXPECT_EQ(whole.size(), 1u);
    }
}

TEST(LogRecordReaderTest, TruncatedPointNameIsNamedWithItsStreamOffset)
{
    std::string bytes = LogStreamWriter().Stamp(1).Point(3, "Flow", "l/s").Text();
    bytes.resize(8 + 10);
    ByteError error;
    ReadAll(bytes, &error);
    EXPECT_EQ(error.field, "point name");
    EXPECT_EQ(error.offset, 8u + logrec::kPointName);
}

// Each named field, changed alone, shows up in that field and nowhere else.
struct FieldCase {
    int kind;
    std::size_t offset;
    std::uint8_t value;
    std::function<bool(const LogRecordBody&)> check;
};

TEST(LogRecordReaderTest, EachNamedOffsetFeedsItsField)
{
    using namespace logrec;
    const std::vector<FieldCase> cases = {
        {0, kValueSourceKey, 0x5A, [](const LogRecordBody& b) { return std::get<ValueRecord>(b).sourceKey == 0x5A; }},
        {0, kValuePointId + 1, 0x80, [](const LogRecordBody& b) { return std::get<ValueRecord>(b).pointId == -32765; }},
        {0, kValueData + 3, 0x40, [](const LogRecordBody& b) { return std::get<ValueRecord>(b).floatValue == 6.0f; }},
        {1, kStampFlags, 0x00, [](const LogRecordBody& b) { return std::get<TimeStampRecord>(b).flags == 0; }},
        {1, kStampTicks, 199, [](const LogRecordBody& b) { return std::get<TimeStampRecord>(b).ticks == 199; }},
        {1, kStampSeconds + 3, 0x00, [](const LogRecordBody& b) { return std::get<TimeStampRecord>(b).seconds == (1710498030u & 0x00FFFFFFu); }},
        {2, kPointSourceKey, 0x11, [](const LogRecordBody& b) { return std::get<PointDefinitionRecord>(b).sourceKey == 0x11; }},
        {2, kPointId, 0x09, [](const LogRecordBody& b) { return std::get<PointDefinitionRecord>(b).pointId == 9; }},
        {2, kPointDecimals, 0x15, [](const LogRecordBody& b) { return std::get<PointDefinitionRecord>(b).decimalPlaces == 0x15; }},
        {2, kPointName, 'G', [](const LogRecordBody& b) { return std::get<PointDefinitionRecord>(b).name == "Glow"; }},
        {2, kPointUnits, 'm', [](const LogRecordBody& b) { return std::get<PointDefinitionRecord>(b).units == "m/s"; }},
        {3, kHeaderSerial, 0xD3, [](const LogRecordBody& b) { return std::get<UnitHeaderRecord>(b).serialNumber == 1235; }},
        {3, kHeaderUnitName, 'D', [](const LogRecordBody& b) { return std::get<UnitHeaderRecord>(b).unitName == "Dump house"; }},
        {3, kHeaderUnitId, 'V', [](const LogRecordBody& b) { return std::get<UnitHeaderRecord>(b).unitId == "V1"; }},
        {3, kHeaderCalDate, '3', [](const LogRecordBody& b) { return std::get<UnitHeaderRecord>(b).calibrationDate == "3024-01-01"; }},
        {3, kHeaderCalDue, '4', [](const LogRecordBody& b) { return std::get<UnitHeaderRecord>(b).calibrationDue == "4025-01-01"; }},
        {3, kHeaderCalNote, 'B', [](const LogRecordBody& b) { return std::get<UnitHeaderRecord>(b).calibrationNote == "Bench"; }},
        {3, kHeaderLoggingMode, 2, [](const LogRecordBody& b) { return std::get<UnitHeaderRecord>(b).loggingMode == 2; }},
        {3, kHeaderProgramName, 'M', [](const LogRecordBody& b) { return std::get<UnitHeaderRecord>(b).programName == "MET1"; }},
        {3, kHeaderDstFlags, 1, [](const LogRecordBody& b) { return std::get<UnitHeaderRecord>(b).dstFlags == 1; }},
        {3, kHeaderZoneOffset + 1, 0xFF, [](const LogRecordBody& b) { return std::get<UnitHeaderRecord>(b).zoneOffset == 0xFF00; }},
    };
    for (const FieldCase& c : cases) {
        SCOPED_TRACE("kind " + std::to_string(c.kind) + " offset " + std::to_string(c.offset));
        std::vector<std::uint8_t> record = OneRecordOfEachKind(c.kind);
        ASSERT_LT(c.offset, record.size());
        const ParsedLogRecord original = ParseLogRecord(record);
        EXPECT_FALSE(c.check(original.body));
        record[c.offset] = c.value;
        const ParsedLogRecord parsed = ParseLogRecord(record);
        ASSERT_FALSE(parsed.error);
        EXPECT_TRUE(c.check(parsed.body));
    }
}

TEST(LogRecordReaderTest, FullTextFieldsStopAtTheirWidth)
{
    const std::string name(30, 'N');
    const auto records = ReadAll(LogStreamWriter().Point(1, name, std::string(12, 'u')).Stamp(5).Text());
    ASSERT_EQ(records.size(), 2u);
    const auto& point = std::get<PointDefinitionRecord>(records[0].body);
    EXPECT_EQ(point.name, std::string(22, 'N'));
    EXPECT_EQ(point.units, std::string(10, 'u'));
}

TEST(LogRecordReaderTest, DispatchesOnTheLowFourBitsAndReadsPastEndRecords)
{
    const std::string bytes = LogStreamWriter()
                                  .Stamp(10, 0, 0x1D)
                                  .Raw({0x03, 1, 2, 3, 4, 5, 6, 7})
                                  .End()
                                  .Int(4, -9)
                                  .Value(0x12, 4, 0)
                                  .Text();
    const auto records = ReadAll(bytes);
    ASSERT_EQ(records.size(), 5u);
    EXPECT_EQ(std::get<TimeStampRecord>(records[0].body).seconds, 10u);
    EXPECT_EQ(std::get<UnknownRecord>(records[1].body).typeByte, 0x03);
    EXPECT_TRUE(std::holds_alternative<EndRecord>(records[2].body));
    EXPECT_EQ(std::get<ValueRecord>(records[3].body).intValue, -9);
    EXPECT_EQ(std::get<ValueRecord>(records[4].body).Kind(), 2);
    EXPECT_EQ(records[4].offset, 32u);
}

TEST(LogRecordReaderTest, RecordsStraddlingChunksReadTheSame)
{
    LogStreamWriter writer;
    writer.UnitHeader("U", "N", 1);
    for (int i = 0; i < 40; ++i)
        writer.Point(static_cast<std::int16_t>(i), "P", "u").Stamp(static_cast<std::uint32_t>(i)).Int(1, i);
    const auto small = ReadAll(writer.Text(), nullptr, 1);
    const auto large = ReadAll(writer.Text());
    ASSERT_EQ(small.size(), large.size());
    EXPECT_EQ(small.size(), 121u);
    for (std::size_t i = 0; i < small.size(); ++i)
        EXPECT_EQ(small[i].offset, large[i].offset);
    EXPECT_EQ(std::get<ValueRecord>(small.back().body).intValue, 39);
}

TEST(LogRecordReaderTest, ReadErrorEndsTheWalkAtItsOffsetWithoutThrowing)
{
    // Unit header 0..205, point 206..243, stamp 244..251, value 252..259.
    const std::string stream = LogStreamWriter().UnitHeader("U", "N", 1).Point(1, "A", "u").Stamp(9).Int(1, 3).Text();
    struct Case {
        std::size_t failAt;
        std::size_t wholeRecords;
    };
    for (const auto failure : {test::FailingStreamBuf::Failure::Throws, test::FailingStreamBuf::Failure::SetsBad}) {
        for (const Case c : {Case{0, 0}, Case{100, 0}, Case{206, 1}, Case{250, 2}, Case{260, 4}}) {
            for (const std::size_t chunk : {std::size_t{1}, std::size_t{65536}}) {
                SCOPED_TRACE(testing::Message() << "fail at " << c.failAt << ", chunk " << chunk << ", throws "
                                                << (failure == test::FailingStreamBuf::Failure::Throws));
                test::FailingStreamBuf buffer(stream, c.failAt, failure);
                std::istream in(&buffer);
                buffer.Attach(in);
                LogRecordReader reader(in, chunk);
                std::size_t records = 0;
                EXPECT_NO_THROW(while (reader.Next())++ records);
                EXPECT_EQ(records, c.wholeRecords);
                EXPECT_TRUE(reader.ReadFailed());
                EXPECT_EQ(reader.ReadFailedAt(), c.failAt);
                EXPECT_FALSE(reader.Error()) << "a read error is no record cut short";
            }
        }
    }
}

}  // namespace
}  // namespace log_record_reader_test
}  // namespace corvane
