#include "card/CFlashCardManager.h"

#include "CardTestSupport.h"
#include "card/CardMessages.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace corvane {
namespace c_flash_card_manager_test {
namespace {

using test::CardReportWindow;
using test::FakeCardSettings;
using test::FakeMediaProbe;
using test::ScratchFolder;

constexpr const char* kNoSessionsText = "Cannot analyze the content of the SD card. Ensure the card\n"
                                        "contains a \"Log\" folder, and if so, contains one or more\n"
                                        "8-character sub-folders, and that each of the sub-folders\n"
                                        "contains a file named \"HEADER.\"";

class CFlashCardManagerTest : public test::PlatformTest {
protected:
    CFlashCardManagerTest() { settings_.drive = card_.Path().string(); }

    std::filesystem::path Log() const { return card_.Path() / "Log"; }
    void Write(const std::filesystem::path& path, std::size_t size)
    {
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << std::string(size, 'x');
    }
    std::vector<CLogDataSessionInfo> Listing()
    {
        EXPECT_EQ(manager_.ScanSessions(), 0);
        std::vector<CLogDataSessionInfo> list(static_cast<std::size_t>(manager_.GetSessionCount()));
        for (std::size_t i = 0; i < list.size(); ++i)
            EXPECT_TRUE(manager_.GetSessionInfo(static_cast<int>(i), list[i]));
        return list;
    }

