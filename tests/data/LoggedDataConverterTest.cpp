#include "data/LoggedDataConverter.h"
#include "LogStreamWriter.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace corvane {
namespace logged_data_converter_test {
namespace {

using test::LogStreamWriter;

// Pins the PC's time zone for a test and restores the old one after.
class ConverterTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (const char* old = std::getenv("TZ"))
            oldZone_ = old;
        SetZone("UTC");
    }
    void TearDown() override
    {
        if (oldZone_)
            ::setenv("TZ", oldZone_->c_str(), 1);
        else
            ::unsetenv("TZ");
        ::tzset();
    }
    static void SetZone(const char* zone)
    {
        ::setenv("TZ", zone, 1);
        ::tzset();
    }
    static std::string Convert(const std::string& stream, ConvertOptions options, ConvertResult* result = nullptr)
    {
        std::istringstream in(stream);
        StringOutputSink out;
        LoggedDataConverter converter(std::move(options));
        const ConvertResult converted = converter.Convert(in, out);
        if (result != nullptr)
            *result = converted;
        return out.Text();
    }
    static std::vector<std::string> Lines(const std::string& text)
    {
        std::vector<std::string> lines;
        std::size_t start = 0;
        for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
            lines.push_back(text.substr(start, end - start));
        EXPECT_EQ(start, text.size()) << "every line ends with CR LF";
        return lines;
    }

private:
    std::optional<std::string> oldZone_;
};

constexpr std::uint32_t kT0 = 1710498030;  // 2024-03-15 10:20:30 UTC

LogStreamWriter SampleSession()
{
    LogStreamWriter writer;
    writer.UnitHeader("U1", "Pump house", 1234)
        .Point(1, "Flow", "l/s", 3)
        .Point(2, "Run", "", 0)
        .Point(3, "Count", "n")
        .Point(4, "Level", "m", 2)
        .Stamp(kT0)
        .Float(1, 1.25f)
        .Bool(2, true)
        .Int(4, 7)
        .Stamp(kT0)
        .Int(3, 5)
        .Stamp(kT0 + 1, 1)
        .Float(1, 2.5f)
        .End();
    return writer;
}

TEST_F(ConverterTest, CommaSeparatedGoldenWithRepeatedAndSubSecondStamps)
{
    ConvertResult result;
    const std::string text = Convert(SampleSession().Text(), {}, &result);
    EXPECT_TRUE(result.ok);
    EXPECT_EQ(result.rows, 2u);
    EXPECT_EQ(text,
              "UNIT ID:,U1,\r\n"
              "UNIT NAME:,Pump house,\r\n"
              "SERIAL NUMBER:,1234,\r\n"
              "\r\n"
              "CALIBRATION DATE:,2024-01-01,\r\n"
              "CALIBRATION DUE:,2025-01-01,\r\n"
              "CALIBRATION NOTE:,bench,\r\n"
              "\r\n"
              "PROGRAM NAME:,NET1,\r\n"
              "\r\n"
              "LOGGING SESSION START TIME:,03/15/24,10:20:30,\r\n"
              "\r\n\r\n\r\n\r\n"
              "Local Date,Local Time,Elapsed,Flow,Run,Count,Level,\r\n"
              "mm/dd/yyyy,hh:mm:ss,Seconds,l/s,,n,m,\r\n"
              " 03/15/2024, 10:20:30,0,1.250,TRUE,5,7,\r\n"
              " 03/15/2024, 10:20:31:005,1,2.500,,,,\r\n");
}

TEST_F(ConverterTest, TimeColumnChoicesShowUtcLocalOrBoth)
{
    SetZone("ABC-3");  // three hours east of Greenwich
    struct Case {
        TimeColumns columns;
        const char* heads;
        const char* units;
        const char* row;
    };
    const Case cases[] = {
        {TimeColumns::Local, "Local Date,Local Time,Elapsed,", "mm/dd/yyyy,hh:mm:ss,Seconds,", " 03/15/2024, 13:20:30,0,"},
        {TimeColumns::Utc, "UTC Date,UTC Time,Elapsed,", "mm/dd/yyyy,hh:mm:ss,Seconds,", " 03/15/2024, 10:20:30,0,"},
        {TimeColumns::Both, "UTC Date,UTC Time,Local Date,Local Time,Elapsed,",
         "mm/dd/yyyy,hh:mm:ss,mm/dd/yyyy,hh:mm:ss,Seconds,", " 03/15/2024, 10:20:30, 03/15/2024, 13:20:30,0,"},
    };
    const std::string stream = LogStreamWriter().UnitHeader("U", "N", 1).Stamp(kT0).Int(1, 1).Text();
    for (const Case& c : cases) {
        ConvertOptions options;
        options.timeColumns = c.columns;
        const auto lines = Lines(Convert(stream, options));
        ASSERT_EQ(lines.size(), 18u);
        EXPECT_EQ(lines[10], "LOGGING SESSION START TIME:,03/15/24,13:20:30,");
        EXPECT_EQ(lines[15], c.heads);
        EXPECT_EQ(lines[16], c.units);
        EXPECT_EQ(lines[17], c.row);
    }
}

