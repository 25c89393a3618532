#include "data/LoggedDataRenderer.h"
#include "CardSessionFolder.h"
#include "LogStreamWriter.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

namespace corvane {
namespace logged_data_renderer_test {
namespace {

using test::CardSessionFolder;
using test::LogStreamWriter;

constexpr std::uint32_t kT0 = 1710498030;    // 2024-03-15 10:20:30 UTC
constexpr std::uint16_t kZoneMinutes = 300;  // the logger's zone: UTC-5

struct Rendered {
    int open = 0;
    std::string output;
    int last = 0;  // the read that ended the output
    int close = 0;
    std::optional<std::string> header;
};

Rendered Render(
    const std::filesystem::path& folder, const LoggedDataRenderOptions& options, std::size_t bufferSize = 4096)
{
    Rendered rendered;
    LoggedDataContext context;
    rendered.open = LoggedDataOpen(context, folder, options);
    std::vector<char> buffer(bufferSize);
    for (int reads = 0; reads < 10'000'000; ++reads) {
        rendered.last = LoggedDataRead(context, buffer);
        if (rendered.last <= 0)
            break;
        rendered.output.append(buffer.data(), static_cast<std::size_t>(rendered.last));
    }
    if (const std::optional<std::string_view> header = LoggedDataHeaderLines(context))
        rendered.header = std::string(*header);
    rendered.close = LoggedDataClose(context);
    return rendered;
}

LoggedDataRenderOptions Options(char mode, TimeColumns columns = TimeColumns::Utc)
{
    LoggedDataRenderOptions options;
    options.mode = mode;
    options.timeColumns = columns;
    return options;
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    EXPECT_EQ(start, text.size()) << "every line ends with CR LF";
    return lines;
}

// The value cell of a data row of the scan sessions (the last cell).
int RowValue(const std::string& row)
{
    const std::size_t end = row.size() - 1;
    const std::size_t begin = row.rfind(',', end - 1) + 1;
    return std::atoi(row.substr(begin, end - begin).c_str());
}

std::string Utc(std::uint32_t seconds)
{
    const std::time_t time = seconds;
    std::tm parts{};
    ::gmtime_r(&time, &parts);
    char text[96];
    std::snprintf(text, sizeof text, " %02d/%02d/%04d, %02d:%02d:%02d", parts.tm_mon + 1, parts.tm_mday,
        parts.tm_year + 1900, parts.tm_hour, parts.tm_min, parts.tm_sec);
    return text;
}

std::vector<std::uint8_t> SampleHeader()
{
    return LogStreamWriter()
        .UnitHeader("U1", "Pump house", 1234, "NET1", kZoneMinutes)
        .Point(1, "Flow", "l/s", 3)
        .Point(2, "Run", "", 0)
        .Point(3, "Count", "n")
        .Bytes();
}

LogStreamWriter SampleData()
{
    LogStreamWriter data;
    data.Stamp(kT0).Float(1, 1.25f).Bool(2, true).Stamp(kT0).Int(3, 5);
    data.Stamp(kT0 + 1).Int(3, 6).Stamp(kT0 + 2).Stamp(kT0 + 3).Float(1, -0.5f);
    return data;
}

// Pins the PC's time zone far from the logger's, so that a local time
// column taken from the PC would show.
class LoggedDataRendererTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (const char* old = std::getenv("TZ"))
            oldZone_ = old;
        ::setenv("TZ", "XYZ-9", 1);
        ::tzset();
    }
    void TearDown() override
    {
        if (oldZone_)
            ::setenv("TZ", oldZone_->c_str(), 1);
        else
            ::unsetenv("TZ");
        ::tzset();
    }
    void WriteSample() const
    {
        card_.Write("HEADER", SampleHeader());
        card_.Write("00000000.vrd", SampleData().Bytes());
    }

