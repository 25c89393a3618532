#include "data/ConvertDiagnosticLog.h"
#include "data/DiagnosticEventTime.h"
#include "data/DiagnosticFileReader.h"
#include "data/DiagnosticLogBlock.h"

#include "FailingStreamBuf.h"
#include "TestOutput.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace corvane::test {
namespace diagnostic_log_test {
namespace {

// A raw diagnostic log built record by record.
class RawLog {
public:
    RawLog& Record(std::int32_t time, std::uint16_t milliseconds, std::string_view text, bool nul = true)
    {
        const auto t = static_cast<std::uint32_t>(time);
        for (int shift = 0; shift < 32; shift += 8)
            bytes_.push_back(static_cast<char>((t >> shift) & 0xFF));
        bytes_.push_back(static_cast<char>(milliseconds & 0xFF));
        bytes_.push_back(static_cast<char>(milliseconds >> 8));
        bytes_.append(text);
        if (nul)
            bytes_.push_back('\0');
        return *this;
    }
    // Zero-fills the current block to its end.
    RawLog& EndBlock()
    {
        bytes_.resize((bytes_.size() + kDiagnosticBlockSize - 1) / kDiagnosticBlockSize * kDiagnosticBlockSize, '\0');
        return *this;
    }
    RawLog& Raw(std::string_view bytes)
    {
        bytes_.append(bytes);
        return *this;
    }
    const std::string& Bytes() const { return bytes_; }

private:
    std::string bytes_;
};

// 2026-01-15 08:00:00 as the logger counts it.
constexpr std::int32_t kMorning = 1768464000;

class DiagnosticLogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (const char* old = std::getenv("TZ"))
            oldZone_ = old;
        Zone("UTC0");
    }
    void TearDown() override
    {
        if (oldZone_)
            ::setenv("TZ", oldZone_->c_str(), 1);
        else
            ::unsetenv("TZ");
        ::tzset();
    }
    static void Zone(const char* zone)
    {
        ::setenv("TZ", zone, 1);
        ::tzset();
    }

    struct Converted {
        std::string text;
        DiagnosticConvertResult result;
        std::vector<std::uint64_t> blocks;
        std::vector<std::string> rows;
    };
    static Converted Convert(const std::string& raw)
    {
        Converted converted;
        std::istringstream in(raw);
        StringOutputSink out;
        DiagnosticConvertEvents events;
        events.block = [&](std::uint64_t bytes) { converted.blocks.push_back(bytes); };
        events.row = [&](std::string_view time, std::string_view text) {
            converted.rows.push_back(std::string(time) + "|" + std::string(text));
        };
        converted.result = ConvertDiagnosticLog(in, out, events);
        converted.text = out.Text();
        return converted;
    }

private:
    std::optional<std::string> oldZone_;
};

TEST_F(DiagnosticLogTest, BlockRulesEndTheWalkWhereTheLogSays)
{
    const std::string text1000(1000, 'x');
    const struct {
        const char* name;
        std::string block;
        std::vector<std::string> texts;
        DiagnosticBlockEnd end;
    } cases[] = {
        {"records to the end", RawLog().Record(kMorning, 1, "a").Record(kMorning, 2, "bc").Bytes(), {"a", "bc"},
            DiagnosticBlockEnd::UsedUp},
        {"five bytes left", RawLog().Record(kMorning, 1, "a").Raw("\x01\x02\x03\x04\x05").Bytes(), {"a"},
            DiagnosticBlockEnd::UsedUp},
        {"first record time 0", RawLog().Record(0, 1, "a").Record(kMorning, 1, "b").Bytes(), {},
            DiagnosticBlockEnd::ZeroTime},
        {"second record time 0", RawLog().Record(kMorning, 1, "a").Record(0, 0, "").EndBlock().Bytes(), {"a"},
            DiagnosticBlockEnd::ZeroTime},
        {"negative time", RawLog().Record(kMorning, 1, "a").Record(-5, 0, "b").Record(kMorning, 3, "c").Bytes(),
            {"a"}, DiagnosticBlockEnd::NegativeTime},
        {"text without NUL dropped",
            RawLog().Record(kMorning, 1, "a").Record(kMorning, 2, std::string(1024 - 8 - 6, 'z'), false).Bytes(),
            {"a"}, DiagnosticBlockEnd::UnterminatedText},
        {"empty text", RawLog().Record(kMorning, 1, "").Bytes(), {""}, DiagnosticBlockEnd::UsedUp},
        {"long text then NUL at the last byte", RawLog().Record(kMorning, 1, std::string(1017, 'y')).Bytes(),
            {std::string(1017, 'y')}, DiagnosticBlockEnd::UsedUp},
        {"empty block", std::string(), {}, DiagnosticBlockEnd::UsedUp},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::string> texts;
        const auto bytes = std::span(reinterpret_cast<const std::uint8_t*>(c.block.data()), c.block.size());
        const DiagnosticBlockEnd end
            = ParseDiagnosticBlock(bytes, [&](const DiagnosticLogRecord& r) { texts.emplace_back(r.text); });
        EXPECT_EQ(end, c.end);
        EXPECT_EQ(texts, c.texts);
    }
}

