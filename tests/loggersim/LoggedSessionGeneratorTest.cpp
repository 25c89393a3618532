#include "loggersim/LoggedSessionGenerator.h"

#include "data/LogRecordReader.h"
#include "loggersim/LoggerState.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <variant>
#include <vector>

namespace corvane {
namespace logged_session_generator_test {
namespace {

// The head and every data record of a session, parsed back.
std::vector<LogRecord> ParseSession(LoggedSessionGenerator& session)
{
    const std::vector<std::uint8_t> head = session.HeadRecords();
    std::string bytes(head.begin(), head.end());
    LoggedSessionGenerator::Record record{};
    while (session.Next(record))
        bytes.append(record.begin(), record.end());
    std::istringstream in(bytes);
    LogRecordReader reader(in);
    std::vector<LogRecord> records;
    while (std::optional<LogRecord> next = reader.Next())
        records.push_back(std::move(*next));
    EXPECT_FALSE(reader.Error()) << reader.Error().Describe();
    EXPECT_EQ(reader.Consumed(), bytes.size());
    return records;
}

LoggerState Unit()
{
    LoggerState unit = LoggerState::Fresh();
    unit.unitName = "Pump House";
    unit.unitId = "PH-7";
    unit.serialNumber = 424242;
    unit.netName = "PUMPS";
    unit.timeZoneMinutes = 300;
    unit.daylightRule = 1;
    return unit;
}

TEST(LoggedSessionGeneratorTest, HeadHoldsTheUnitAndEveryPoint)
{
    LoggedSessionPlan plan;
    plan.startSeconds = 0x65000000;
    plan.scanCount = 1;
    plan.loggingMode = 1;
    LoggedSessionGenerator session(Unit(), plan);
    const std::vector<LogRecord> records = ParseSession(session);
    ASSERT_GE(records.size(), 1 + plan.points.size());

    const auto& header = std::get<UnitHeaderRecord>(records[0].body);
    EXPECT_EQ(header.unitName, "Pump House");
    EXPECT_EQ(header.unitId, "PH-7");
    EXPECT_EQ(header.serialNumber, 424242);
    EXPECT_EQ(header.programName, "PUMPS");
    EXPECT_EQ(header.loggingMode, 1);
    EXPECT_EQ(header.zoneOffset, 300);
    EXPECT_EQ(header.dstFlags, 1);
    for (std::size_t i = 0; i < plan.points.size(); ++i) {
        const auto& point = std::get<PointDefinitionRecord>(records[1 + i].body);
        EXPECT_EQ(point.pointId, plan.points[i].id);
        EXPECT_EQ(point.sourceKey, plan.points[i].sourceKey);
        EXPECT_EQ(point.decimalPlaces, plan.points[i].decimals);
        EXPECT_EQ(point.name, plan.points[i].name);
        EXPECT_EQ(point.units, plan.points[i].units);
    }
}

struct ScanCase {
    bool subSecond;
    bool stopped;
    std::uint16_t startTicks;
    std::uint32_t intervalTicks;
    std::uint32_t secondScanSeconds;  // past the start
    std::uint16_t secondScanTicks;
    std::uint32_t stopSeconds;  // past the start; 0: running
};

class LoggedSessionScanTest : public ::testing::TestWithParam<ScanCase> {};

TEST_P(LoggedSessionScanTest, EachScanIsAStampAndOneValuePerPoint)
{
    const ScanCase& c = GetParam();
    LoggedSessionPlan plan;
    plan.startSeconds = 1000;
    plan.startTicks = c.startTicks;
    plan.scanCount = 3;
    plan.intervalTicks = c.intervalTicks;
    plan.subSecond = c.subSecond;
    plan.stopped = c.stopped;
    LoggedSessionGenerator session(Unit(), plan);
    EXPECT_EQ(session.StopSeconds(), c.stopSeconds == 0 ? 0 : 1000 + c.stopSeconds);
    const std::vector<LogRecord> records = ParseSession(session);

    const std::size_t points = plan.points.size();
    const std::size_t dataStart = 1 + points;
    ASSERT_EQ(records.size(), dataStart + 3 * (points + 1) + (c.stopped ? 1 : 0));
    for (std::uint32_t scan = 0; scan < 3; ++scan) {
        const std::size_t at = dataStart + scan * (points + 1);
        const auto& stamp = std::get<TimeStampRecord>(records[at].body);
        EXPECT_EQ(stamp.flags, c.subSecond ? 1 : 0);
        if (scan == 1) {
            EXPECT_EQ(stamp.seconds, 1000 + c.secondScanSeconds);
            EXPECT_EQ(stamp.ticks, c.secondScanTicks);
        }
        for (std::size_t p = 0; p < points; ++p) {
            const auto& value = std::get<ValueRecord>(records[at + 1 + p].body);
            EXPECT_EQ(value.pointId, plan.points[p].id);
            EXPECT_EQ(value.Kind(), plan.points[p].kind);
            switch (value.Kind()) {
            case 0: EXPECT_EQ(value.boolValue, LoggedSessionGenerator::BoolValue(p, scan)); break;
            case 1: EXPECT_EQ(value.intValue, LoggedSessionGenerator::IntValue(p, scan)); break;
            default: EXPECT_EQ(value.floatValue, LoggedSessionGenerator::FloatValue(p, scan)); break;
            }
        }
    }
    if (c.stopped) {
        EXPECT_TRUE(std::holds_alternative<EndRecord>(records.back().body));
    }
}

INSTANTIATE_TEST_SUITE_P(Stamps, LoggedSessionScanTest,
    ::testing::Values(
        // Whole seconds: ticks are dropped and the interval rounds up to a second.
        ScanCase{false, true, 50, 200, 1, 0, 3}, ScanCase{false, false, 0, 300, 2, 0, 0},
        // Sub-second stamps carry their ticks and cross into the next second.
        ScanCase{true, true, 150, 70, 1, 20, 1}, ScanCase{true, false, 3, 20, 0, 23, 0}));

// Every data record through Next alone.
std::vector<std::uint8_t> RecordsByNext(const LoggedSessionPlan& plan)
{
    LoggedSessionGenerator session(Unit(), plan);
    std::vector<std::uint8_t> bytes;
    LoggedSessionGenerator::Record record{};
    while (session.Next(record))
        bytes.insert(bytes.end(), record.begin(), record.end());
    return bytes;
}

TEST(LoggedSessionGeneratorTest, FillGivesTheRecordsNextGivesInAnyRoom)
{
    // Rooms shorter than a record, of whole records less than, equal to and
    // more than a scan, and not a multiple of a record; a record left over
    // by a fill comes from Next, as a download block's last part does.
    LoggedSessionPlan plan;
    plan.startSeconds = 5000;
    plan.scanCount = 37;
    plan.intervalTicks = 70;
    plan.subSecond = true;
    for (const bool stopped : {false, true}) {
        plan.stopped = stopped;
        const std::vector<std::uint8_t> expected = RecordsByNext(plan);
        for (const std::size_t room : {std::size_t{5}, std::size_t{8}, std::size_t{24}, std::size_t{40},
                 std::size_t{44}, std::size_t{1024}, std::size_t{4000}}) {
            LoggedSessionGenerator session(Unit(), plan);
            std::vector<std::uint8_t> bytes;
            std::vector<std::uint8_t> out(room);
            for (;;) {
                const std::size_t written = session.Fill(out);
                ASSERT_EQ(written % LoggedSessionGenerator::kRecordSize, 0u);
                ASSERT_LE(written, room);
                bytes.insert(bytes.end(), out.begin(), out.begin() + static_cast<std::ptrdiff_t>(written));
                LoggedSessionGenerator::Record record{};
                if (room - written >= LoggedSessionGenerator::kRecordSize || !session.Next(record))
                    break;
                bytes.insert(bytes.end(), record.begin(), record.end());
            }
            EXPECT_EQ(bytes, expected) << "room " << room << (stopped ? ", stopped" : ", running");
        }
    }
}

TEST(LoggedSessionGeneratorTest, AnEmptySessionHasNoDataRecords)
{
    LoggedSessionPlan plan;
    plan.scanCount = 0;
    LoggedSessionGenerator session(Unit(), plan);
    LoggedSessionGenerator::Record record{};
    EXPECT_FALSE(session.Next(record));
}

}  // namespace
}  // namespace logged_session_generator_test
}  // namespace corvane