    CardSessionFolder card_;

private:
    std::optional<std::string> oldZone_;
};

TEST_F(LoggedDataRendererTest, SeparatorModeWritesHeaderHeadingsAndOneRowPerTime)
{
    WriteSample();
    const Rendered utc = Render(card_.Path(), Options(','));
    EXPECT_EQ(utc.open, 0);
    EXPECT_EQ(utc.last, 0);
    EXPECT_EQ(utc.close, 0);
    EXPECT_EQ(utc.output,
        "UNIT ID:,U1,\r\n"
        "UNIT NAME:,Pump house,\r\n"
        "SERIAL NUMBER:,1234,\r\n"
        "\r\n"
        "\r\n"
        "UTC Date,UTC Time,Flow,Run,Count,\r\n"
        ",,l/s,,n,\r\n"
        " 03/15/2024, 10:20:30,1.250,1,5,\r\n"
        " 03/15/2024, 10:20:31,,,6,\r\n"
        " 03/15/2024, 10:20:33,-0.500,,,\r\n");

    const std::vector<std::string> both = Lines(Render(card_.Path(), Options('\t', TimeColumns::Both)).output);
    ASSERT_EQ(both.size(), 10u);
    EXPECT_EQ(both[5], "UTC Date\tUTC Time\tLocal Date\tLocal Time\tFlow\tRun\tCount\t");
    EXPECT_EQ(both[6], "\t\t\t\tl/s\t\tn\t");
    EXPECT_EQ(both[7], " 03/15/2024\t 10:20:30\t 03/15/2024\t 05:20:30\t1.250\t1\t5\t")
        << "local time is the logger's zone, not the PC's";
}

TEST_F(LoggedDataRendererTest, PaddedModePadsEveryCellTo35Characters)
{
    WriteSample();
    const auto pad = [](std::string text) { return text + std::string(35 - text.size(), ' '); };
    const std::vector<std::string> lines = Lines(Render(card_.Path(), Options(' ', TimeColumns::Local)).output);
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_EQ(lines[0], pad("UNIT ID:") + pad("U1"));
    EXPECT_EQ(lines[3], "");
    EXPECT_EQ(lines[5], pad("Local Date") + pad("Local Time") + pad("Flow") + pad("Run") + pad("Count"));
    EXPECT_EQ(lines[6], pad("") + pad("") + pad("l/s") + pad("") + pad("n"));
    EXPECT_EQ(lines[7], pad(" 03/15/2024") + pad(" 05:20:30") + pad("1.250") + pad("1") + pad("5"));
}

TEST_F(LoggedDataRendererTest, HtmlModeWritesTableRows)
{
    card_.Write("HEADER", LogStreamWriter().UnitHeader("U1", "A&B", 7).Point(1, "x<y", "m", 1).Bytes());
    card_.Write("00000000.vrd", LogStreamWriter().Stamp(kT0).Float(1, 2.5f).Stamp(kT0 + 1).Bytes());
    EXPECT_EQ(Render(card_.Path(), Options('H')).output,
        "<tr><td>UNIT ID:</td><td>U1</td></tr>\r\n"
        "<tr><td>UNIT NAME:</td><td>A&amp;B</td></tr>\r\n"
        "<tr><td>SERIAL NUMBER:</td><td>7</td></tr>\r\n"
        "<tr><td><br></td></tr>\r\n"
        "<tr><td><br></td></tr>\r\n"
        "<tr><td>UTC Date</td><td>UTC Time</td><td>x&lt;y</td></tr>\r\n"
        "<tr><td><br></td><td><br></td><td>m</td></tr>\r\n"
        "<tr><td> 03/15/2024</td><td> 10:20:30</td><td>2.5</td></tr>\r\n");
}

TEST_F(LoggedDataRendererTest, BinaryModeCopiesTheRecordsOfTheRangeAndClosesTheStream)
{
    WriteSample();
    LoggedDataRenderOptions options = Options(logrender::kModeBinary);
    options.stopTime = kT0 + 2;
    const Rendered rendered = Render(card_.Path(), options);
    EXPECT_EQ(rendered.last, 0);
    EXPECT_EQ(rendered.header, std::string());
    const LogStreamWriter expected = LogStreamWriter()
                                         .Raw(SampleHeader())
                                         .Stamp(kT0)
                                         .Float(1, 1.25f)
                                         .Bool(2, true)
                                         .Stamp(kT0)
                                         .Int(3, 5)
                                         .Stamp(kT0 + 1)
                                         .Int(3, 6)
                                         .Stamp(kT0 + 2)
                                         .Stamp(kT0 + 2)  // the closing stamp at the stop
                                         .Raw({255, 0, 0, 0, 0, 0, 0, 0});
    EXPECT_EQ(rendered.output, expected.Text());
}

TEST_F(LoggedDataRendererTest, ChannelListKeepsOnlyTheChosenPoints)
{
    WriteSample();
    LoggedDataRenderOptions options = Options(',');
    options.channels = std::vector<std::uint16_t>{3, 1};
    std::vector<std::string> lines = Lines(Render(card_.Path(), options).output);
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_EQ(lines[5], "UTC Date,UTC Time,Flow,Count,");
    EXPECT_EQ(lines[7], " 03/15/2024, 10:20:30,1.250,5,");
    EXPECT_EQ(lines[8], " 03/15/2024, 10:20:31,,6,");

    for (const std::vector<std::uint16_t>& absent : {std::vector<std::uint16_t>{99}, std::vector<std::uint16_t>{}}) {
        options.channels = absent;
        lines = Lines(Render(card_.Path(), options).output);
        ASSERT_EQ(lines.size(), 7u) << "no data row";
        EXPECT_EQ(lines[5], "UTC Date,UTC Time,");
    }

    options = Options(logrender::kModeBinary);
    options.channels = std::vector<std::uint16_t>{3};
    const LogStreamWriter expected = LogStreamWriter()
                                         .UnitHeader("U1", "Pump house", 1234, "NET1", kZoneMinutes)
                                         .Point(3, "Count", "n")
                                         .Stamp(kT0)
                                         .Stamp(kT0)
                                         .Int(3, 5)
                                         .Stamp(kT0 + 1)
                                         .Int(3, 6)
                                         .Stamp(kT0 + 2)
                                         .Stamp(kT0 + 3)
                                         .Stamp(0x7FFFFFFF)
                                         .Raw({255, 0, 0, 0, 0, 0, 0, 0});
    EXPECT_EQ(Render(card_.Path(), options).output, expected.Text());
}

TEST_F(LoggedDataRendererTest, TimeRangeIsFoundAcrossBlocksAndFiles)
{
    // Three files of two blocks each: scan i is at kT0 + i with value i.
    constexpr std::size_t kPerFile = 2 * CardSessionFolder::kScansPerBlock;
    card_.Write("HEADER", LogStreamWriter().UnitHeader("U", "N", 1).Point(1, "V", "", 0).Bytes());
    for (int file = 2; file >= 0; --file) {
        const auto first = static_cast<std::uint32_t>(file * static_cast<int>(kPerFile));
        card_.Write("0000000" + std::to_string(file) + ".vrd",
            CardSessionFolder::Scans(kT0 + first, kPerFile, static_cast<std::int32_t>(first)));
    }
    struct Case {
        std::uint32_t start, stop;  // offsets from kT0
        int first, last;            // values of the first and last row; -1: none
    };
    const Case cases[] = {
        {0, 0x7000, 0, 1535},      // everything
        {100, 200, 100, 200},      // inside the first block
        {256, 300, 256, 300},      // at a block's leading stamp
        {500, 530, 500, 530},      // from one file into the next
        {512, 512, 512, 512},      // the first stamp of a file
        {1300, 1600, 1300, 1535},  // into the last file, past the end
        {2000, 3000, -1, -1},      // after the data
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.start);
        LoggedDataRenderOptions options = Options(',');
        options.startTime = kT0 + c.start;
        options.stopTime = kT0 + c.stop;
        const Rendered rendered = Render(card_.Path(), options);
        EXPECT_EQ(rendered.last, 0);
        const std::vector<std::string> lines = Lines(rendered.output);
        ASSERT_GE(lines.size(), 8u);
        if (c.first < 0) {
            ASSERT_EQ(lines.size(), 8u);
            EXPECT_EQ(lines[7], "NO LOGGED DATA -OR- NO DATA WITHIN SPECIFIED TIME RANGE,");
            continue;
        }
        ASSERT_EQ(lines.size(), 7u + static_cast<std::size_t>(c.last - c.first + 1));
        EXPECT_EQ(RowValue(lines[7]), c.first);
        EXPECT_EQ(lines[7].substr(0, 21), Utc(kT0 + static_cast<std::uint32_t>(c.first)));
        EXPECT_EQ(RowValue(lines.back()), c.last);
    }
}