TEST_F(DiagnosticLogTest, TruncatedBlocksNeverReadPastTheirEnd)
{
    const std::string block = RawLog().Record(kMorning, 7, "first").Record(kMorning + 1, 8, "second").Bytes();
    for (std::size_t length = 0; length <= block.size(); ++length) {
        // A copy of exactly that length, so the sanitizer sees any read past it.
        const std::vector<std::uint8_t> cut(block.begin(), block.begin() + static_cast<std::ptrdiff_t>(length));
        std::size_t rows = 0;
        ParseDiagnosticBlock(cut, [&](const DiagnosticLogRecord&) { ++rows; });
        EXPECT_EQ(rows, length >= 12 ? (length == block.size() ? 2u : 1u) : 0u) << length;
    }
}

TEST_F(DiagnosticLogTest, TimeTextsFollowThePcsZone)
{
    const struct {
        const char* zone;
        std::int32_t time;
        std::uint16_t milliseconds;
        const char* text;
    } cases[] = {
        {"UTC0", 0x7FFFFFFF, 5, "01/19/2038  03:14:07.005"},
        {"UTC0", kMorning, 999, "01/15/2026  08:00:00.999"},
        // US rules: the logger's wall clock comes back in winter and in summer.
        {"EST5EDT,M3.2.0,M11.1.0", kMorning, 0, "01/15/2026  08:00:00.000"},
        {"EST5EDT,M3.2.0,M11.1.0", kMorning + 167 * 86400, 42, "07/01/2026  08:00:00.042"},
        {"CET-1CEST,M3.5.0,M10.5.0/3", kMorning + 167 * 86400, 1, "07/01/2026  08:00:00.001"},
        // East of Greenwich, a time in the first hour of 1970 falls before it.
        {"CET-1", 1, 0, "???  ?\?/?\?/?\?\?\?  ?\?:?\?:?\?.?\?\?"},
        {"EST5", 1, 0, "01/01/1970  00:00:01.000"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.zone);
        Zone(c.zone);
        EXPECT_EQ(DiagnosticEventTimeText(c.time, c.milliseconds), c.text);
    }
}

TEST_F(DiagnosticLogTest, ConversionGoldenOverWholeBlocksAndAShortLastBlock)
{
    const std::string raw = RawLog()
                                .Record(kMorning, 12, "System: power-up")
                                .Record(kMorning + 1, 340, "Modbus: unit 1 \xE9")
                                .EndBlock()
                                .Record(kMorning + 2, 0, "Network: up")
                                .Record(0, 0, "never shown")
                                .EndBlock()
                                .Record(kMorning + 3, 7, "FTP: sent")
                                .Record(-1, 0, "damaged")
                                .EndBlock()
                                .Record(kMorning + 4, 999, "MQTT: published")
                                .Record(kMorning + 5, 1, "cut", false)
                                .Bytes();
    ASSERT_EQ(raw.size(), 3 * 1024 + 22 + 9);
    const Converted converted = Convert(raw);
    EXPECT_EQ(converted.result.status, DiagnosticConvertStatus::Done);
    EXPECT_EQ(converted.text,
        "01/15/2026  08:00:00.012  System: power-up\n"
        "01/15/2026  08:00:01.340  Modbus: unit 1 \xE9\n"
        "01/15/2026  08:00:02.000  Network: up\n"
        "01/15/2026  08:00:03.007  FTP: sent\n"
        "01/15/2026  08:00:04.999  MQTT: published\n");
    EXPECT_EQ(converted.result.rows, 5u);
    EXPECT_EQ(converted.result.negativeTimeBlocks, 1u);
    EXPECT_EQ(converted.blocks, (std::vector<std::uint64_t>{1024, 2048, 3072, raw.size()}));
    ASSERT_EQ(converted.rows.size(), 5u);
    EXPECT_EQ(converted.rows[2], "01/15/2026  08:00:02.000|Network: up");
}

