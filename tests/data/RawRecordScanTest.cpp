#include "data/RawRecordScan.h"
#include "LogStreamWriter.h"
#include "tests/platform/TestOutput.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace corvane {
namespace raw_record_scan_test {
namespace {

using test::LogStreamWriter;

TEST(RawRecordScanTest, FindStopsAtTheWantedRecordOrSkipsTheCurrentOne)
{
    std::istringstream file(LogStreamWriter().Stamp(1).Point(1, "A", "u").Int(1, 2).Stamp(2).Text());
    EXPECT_EQ(FindRawRecord(file, 13, false), rawscan::kFound);
    EXPECT_EQ(file.tellg(), 0);
    EXPECT_EQ(FindRawRecord(file, 13, true), rawscan::kFound);
    EXPECT_EQ(file.tellg(), 8 + 38 + 8);
    EXPECT_EQ(FindRawRecord(file, 13, true), rawscan::kNotFound);
}

TEST(RawRecordScanTest, FindRejectsCutRecordsAndUnknownTypeBytes)
{
    std::string cut = LogStreamWriter().Stamp(1).Point(1, "A", "u").Stamp(2).Text();
    cut.resize(cut.size() - 2);
    std::istringstream cutFile(cut);
    EXPECT_EQ(FindRawRecord(cutFile, 8, false), rawscan::kNotFound);

    // 0x1D is read as a time stamp by the converter but is no record here.
    std::istringstream odd(LogStreamWriter().Stamp(1, 0, 0x1D).Stamp(2).Text());
    EXPECT_EQ(FindRawRecord(odd, 13, false), rawscan::kNotFound);
}

TEST(RawRecordScanTest, SeekLastFindsTheThirdOfThreeStamps)
{
    std::istringstream file(
        LogStreamWriter().UnitHeader("U", "N", 1).Stamp(10).Int(1, 1).Stamp(20).Int(1, 2).Stamp(30).Int(1, 3).Text());
    EXPECT_EQ(SeekLastRawRecord(file, 13), rawscan::kFound);
    EXPECT_EQ(file.tellg(), 206 + 4 * 8);
    file.seekg(0);
    std::uint32_t seconds = 0;
    EXPECT_EQ(ReadLastTimeStamp(file, seconds), 0);
    EXPECT_EQ(seconds, 30u);

    std::istringstream none(LogStreamWriter().UnitHeader("U", "N", 1).Text());
    EXPECT_EQ(SeekLastRawRecord(none, 13), rawscan::kNoRecordOfType);
    none.clear();
    none.seekg(0);
    EXPECT_EQ(ReadLastTimeStamp(none, seconds), 1);
}

TEST(RawRecordScanTest, HeaderWordIsTheLoggingModeOfTheUnitHeader)
{
    std::string pattern = (test::OutputFolder() / "scan-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    const std::filesystem::path folder = pattern;
    EXPECT_EQ(ReadRawHeaderWord(folder), rawscan::kHeaderMissing);

    std::ofstream(folder / "Header", std::ios::binary) << LogStreamWriter().Point(1, "A", "u").Text();
    EXPECT_EQ(ReadRawHeaderWord(folder), rawscan::kNoUnitHeader);

    std::string header = LogStreamWriter().Point(1, "A", "u").UnitHeader("U", "N", 1).Text();
    std::ofstream(folder / "Header", std::ios::binary) << header.substr(0, header.size() - 1);
    EXPECT_EQ(ReadRawHeaderWord(folder), rawscan::kNoUnitHeader);

    std::ofstream(folder / "Header", std::ios::binary) << header;
    EXPECT_EQ(ReadRawHeaderWord(folder), 1);
    std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace raw_record_scan_test
}  // namespace corvane