TEST_F(LoggedDataRendererTest, ManyDataFilesAreTakenInNameOrder)
{
    card_.Write("HEADER", LogStreamWriter().UnitHeader("U", "N", 1).Point(1, "V", "", 0).Bytes());
    constexpr int kFiles = 150;
    for (int i = kFiles - 1; i >= 0; --i) {
        char name[16];
        std::snprintf(name, sizeof name, "%08d.%s", i, i % 2 == 0 ? "vrd" : "VRD");
        card_.Write(name, CardSessionFolder::Scans(kT0 + static_cast<std::uint32_t>(i), 1, i));
    }
    card_.Write("notes.txt", CardSessionFolder::Scans(kT0, 1, -1));
    card_.Write("0000000.vrd", CardSessionFolder::Scans(kT0, 1, -1));
    card_.Write(".0000000.vrd", CardSessionFolder::Scans(kT0, 1, -1));
    const std::vector<std::string> lines = Lines(Render(card_.Path(), Options(',')).output);
    ASSERT_EQ(lines.size(), 7u + kFiles);
    for (int i = 0; i < kFiles; ++i)
        EXPECT_EQ(RowValue(lines[7 + static_cast<std::size_t>(i)]), i);
}

TEST_F(LoggedDataRendererTest, NamesOnTheCardMatchInAnyCase)
{
    card_.Write("header", SampleHeader());
    card_.Write("0000000A.VRD", SampleData().Bytes());
    EXPECT_EQ(Lines(Render(card_.Path(), Options(',')).output).size(), 10u);
}