TEST_F(DiagnosticLogTest, AReadErrorStopsTheConversion)
{
    const std::string raw = RawLog().Record(kMorning, 1, "a").EndBlock().Record(kMorning, 2, "b").EndBlock().Bytes();
    for (const auto failure : {FailingStreamBuf::Failure::Throws, FailingStreamBuf::Failure::SetsBad}) {
        FailingStreamBuf buffer(raw, 1024, failure);
        std::istream in(&buffer);
        buffer.Attach(in);
        StringOutputSink out;
        const DiagnosticConvertResult result = ConvertDiagnosticLog(in, out, {});
        EXPECT_EQ(result.status, DiagnosticConvertStatus::ReadFailed);
    }
}

class DiagnosticLogFileTest : public DiagnosticLogTest {
protected:
    void SetUp() override
    {
        DiagnosticLogTest::SetUp();
        folder_ = OutputFolder() / "diagnostic-log";
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
    }
    static void Write(const std::filesystem::path& path, const std::string& bytes)
    {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    static std::string Read(const std::filesystem::path& path)
    {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    std::filesystem::path folder_;
};

TEST_F(DiagnosticLogFileTest, TheRawFileGoesOnlyAfterTheSavedFileIsComplete)
{
    const std::string raw = RawLog().Record(kMorning, 1, "a").EndBlock().Record(kMorning, 2, "b").Bytes();
    const auto rawPath = folder_ / "events.dlf~";
    const auto savedPath = folder_ / "events.dlf";
    Write(rawPath, raw);
    const DiagnosticConvertResult done = ConvertDiagnosticLogFile(rawPath, savedPath, {});
    EXPECT_EQ(done.status, DiagnosticConvertStatus::Done);
    EXPECT_FALSE(std::filesystem::exists(rawPath));
    EXPECT_EQ(Read(savedPath), "01/15/2026  08:00:00.001  a\n01/15/2026  08:00:00.002  b\n");

    // The saved file's folder is gone: the raw file stays, and nothing half-written appears.
    Write(rawPath, raw);
    const DiagnosticConvertResult failed = ConvertDiagnosticLogFile(rawPath, folder_ / "missing" / "x.dlf", {});
    EXPECT_EQ(failed.status, DiagnosticConvertStatus::OutputOpenFailed);
    EXPECT_TRUE(std::filesystem::exists(rawPath));
    EXPECT_FALSE(std::filesystem::exists(folder_ / "missing"));

    const DiagnosticConvertResult noRaw = ConvertDiagnosticLogFile(folder_ / "none.dlf~", folder_ / "none.dlf", {});
    EXPECT_EQ(noRaw.status, DiagnosticConvertStatus::RawOpenFailed);
    EXPECT_FALSE(std::filesystem::exists(folder_ / "none.dlf"));
}

TEST_F(DiagnosticLogTest, SavedFileLinesSplitIntoTimeAndDescription)
{
    const std::string longLine = "01/15/2026  08:00:00.001  " + std::string(300, 'L');
    const std::string file = "01/15/2026  08:00:00.001  System: up\n"
                             "short\n"
                             "01/15/2026  08:00:00.002 \r\n"
                             + longLine + "\n"
                             + "\n"
                               "01/15/2026  08:00:03.000  last without end";
    std::istringstream in(file);
    DiagnosticFileReader reader(in);
    std::vector<DiagnosticFileRow> rows;
    while (auto row = reader.Next())
        rows.push_back(*row);
    ASSERT_EQ(rows.size(), 6u);
    EXPECT_EQ(rows[0].time, "01/15/2026  08:00:00.001");
    EXPECT_EQ(rows[0].description, "System: up");
    EXPECT_EQ(rows[1].time, "short");
    EXPECT_EQ(rows[1].description, "");
    EXPECT_EQ(rows[2].time, "01/15/2026  08:00:00.002");
    EXPECT_EQ(rows[2].description, "");
    // Cut at 254 characters; its rest is no row of its own.
    EXPECT_EQ(rows[3].description, std::string(254 - 26, 'L'));
    EXPECT_EQ(rows[4].time, "");
    EXPECT_EQ(rows[5].description, "last without end");
    EXPECT_EQ(reader.CharactersRead(), file.size());
    EXPECT_FALSE(reader.Failed());
}

TEST_F(DiagnosticLogTest, ConvertedLinesReadBackAsTheirRows)
{
    const std::string raw
        = RawLog().Record(kMorning, 5, "Clocking: synchronised").Record(kMorning + 60, 6, "E-Mail: sent").Bytes();
    const Converted converted = Convert(raw);
    std::istringstream in(converted.text);
    DiagnosticFileReader reader(in);
    std::vector<std::string> rows;
    while (auto row = reader.Next())
        rows.push_back(row->time + "|" + row->description);
    EXPECT_EQ(rows, converted.rows);
}

}  // namespace
}  // namespace diagnostic_log_test
}  // namespace corvane::test
