#include "download/SessionHeadPoints.h"

#include "base/ByteWriter.h"
#include "data/LogRecords.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace corvane {
namespace session_head_points_test {
namespace {

struct Definition {
    std::int16_t id;
    std::string name;
    std::string units;
};

void AppendUnitHeader(std::vector<std::uint8_t>& bytes)
{
    std::vector<std::uint8_t> record(logrec::kUnitHeaderLength);
    ByteWriter writer(record);
    writer.U8(logrec::kTypeUnitHeader);
    writer.Seek(logrec::kHeaderSerial);
    writer.I32LE(4711);
    writer.FixedText("Pump House", logrec::kHeaderNameWidth);
    bytes.insert(bytes.end(), record.begin(), record.end());
}

void AppendDefinition(std::vector<std::uint8_t>& bytes, const Definition& point)
{
    std::vector<std::uint8_t> record(logrec::kPointDefinitionLength);
    ByteWriter writer(record);
    writer.U8(logrec::kTypePointDefinition);
    writer.U8(1);
    writer.I16LE(point.id);
    writer.U16LE(2);
    writer.FixedText(point.name, logrec::kPointNameWidth);
    writer.FixedText(point.units, logrec::kPointUnitsWidth);
    bytes.insert(bytes.end(), record.begin(), record.end());
}

void AppendTimeStamp(std::vector<std::uint8_t>& bytes, std::uint32_t seconds)
{
    std::vector<std::uint8_t> record(logrec::kShortLength);
    ByteWriter writer(record);
    writer.U8(logrec::kTypeTimeStamp);
    writer.Seek(logrec::kStampSeconds);
    writer.U32LE(seconds);
    bytes.insert(bytes.end(), record.begin(), record.end());
}

std::vector<std::uint8_t> Head(const std::vector<Definition>& points)
{
    std::vector<std::uint8_t> bytes;
    AppendUnitHeader(bytes);
    for (const Definition& point : points)
        AppendDefinition(bytes, point);
    return bytes;
}

std::vector<std::int16_t> Ids(const SessionHeadPointsResult& result)
{
    std::vector<std::int16_t> ids;
    for (const HeadPoint& point : result.points)
        ids.push_back(point.id);
    return ids;
}

TEST(SessionHeadPoints, ListsEveryPointOfAGoodHeadWithNameAndUnits)
{
    const auto result = SessionHeadPoints(Head({{1, "Tank Temperature", "degC"}, {2, "Line Pressure", "kPa"},
        {-7, "Pump Running", ""}, {300, "22 characters long pt", "10 chars!!"}}));
    EXPECT_FALSE(result.error);
    ASSERT_EQ(result.points.size(), 4u);
    EXPECT_EQ(Ids(result), (std::vector<std::int16_t>{1, 2, -7, 300}));
    EXPECT_EQ(result.points[0].name, "Tank Temperature");
    EXPECT_EQ(result.points[0].units, "degC");
    EXPECT_EQ(result.points[2].units, "");
    EXPECT_EQ(result.points[3].name, "22 characters long pt");
    EXPECT_EQ(result.points[3].units, "10 chars!!");
}

TEST(SessionHeadPoints, ConvertsWindows1252Names)
{
    const auto result = SessionHeadPoints(Head({{5, "Temp \xB0", "\xB5m"}}));
    ASSERT_EQ(result.points.size(), 1u);
    EXPECT_EQ(result.points[0].name, "Temp \u00B0");
    EXPECT_EQ(result.points[0].units, "\u00B5m");
}

TEST(SessionHeadPoints, KeepsOneLinePerIdAndSkipsIdZero)
{
    struct Case {
        const char* what;
        std::vector<Definition> definitions;
        std::vector<std::int16_t> ids;
        std::string firstName;
    };
    const Case cases[] = {
        {"repeated id keeps its first definition", {{3, "First", "V"}, {4, "Other", "V"}, {3, "Second", "A"}}, {3, 4},
            "First"},
        {"id 0 is an unused definition", {{0, "Unused", ""}, {9, "Flow", "l/s"}, {0, "Unused", ""}}, {9}, "Flow"},
        {"no definitions", {}, {}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto result = SessionHeadPoints(Head(c.definitions));
        EXPECT_FALSE(result.error);
        EXPECT_EQ(Ids(result), c.ids);
        if (!c.ids.empty()) {
            EXPECT_EQ(result.points[0].name, c.firstName);
        }
    }
}

TEST(SessionHeadPoints, StopsAtTheFirstTimeStampAndAtTheBound)
{
    auto bytes = Head({{1, "A", ""}});
    AppendTimeStamp(bytes, 1000);
    AppendDefinition(bytes, {2, "After data", ""});
    EXPECT_EQ(Ids(SessionHeadPoints(bytes)), (std::vector<std::int16_t>{1}));

    std::vector<Definition> many;
    for (int id = 1; id <= static_cast<int>(kMaxHeadPoints) + 10; ++id)
        many.push_back({static_cast<std::int16_t>(id), "P", ""});
    const auto result = SessionHeadPoints(Head(many));
    EXPECT_FALSE(result.error);
    ASSERT_EQ(result.points.size(), kMaxHeadPoints);
    EXPECT_EQ(result.points.back().id, static_cast<std::int16_t>(kMaxHeadPoints));
}

TEST(SessionHeadPoints, WalksRecordsByTypeNotByFixedPlaces)
{
    // A value record between the definitions moves the later ones off a
    // 38-byte grid; the walk by type still finds them.
    auto bytes = Head({{1, "A", ""}});
    std::vector<std::uint8_t> value(logrec::kShortLength, 0);
    value[0] = logrec::kTypeInt;
    bytes.insert(bytes.end(), value.begin(), value.end());
    AppendDefinition(bytes, {2, "B", ""});
    EXPECT_EQ(Ids(SessionHeadPoints(bytes)), (std::vector<std::int16_t>{1, 2}));
}

TEST(SessionHeadPoints, RejectsAHeadWithoutAUnitHeader)
{
    std::vector<std::uint8_t> noHeader;
    AppendDefinition(noHeader, {1, "A", ""});
    for (const auto& bytes : {std::vector<std::uint8_t>{}, noHeader}) {
        const auto result = SessionHeadPoints(bytes);
        EXPECT_EQ(result.error.kind, HeadErrorKind::NoUnitHeader);
        EXPECT_EQ(result.error.offset, 0u);
        EXPECT_EQ(result.error.field, "unit header");
        EXPECT_TRUE(result.points.empty());
    }
}

TEST(SessionHeadPoints, RejectsTruncationAtEveryLengthKeepingWholeDefinitions)
{
    const auto full = Head({{1, "A", "V"}, {2, "B", "V"}});
    const std::size_t second = logrec::kUnitHeaderLength + logrec::kPointDefinitionLength;
    for (std::size_t length = 1; length < full.size(); ++length) {
        SCOPED_TRACE(length);
        const bool recordBoundary = length == logrec::kUnitHeaderLength || length == second;
        const auto result = SessionHeadPoints(std::span(full).first(length));
        if (recordBoundary) {
            EXPECT_FALSE(result.error);
            continue;
        }
        ASSERT_EQ(result.error.kind, HeadErrorKind::Truncated);
        EXPECT_FALSE(result.error.field.empty());
        EXPECT_LE(result.error.offset, length);
        const std::size_t recordStart = length < logrec::kUnitHeaderLength ? 0
            : length < second                                              ? logrec::kUnitHeaderLength
                                                                           : second;
        EXPECT_GE(result.error.offset, recordStart);
        EXPECT_EQ(result.points.size(), length < second ? 0u : 1u);
    }
}

}  // namespace
}  // namespace session_head_points_test
}  // namespace corvane