TEST_F(LoggedDataRendererTest, SessionsWithoutDataInRangeSayNoData)
{
    card_.Write("HEADER", SampleHeader());
    const std::string noData = "NO LOGGED DATA -OR- NO DATA WITHIN SPECIFIED TIME RANGE,";
    Rendered rendered = Render(card_.Path(), Options(','));
    std::vector<std::string> lines = Lines(rendered.output);
    ASSERT_EQ(lines.size(), 8u) << "no data files";
    EXPECT_EQ(lines[7], noData);
    EXPECT_EQ(rendered.last, 0);
    EXPECT_EQ(rendered.close, 0);

    card_.Write("00000000.vrd", {});
    EXPECT_EQ(Lines(Render(card_.Path(), Options(',')).output).back(), noData) << "an empty data file";

    card_.Write("00000001.vrd", SampleData().Bytes());
    LoggedDataRenderOptions options = Options(',');
    options.stopTime = kT0 - 1;
    EXPECT_EQ(Lines(Render(card_.Path(), options).output).back(), noData) << "the first stamp after the stop";

    options.mode = logrender::kModeBinary;
    const std::vector<std::uint8_t> header = SampleHeader();
    EXPECT_EQ(Render(card_.Path(), options).output, std::string(header.begin(), header.end()));

    card_.Write("HEADER", {});
    lines = Lines(Render(card_.Path(), Options(',')).output);
    ASSERT_EQ(lines.size(), 7u) << "an empty HEADER: five empty rows, the headings, and no row for "
                                   "values of undefined points";
    EXPECT_EQ(lines[5], "UTC Date,UTC Time,");
}

TEST_F(LoggedDataRendererTest, GarbledDataGivesAGarbledRowAndReadingGoesOnAtTheNextBlock)
{
    card_.Write("HEADER", LogStreamWriter().UnitHeader("U", "N", 1).Point(1, "V", "", 0).Bytes());
    std::vector<std::uint8_t> data = CardSessionFolder::Scans(kT0, 2 * CardSessionFolder::kScansPerBlock);
    data[10 * CardSessionFolder::kScanSize + 8] = 0x77;  // the value record of scan 10
    card_.Write("00000000.vrd", data);
    // The next file ends inside a record.
    std::vector<std::uint8_t> cut = CardSessionFolder::Scans(kT0 + 512, 3, 512);
    cut.resize(cut.size() - 3);
    card_.Write("00000001.vrd", cut);

    const Rendered rendered = Render(card_.Path(), Options(','));
    EXPECT_EQ(rendered.last, 0) << "garbled data does not fail the rendering";
    EXPECT_EQ(rendered.close, logrender::kDataErrorMet);
    const std::vector<std::string> lines = Lines(rendered.output);
    ASSERT_EQ(lines.size(), 7u + 10 + 2 + 256 + 3 + 1);
    EXPECT_EQ(RowValue(lines[16]), 9);
    EXPECT_EQ(lines[17], Utc(kT0 + 10) + ",,") << "the row cut short";
    EXPECT_EQ(lines[18], "GARBLED LOG DATA,");
    EXPECT_EQ(RowValue(lines[19]), 256) << "on at the next block";
    EXPECT_EQ(RowValue(lines[19 + 255 + 2]), 513);
    EXPECT_EQ(lines[19 + 255 + 3], Utc(kT0 + 514) + ",,");
    EXPECT_EQ(lines.back(), "GARBLED LOG DATA,");
}

