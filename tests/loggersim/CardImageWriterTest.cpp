#include "loggersim/CardImageWriter.h"

#include "base/AtomicFile.h"
#include "loggersim/LoggedSessionGenerator.h"
#include "loggersim/LoggerState.h"
#include "tests/platform/ScratchFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace corvane {
namespace card_image_writer_test {
namespace {

using test::ScratchFolder;
using Bytes = std::vector<std::uint8_t>;

constexpr std::uint8_t kTimeStamp = 13;

Bytes ReadAll(const std::filesystem::path& path)
{
    FileContents contents = ReadWholeFile(path, std::size_t{1} << 26);
    EXPECT_FALSE(contents.error) << contents.error.message;
    return contents.bytes;
}

std::vector<std::string> Names(const std::filesystem::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

LoggedSessionPlan Plan(std::uint32_t scans, bool stopped)
{
    LoggedSessionPlan plan;
    plan.startSeconds = 0x6720A000;
    plan.scanCount = scans;
    plan.stopped = stopped;
    plan.subSecond = true;
    plan.intervalTicks = 20;
    return plan;
}

TEST(CardImageWriterTest, WritesTheSessionFolderWithHeaderDataFilesAndStopFile)
{
    ScratchFolder card;
    LoggedSessionGenerator session(LoggerState::Fresh(), Plan(3000, true));
    ASSERT_EQ(CardImageWriter(card.Path()).WriteSession(session), "");

    const std::filesystem::path folder = card.Path() / "Log" / "6720A000";
    const std::string stop = CardImageWriter::HexName(session.StopSeconds()) + ".vre";
    // 3000 scans of 5 records, with a stamp repeated at most block starts: 4 data files.
    EXPECT_EQ(Names(folder),
        (std::vector<std::string>{"00000000.vrd", "00000001.vrd", "00000002.vrd", "00000003.vrd", stop, "HEADER"}));
    EXPECT_EQ(ReadAll(folder / "HEADER"), session.HeadRecords());
    for (const char* full : {"00000000.vrd", "00000001.vrd", "00000002.vrd"})
        EXPECT_EQ(std::filesystem::file_size(folder / full), CardImageWriter::kDataFileBytes) << full;
}

TEST(CardImageWriterTest, EveryBlockBeginsWithATimeStampAndTheRecordsFollowInOrder)
{
    ScratchFolder card;
    LoggedSessionGenerator written(LoggerState::Fresh(), Plan(1000, true));
    ASSERT_EQ(CardImageWriter(card.Path(), 8192).WriteSession(written), "");

    Bytes joined;
    const std::filesystem::path folder = card.Path() / "Log" / "6720A000";
    for (const std::string& name : Names(folder)) {
        if (!name.ends_with(".vrd"))
            continue;
        const Bytes file = ReadAll(folder / name);
        EXPECT_LE(file.size(), 8192u);
        for (std::size_t block = 0; block < file.size(); block += CardImageWriter::kBlockBytes)
            EXPECT_EQ(file[block], kTimeStamp) << name << " block at " << block;
        joined.insert(joined.end(), file.begin(), file.end());
    }
    // The card's records are the session's, with a stamp repeated where a
    // block began inside a scan.
    LoggedSessionGenerator expected(LoggerState::Fresh(), Plan(1000, true));
    LoggedSessionGenerator::Record record{};
    LoggedSessionGenerator::Record lastStamp{};
    std::size_t at = 0;
    while (expected.Next(record)) {
        ASSERT_LE(at + 8, joined.size());
        if (record[0] != kTimeStamp
            && std::equal(lastStamp.begin(), lastStamp.end(), joined.begin() + static_cast<std::ptrdiff_t>(at))) {
            EXPECT_EQ(at % CardImageWriter::kBlockBytes, 0u);
            at += 8;
        }
        ASSERT_TRUE(std::equal(record.begin(), record.end(), joined.begin() + static_cast<std::ptrdiff_t>(at))) << at;
        if (record[0] == kTimeStamp)
            lastStamp = record;
        at += 8;
    }
    EXPECT_EQ(at, joined.size());
}

TEST(CardImageWriterTest, ARunningSessionHasNoStopFile)
{
    ScratchFolder card;
    LoggedSessionGenerator session(LoggerState::Fresh(), Plan(10, false));
    ASSERT_EQ(CardImageWriter(card.Path()).WriteSession(session), "");
    EXPECT_EQ(Names(card.Path() / "Log" / "6720A000"), (std::vector<std::string>{"00000000.vrd", "HEADER"}));
}

TEST(CardImageWriterTest, ReportsAFolderThatCannotBeCreated)
{
    ScratchFolder card;
    const std::filesystem::path blocked = card.Write("Log");  // a file where the log folder belongs
    LoggedSessionGenerator session(LoggerState::Fresh(), Plan(10, true));
    EXPECT_NE(CardImageWriter(card.Path()).WriteSession(session), "");
}

}  // namespace
}  // namespace card_image_writer_test
}  // namespace corvane