TEST_F(ConverterTest, StreamsWithoutTimeStampsGiveAnEmptyFile)
{
    EXPECT_EQ(Convert("", {}), "");
    EXPECT_EQ(Convert(LogStreamWriter().UnitHeader("U", "N", 1).Point(1, "A", "u").Text(), {}), "");
    // Values before any time stamp have no time to go with.
    EXPECT_EQ(Convert(LogStreamWriter().Point(1, "A", "u").Int(1, 3).End().Text(), {}), "");
}

TEST_F(ConverterTest, SpaceJustifiedFieldsFillTheirWidth)
{
    ConvertOptions options;
    options.delimiter = ' ';
    options.columnWidth = 25;
    const auto lines
        = Lines(Convert(LogStreamWriter().Point(1, "A", "u").Point(2, "B", "v").Stamp(kT0).Int(2, 4).Text(), options));
    ASSERT_EQ(lines.size(), 18u);
    EXPECT_EQ(lines[15].substr(0, 25), std::string(15, ' ') + "Local Date");
    const std::string row = lines[17];
    // date, time, " 0" elapsed, an empty cell, the value, the line's closing blank
    EXPECT_EQ(row, std::string(14, ' ') + " 03/15/2024" + std::string(15, ' ') + "  10:20:30" + " 0"
                       + std::string(25, ' ') + std::string(23, ' ') + " 4" + " ");
}

TEST_F(ConverterTest, DecimalPlacesKeepTheLowFourBitsAndFloatsPadToThree)
{
    const auto lines = Lines(Convert(LogStreamWriter()
                                         .Point(1, "A", "u", 0x12)
                                         .Point(2, "B", "u", 0)
                                         .Point(3, "C", "u", 0x0F)
                                         .Stamp(kT0)
                                         .Float(1, 2.5f)
                                         .Float(2, 5.0f)
                                         .Float(3, -3.0e38f)
                                         .Text(),
                                     {}));
    ASSERT_EQ(lines.size(), 18u);
    EXPECT_EQ(lines[17].substr(0, lines[17].rfind(",-")), " 03/15/2024, 10:20:30,0,2.50,  5");
    EXPECT_NE(lines[17].find(",-300000000549775575777803994281145270272.000000000000000,"), std::string::npos);
}

TEST_F(ConverterTest, FilterKeepsChosenPointsAndTimesButStillWritesRows)
{
    ConvertOptions options;
    options.filter = ConvertFilter{{2}, kT0 + 1, kT0 + 1};
    const auto lines = Lines(Convert(LogStreamWriter()
                                         .Point(1, "A", "u")
                                         .Point(2, "B", "v")
                                         .Stamp(kT0)
                                         .Int(2, 1)
                                         .Stamp(kT0 + 1)
                                         .Int(1, 9)
                                         .Stamp(kT0 + 1)
                                         .Int(2, 2)
                                         .Stamp(kT0 + 2)
                                         .Int(2, 3)
                                         .Text(),
                                     options));
    ASSERT_EQ(lines.size(), 18u);
    EXPECT_EQ(lines[15], "Local Date,Local Time,Elapsed,B,");
    EXPECT_EQ(lines[17], " 03/15/2024, 10:20:31,1,2,");

    options.filter = ConvertFilter{{}, 5, 6};
    EXPECT_EQ(Lines(Convert(LogStreamWriter().Point(1, "A", "u").Stamp(kT0).Int(1, 1).Text(), options)).size(), 17u);
}

TEST_F(ConverterTest, TruncatedStreamKeepsTheLastRowAndSaysWhere)
{
    std::string stream = LogStreamWriter().Point(1, "A", "u").Stamp(kT0).Int(1, 8).Stamp(kT0 + 5).Text();
    stream.resize(stream.size() - 3);
    ConvertResult result;
    const auto lines = Lines(Convert(stream, {}, &result));
    EXPECT_TRUE(result.ok);
    EXPECT_EQ(result.truncation.field, "seconds");
    EXPECT_EQ(result.truncation.offset, 38u + 16u + 4u);
    ASSERT_EQ(lines.size(), 18u);
    EXPECT_EQ(lines[17], " 03/15/2024, 10:20:30,0,8,");
}

TEST_F(ConverterTest, ProgressStaysInRangeAndNeedsAKnownSize)
{
    LogStreamWriter writer;
    writer.Point(1, "A", "u");
    for (std::uint32_t i = 0; i < 3000; ++i)
        writer.Stamp(kT0 + i).Int(1, static_cast<std::int32_t>(i));
    std::vector<int> seen;
    ConvertOptions options;
    options.progress = [&](int percent) { seen.push_back(percent); };
    Convert(writer.Text(), options);
    EXPECT_TRUE(seen.empty());

    options.totalBytes = 100;  // smaller than the stream: clamped, never past 100
    Convert(writer.Text(), options);
    ASSERT_GE(seen.size(), 3u);
    for (int percent : seen)
        EXPECT_TRUE(percent >= 0 && percent <= 100) << percent;
    EXPECT_EQ(seen.front(), 0);
    EXPECT_EQ(seen.back(), 100);
}

}  // namespace
}  // namespace logged_data_converter_test
}  // namespace corvane