TEST_F(LoggedDataRendererTest, BlockWithoutLeadingStampIsPassedWhileSeeking)
{
    card_.Write("HEADER", LogStreamWriter().UnitHeader("U", "N", 1).Point(1, "V", "", 0).Bytes());
    std::vector<std::uint8_t> data = CardSessionFolder::Scans(kT0, 4 * CardSessionFolder::kScansPerBlock);
    data[CardSessionFolder::kBlockSize] = 0x77;  // block 1 begins with no time stamp
    card_.Write("00000000.vrd", data);
    struct Case {
        std::uint32_t start;
        int first;
        bool garbled;
    };
    for (const Case c : {Case{600, 600, false}, Case{300, 512, true}, Case{0, 0, true}}) {
        SCOPED_TRACE(c.start);
        LoggedDataRenderOptions options = Options(',');
        options.startTime = kT0 + c.start;
        const Rendered rendered = Render(card_.Path(), options);
        const std::vector<std::string> lines = Lines(rendered.output);
        ASSERT_GE(lines.size(), 9u);
        EXPECT_EQ(rendered.close, c.garbled ? logrender::kDataErrorMet : 0);
        const std::size_t firstRow = c.garbled && c.start != 0 ? 8 : 7;
        if (c.garbled && c.start != 0) {
            EXPECT_EQ(lines[7], "GARBLED LOG DATA,") << "before the first row of the range";
        }
        EXPECT_EQ(RowValue(lines[firstRow]), c.first);
        EXPECT_EQ(RowValue(lines.back()), 1023);
    }
}

TEST_F(LoggedDataRendererTest, OddFileSizesEndTheSearch)
{
    card_.Write("HEADER", LogStreamWriter().UnitHeader("U", "N", 1).Point(1, "V", "", 0).Bytes());
    for (const std::size_t size : {0u, 1u, 7u, 4096u, 4097u, 8191u}) {
        SCOPED_TRACE(size);
        std::vector<std::uint8_t> data = CardSessionFolder::Scans(kT0, 2 * CardSessionFolder::kScansPerBlock);
        data.resize(size);
        card_.Write("00000000.vrd", data);
        for (const std::uint32_t start : {0u, 100u, 300u, 5000u}) {
            LoggedDataRenderOptions options = Options(',');
            options.startTime = kT0 + start;
            const Rendered rendered = Render(card_.Path(), options);
            EXPECT_EQ(rendered.last, 0);
            EXPECT_FALSE(Lines(rendered.output).empty());
        }
    }
}

TEST_F(LoggedDataRendererTest, SubSecondStampsShowMillisecondsAndSplitRows)
{
    card_.Write("HEADER", LogStreamWriter().UnitHeader("U", "N", 1).Point(1, "V", "", 0).Bytes());
    card_.Write("00000000.vrd",
        LogStreamWriter()
            .Stamp(kT0, 3)
            .Int(1, 1)
            .Stamp(kT0, 3)
            .Int(1, 2)
            .Stamp(kT0, 4)
            .Int(1, 3)
            .Stamp(kT0 + 1)
            .Int(1, 4)
            .Stamp(kT0 + 1)
            .Int(1, 5)
            .Bytes());
    std::vector<std::string> lines = Lines(Render(card_.Path(), Options(',')).output);
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_EQ(lines[7], " 03/15/2024, 10:20:30:015,2,") << "same time and ticks: one row";
    EXPECT_EQ(lines[8], " 03/15/2024, 10:20:30:020,3,");
    EXPECT_EQ(lines[9], " 03/15/2024, 10:20:31,5,") << "no milliseconds without sub-second ticks";

    LoggedDataRenderOptions options = Options(',');
    options.startTime = kT0;
    options.startTicks = 4;
    lines = Lines(Render(card_.Path(), options).output);
    ASSERT_EQ(lines.size(), 9u);
    EXPECT_EQ(lines[7], " 03/15/2024, 10:20:30:020,3,") << "the range starts at a tick";
}

TEST_F(LoggedDataRendererTest, OutputIsTheSameWhateverTheBufferSize)
{
    WriteSample();
    for (const char mode : {',', ' ', 'H', 'X'}) {
        SCOPED_TRACE(mode);
        const std::string whole = Render(card_.Path(), Options(mode, TimeColumns::Both), 1 << 16).output;
        for (const std::size_t size : {std::size_t{1}, std::size_t{7}, std::size_t{100}})
            EXPECT_EQ(Render(card_.Path(), Options(mode, TimeColumns::Both), size).output, whole);
    }
}