    ScratchFolder card_;
    FakeCardSettings settings_;
    FakeMediaProbe probe_;
    CFlashCardManager manager_{App(), settings_, probe_};
};

struct Listed {
    std::string name;
    std::uint32_t mode;
    std::uint32_t start;
    std::uint32_t stop;
    std::uint32_t size;
    friend bool operator==(const Listed&, const Listed&) = default;
    friend std::ostream& operator<<(std::ostream& out, const Listed& l)
    {
        return out << l.name << " mode " << l.mode << " start " << l.start << " stop " << l.stop << " size " << l.size;
    }
};

std::vector<Listed> Summaries(const std::vector<CLogDataSessionInfo>& list)
{
    std::vector<Listed> summaries;
    for (const CLogDataSessionInfo& info : list)
        summaries.push_back({info.name, info.mode, info.startTime, info.stopTime, info.dataSize});
    return summaries;
}

TEST_F(CFlashCardManagerTest, ListsTheSessionsOfACardImage)
{
    const std::uint32_t stop = test::WriteCardSession(card_.Path(), test::CardSession(0x6720A000, 2000));
    test::WriteCardSession(card_.Path(), test::CardSession(0x6720B000, 10, false));
    const std::uintmax_t size0 = std::filesystem::file_size(Log() / "6720A000" / "00000000.vrd");
    const std::uintmax_t size1 = std::filesystem::file_size(Log() / "6720A000" / "00000001.vrd");
    const std::uintmax_t size2 = std::filesystem::file_size(Log() / "6720A000" / "00000002.vrd");
    const std::uintmax_t running = std::filesystem::file_size(Log() / "6720B000" / "00000000.vrd");

    EXPECT_EQ(manager_.CountSessions(), 2);
    EXPECT_EQ(Summaries(Listing()),
        (std::vector<Listed>{{"6720A000", 0, 0x6720A000, stop, static_cast<std::uint32_t>(size0 + size1 + size2)},
            {"6720B000", 0, 0x6720B000, 0, static_cast<std::uint32_t>(running)}}));
}

TEST_F(CFlashCardManagerTest, ListsEntriesThatAreNotSessionsWithTheirMode)
{
    test::WriteCardSession(card_.Path(), test::CardSession(0x6720A000, 5));
    Write(Log() / "6A000000", 100);                           // a plain file
    std::filesystem::create_directories(Log() / "6B000000");  // no HEADER
    Write(Log() / "6C000000" / "HEADER", 100);                // no whole unit header
    Write(Log() / "NOTHEX" / "HEADER", 0);
    Write(Log() / "LongerThanTheNameField" / "x.vrd", 7);

    const std::vector<Listed> listed = Summaries(Listing());
    ASSERT_EQ(listed.size(), 6u);
    EXPECT_EQ(listed[1], (Listed{"6A000000", 0xFFFF, 0x6A000000, 0, 0}));
    EXPECT_EQ(listed[2], (Listed{"6B000000", 0xFFFF, 0x6B000000, 0, 0}));
    EXPECT_EQ(listed[3], (Listed{"6C000000", 0xFFE5, 0x6C000000, 0, 0}));
    EXPECT_EQ(listed[4], (Listed{"LongerThanTheNameField", 0xFFFF, 0, 0, 7}));
    EXPECT_EQ(listed[5], (Listed{"NOTHEX", 0xFFE5, 0, 0, 0}));
    EXPECT_TRUE(Prompts().messageBoxes.empty());
}

TEST_F(CFlashCardManagerTest, MatchesCardNamesWithoutRegardToCase)
{
    test::WriteCardSession(card_.Path(), test::CardSession(0x6720A000, 5, false));
    std::filesystem::rename(Log(), card_.Path() / "LOG");
    const std::filesystem::path session = card_.Path() / "LOG" / "6720A000";
    std::filesystem::rename(session / "HEADER", session / "header");
    std::filesystem::rename(session / "00000000.vrd", session / "00000000.VRD");
    Write(session / "6720a100.VRE", 0);
    Write(session / "6720A0FF.Vre", 0);  // several stop files: the first by name counts

    const std::vector<Listed> listed = Summaries(Listing());
    ASSERT_EQ(listed.size(), 1u);
    EXPECT_EQ(listed[0].mode, 0u);
    EXPECT_EQ(listed[0].stop, 0x6720A0FFu);
    EXPECT_EQ(listed[0].size, std::filesystem::file_size(session / "00000000.VRD"));
}

TEST_F(CFlashCardManagerTest, ReadsStartTimesAsHexadecimalNumbers)
{
    const std::pair<const char*, std::uint32_t> cases[] = {
        {"6720A000", 0x6720A000},
        {"6720a000", 0x6720A000},
        {"00000000", 0},
        {"FFFFFFFF", 0xFFFFFFFF},
        {"12XY", 0x12},
        {"XY12", 0},
        {"0x1F", 0x1F},
        {"", 0},
        {"123456789", 0xFFFFFFFF},
    };
    for (const auto& [name, start] : cases)
        EXPECT_EQ(CFlashCardManager::ReadStartTime(name), start) << name;
}

TEST_F(CFlashCardManagerTest, WithoutAMountPointTheDriveIsNotSpecified)
{
    for (const char* drive : {"", "F:", "relative/card"}) {
        Prompts().messageBoxes.clear();
        settings_.drive = drive;
        EXPECT_FALSE(manager_.CheckDrive()) << drive;
        ASSERT_EQ(Prompts().messageBoxes.size(), 1u) << drive;
        EXPECT_EQ(Prompts().messageBoxes[0].text, "Drive not Specified");
        EXPECT_EQ(Prompts().messageBoxes[0].caption, "SD Card");
        EXPECT_EQ(Prompts().messageBoxes[0].icon, MessageBoxIcon::Information);
        EXPECT_EQ(manager_.CountSessions(), 0);
        EXPECT_FALSE(manager_.IsCardPresent());
        EXPECT_TRUE(manager_.GetLogFolder().empty());
    }
}

TEST_F(CFlashCardManagerTest, ChecksTheDriveAndTheCardThroughTheProbe)
{
    struct Case {
        bool removable;
        bool present;
        bool folderExists;
    };
    for (const Case c :
        {Case{true, true, true}, Case{false, true, true}, Case{true, false, true}, Case{true, true, false}}) {
        probe_.removable = c.removable;
        probe_.present = c.present;
        settings_.drive = c.folderExists ? card_.Path().string() : (card_.Path() / "gone").string();
        EXPECT_EQ(manager_.CheckDrive(), c.removable);
        EXPECT_EQ(manager_.IsCardPresent(), c.present && c.folderExists);
    }
    EXPECT_TRUE(Prompts().messageBoxes.empty());
}

TEST_F(CFlashCardManagerTest, AnalyzeCardWantsALogFolderWithEntries)
{
    EXPECT_FALSE(manager_.AnalyzeCard());
    std::filesystem::create_directories(Log());
    EXPECT_FALSE(manager_.AnalyzeCard());
    ASSERT_EQ(Prompts().messageBoxes.size(), 2u);
    EXPECT_EQ(Prompts().messageBoxes[0].text, kNoSessionsText);
    EXPECT_EQ(Prompts().messageBoxes[0].caption, "SD Card Error");
    EXPECT_EQ(Prompts().messageBoxes[0].icon, MessageBoxIcon::Warning);

    test::WriteCardSession(card_.Path(), test::CardSession(0x6720A000, 5));
    EXPECT_TRUE(manager_.AnalyzeCard());
    EXPECT_EQ(Prompts().messageBoxes.size(), 2u);
}

TEST_F(CFlashCardManagerTest, ReReadsTheMountPointBeforeEachUse)
{
    ScratchFolder other;
    test::WriteCardSession(other.Path(), test::CardSession(0x6720A000, 5));
    test::WriteCardSession(other.Path(), test::CardSession(0x6720B000, 5));
    EXPECT_EQ(manager_.CountSessions(), 0);
    settings_.drive = other.Path().string();
    EXPECT_EQ(manager_.CountSessions(), 2);
    EXPECT_EQ(manager_.GetDrive(), other.Path().string());
    EXPECT_EQ(manager_.GetLogFolder(), other.Path() / "Log");
}

TEST_F(CFlashCardManagerTest, KeepsTheSessionListUntilTheNextScan)
{
    test::WriteCardSession(card_.Path(), test::CardSession(0x6720A000, 5));
    EXPECT_EQ(Listing().size(), 1u);
    CLogDataSessionInfo info;
    EXPECT_FALSE(manager_.GetSessionInfo(1, info));
    EXPECT_FALSE(manager_.GetSessionInfo(-1, info));
    manager_.FreeSessionList();
    EXPECT_EQ(manager_.GetSessionCount(), 0);
}

TEST_F(CFlashCardManagerTest, RefusesNamesThatWouldLeaveTheLogFolder)
{
    std::filesystem::create_directories(Log());
    for (const char* name : {"", ".", "..", "../Log", "a/b", "SIXTEEN-CHARS-XX"})
        EXPECT_FALSE(manager_.DeleteSession(1, name)) << name;
    for (const char* name : {"", ".", "..", "a/b", "NINE-CHAR"}) {
        CardJob job;
        job.sessionName = name;
        job.outputFilePath = card_.Path() / "out.csv";
        EXPECT_FALSE(manager_.PostCardJob(job, false)) << name;
    }
    settings_.drive = "";
    EXPECT_FALSE(manager_.DeleteSession(1, "6720A000"));
}

TEST_F(CFlashCardManagerTest, DeletesASessionOnTheWorker)
{
    test::WriteCardSession(card_.Path(), test::CardSession(0x6720A000, 2000));
    test::WriteCardSession(card_.Path(), test::CardSession(0x6720B000, 5));
    CardReportWindow window;
    ASSERT_TRUE(App().PostThreadMessage(manager_.GetWorkerThreadId(), kCardSetNotifyWindowMessage, 0,
        static_cast<std::intptr_t>(window.Handle().value)));

    // HEADER, three data files and the stop file: five files, four expected.
    ASSERT_TRUE(manager_.DeleteSession(4, "6720A000"));
    test::PumpUntil(App(), [&] { return window.Got(kCardDeleteDoneMessage); });
    EXPECT_FALSE(std::filesystem::exists(Log() / "6720A000"));
    EXPECT_TRUE(std::filesystem::exists(Log() / "6720B000"));
    EXPECT_EQ(window.Ids(), (std::vector<MessageId>{kCardDeleteStartedMessage, kCardDeleteDoneMessage}));
    EXPECT_EQ(window.sessionNames, std::vector<std::string>{"6720A000"});
    EXPECT_EQ(window.progress, (std::vector<std::intptr_t>{0, 25, 50, 75, 100}));
}

TEST_F(CFlashCardManagerTest, ADeletionWithoutAnExpectedCountCountsTheFiles)
{
    test::WriteCardSession(card_.Path(), test::CardSession(0x6720A000, 5));
    std::filesystem::create_directories(Log() / "6720A000" / "kept" / "inner");
    CardReportWindow window;
    ASSERT_TRUE(App().PostThreadMessage(manager_.GetWorkerThreadId(), kCardSetNotifyWindowMessage, 0,
        static_cast<std::intptr_t>(window.Handle().value)));

    // HEADER, the data file, the stop file and a folder that cannot go.
    ASSERT_TRUE(manager_.DeleteSession(0, "6720A000"));
    test::PumpUntil(App(), [&] { return window.Got(kCardDeleteDoneMessage); });
    EXPECT_EQ(window.progress, (std::vector<std::intptr_t>{0, 25, 50, 75}));
    EXPECT_TRUE(std::filesystem::exists(Log() / "6720A000" / "kept"));
    EXPECT_FALSE(std::filesystem::exists(Log() / "6720A000" / "HEADER"));
}

TEST_F(CFlashCardManagerTest, StopsItsWorkerAndThenPostsNothing)
{
    EXPECT_NE(manager_.GetWorkerThreadId(), 0u);
    manager_.StopWorker();
    EXPECT_EQ(manager_.GetWorkerThreadId(), 0u);
    test::WriteCardSession(card_.Path(), test::CardSession(0x6720A000, 5));
    EXPECT_FALSE(manager_.DeleteSession(1, "6720A000"));
    CardJob job;
    job.sessionName = "6720A000";
    EXPECT_FALSE(manager_.PostCardJob(job, false));
    manager_.CancelJob();
    manager_.ClearCancel();
}

}  // namespace
}  // namespace c_flash_card_manager_test
}  // namespace corvane