TEST_F(LoggedDataRendererTest, HeaderLinesAreTheLinesBeforeTheFirstRow)
{
    WriteSample();
    LoggedDataContext context;
    ASSERT_EQ(LoggedDataOpen(context, card_.Path(), Options(',')), 0);
    EXPECT_FALSE(LoggedDataHeaderLines(context));
    std::vector<char> buffer(16);
    std::string output;
    std::optional<std::string_view> header;
    for (int n; !header && (n = LoggedDataRead(context, buffer)) > 0;) {
        output.append(buffer.data(), static_cast<std::size_t>(n));
        header = LoggedDataHeaderLines(context);
    }
    ASSERT_TRUE(header);
    EXPECT_EQ(Lines(std::string(*header)).size(), 7u);
    EXPECT_EQ(header->substr(0, 14), "UNIT ID:,U1,\r\n");
    EXPECT_EQ(header->substr(header->size() - 11), ",,l/s,,n,\r\n");
    for (int n; (n = LoggedDataRead(context, buffer)) > 0;)
        output.append(buffer.data(), static_cast<std::size_t>(n));
    EXPECT_EQ(output.substr(0, header->size()), *header);
    EXPECT_EQ(LoggedDataClose(context), 0);
}

TEST_F(LoggedDataRendererTest, BadArgumentsAndMissingHeaderAreRefused)
{
    WriteSample();
    struct Case {
        const char* what;
        LoggedDataRenderOptions options;
        int result;
    };
    std::vector<Case> cases;
    cases.push_back({"mode 0", Options(0), logrender::kBadArgument});
    LoggedDataRenderOptions reversed = Options(',');
    reversed.startTime = kT0;
    reversed.stopTime = kT0 - 1;
    cases.push_back({"stop before start", reversed, logrender::kBadArgument});
    reversed.stopTime = kT0;
    reversed.startTicks = 5;
    reversed.stopTicks = 4;
    cases.push_back({"stop tick before start tick", reversed, logrender::kBadArgument});
    LoggedDataRenderOptions channels = Options(',');
    channels.channels = std::vector<std::uint16_t>{1, 4096};
    cases.push_back({"channel id 4096", channels, logrender::kBadArgument});
    channels.channels = std::vector<std::uint16_t>(257, 1);
    cases.push_back({"257 channels", channels, logrender::kBadArgument});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        LoggedDataContext context;
        EXPECT_EQ(LoggedDataOpen(context, card_.Path(), c.options), c.result);
        char buffer[8];
        EXPECT_EQ(LoggedDataRead(context, buffer), logrender::kNotOpen);
    }

    LoggedDataContext context;
    EXPECT_EQ(LoggedDataOpen(context, card_.Path() / "missing", Options(',')), logrender::kHeaderUnreadable);
    std::filesystem::remove(card_.Path() / "HEADER");
    EXPECT_EQ(LoggedDataOpen(context, card_.Path(), Options(',')), logrender::kHeaderUnreadable);
    char buffer[8];
    EXPECT_EQ(LoggedDataRead(context, buffer), logrender::kNotOpen);
}

TEST_F(LoggedDataRendererTest, ForeignRecordInHeaderFailsTheRenderingAfterAMessageRow)
{
    card_.Write("HEADER", LogStreamWriter().UnitHeader("U", "N", 1).Raw({5, 0, 0, 0, 0, 0, 0, 0}).Bytes());
    card_.Write("00000000.vrd", SampleData().Bytes());
    LoggedDataContext context;
    ASSERT_EQ(LoggedDataOpen(context, card_.Path(), Options(',')), 0);
    std::vector<char> buffer(4096);
    const int n = LoggedDataRead(context, buffer);
    ASSERT_GT(n, 0);
    const std::vector<std::string> lines = Lines(std::string(buffer.data(), static_cast<std::size_t>(n)));
    EXPECT_EQ(lines.back(), "ERROR IN PROCESSING DOWNLOADED DATA,");
    EXPECT_EQ(LoggedDataRead(context, buffer), logrender::kBadHeaderRecord);
    EXPECT_EQ(LoggedDataRead(context, buffer), logrender::kBadHeaderRecord) << "the failure stays";
    EXPECT_FALSE(LoggedDataHeaderLines(context));
    LoggedDataClose(context);
}

}  // namespace
}  // namespace logged_data_renderer_test
}  // namespace corvane
