#include "download/CardSessionJoin.h"

#include "ScratchFolder.h"
#include "base/AtomicFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace corvane {
namespace card_session_join_test {
namespace {

using test::ScratchFolder;

// An entry of a session folder: a file with its bytes, or a folder (which
// is there but cannot be read as a file).
struct Entry {
    const char* name;
    std::string bytes;
    bool folder = false;
};

std::string ReadText(const std::filesystem::path& path)
{
    const FileContents contents = ReadWholeFile(path, std::size_t{1} << 24);
    EXPECT_FALSE(contents.error) << contents.error.message;
    return std::string(contents.bytes.begin(), contents.bytes.end());
}

class CardSessionJoinTest : public ::testing::Test {
protected:
    std::filesystem::path Session(const std::vector<Entry>& entries) const
    {
        const std::filesystem::path folder = scratch_.Path() / "6720A000";
        std::filesystem::create_directories(folder);
        for (const Entry& entry : entries) {
            if (entry.folder)
                std::filesystem::create_directory(folder / entry.name);
            else
                scratch_.Write(std::string("6720A000/") + entry.name, entry.bytes);
        }
        return folder;
    }
    std::filesystem::path Raw() const { return scratch_.Path() / "quvBinDownload.bin"; }

    ScratchFolder scratch_;
};

TEST_F(CardSessionJoinTest, JoinsHeaderAndEveryDataFileInNumberOrderAndNamesTheGaps)
{
    // Longer than one read, so a file is joined in several.
    const std::string big(200'000, 'b');
    struct Case {
        const char* what;
        std::vector<Entry> entries;
        std::string joined;
        std::vector<std::string> missing;
    };
    const Case cases[] = {
        {"gap after 0", {{"HEADER", "head"}, {"00000000.vrd", "zero"}, {"00000002.vrd", "two"}}, "headzerotwo",
            {"00000001.vrd"}},
        {"gaps before, between and a run",
            {{"HEADER", "h"}, {"00000007.vrd", "7"}, {"00000003.vrd", "3"}, {"00000002.vrd", "2"}}, "h237",
            {"00000000.vrd to 00000001.vrd", "00000004.vrd to 00000006.vrd"}},
        {"no data files", {{"HEADER", "head"}, {"12345678.vre", "stop"}, {"0000000x.vrd", "odd"}}, "head", {}},
        {"names in other cases", {{"header", "h"}, {"00000000.VRD", "0"}, {"00000001.Vrd", "1"}}, "h01", {}},
        {"large files", {{"HEADER", big}, {"00000000.vrd", big}}, big + big, {}},
        {"empty files", {{"HEADER", ""}, {"00000000.vrd", ""}, {"00000001.vrd", "x"}}, "x", {}},
    };
    for (const Case& c : cases) {
        std::filesystem::remove_all(scratch_.Path() / "6720A000");
        const CardSessionJoinResult result = JoinCardSession(Session(c.entries), Raw());
        ASSERT_TRUE(result) << c.what << ": " << result.reason;
        EXPECT_EQ(result.bytes, c.joined.size()) << c.what;
        EXPECT_EQ(ReadText(Raw()), c.joined) << c.what;
        EXPECT_EQ(result.missing, c.missing) << c.what;
    }
}

TEST_F(CardSessionJoinTest, NamesTheFileThatCouldNotBeOpenedOrRead)
{
    struct Case {
        const char* what;
        std::vector<Entry> entries;
        const char* failedFile;
        std::uint64_t bytesBefore;
    };
    const Case cases[] = {
        {"no HEADER", {{"00000000.vrd", "zero"}}, "HEADER", 0},
        {"HEADER unreadable", {{"HEADER", "", true}}, "HEADER", 0},
        {"data file unreadable", {{"HEADER", "head"}, {"00000000.vrd", "zero"}, {"00000001.VRD", "", true}},
            "00000001.VRD", 8},
    };
    for (const Case& c : cases) {
        std::filesystem::remove_all(scratch_.Path() / "6720A000");
        const std::filesystem::path folder = Session(c.entries);
        const CardSessionJoinResult result = JoinCardSession(folder, Raw());
        EXPECT_EQ(result.failure, CardSessionJoinFailure::SessionFile) << c.what;
        EXPECT_EQ(result.file, folder / c.failedFile) << c.what;
        EXPECT_FALSE(result.reason.empty()) << c.what;
        EXPECT_EQ(result.bytes, c.bytesBefore) << c.what;
    }
}

TEST_F(CardSessionJoinTest, AMissingSessionFolderOrRawFolderIsReported)
{
    const CardSessionJoinResult noFolder = JoinCardSession(scratch_.Path() / "missing", Raw());
    EXPECT_EQ(noFolder.failure, CardSessionJoinFailure::SessionFile);
    EXPECT_EQ(noFolder.file, scratch_.Path() / "missing");

    const std::filesystem::path raw = scratch_.Path() / "no-such-folder" / "quvBinDownload.bin";
    const CardSessionJoinResult noRaw = JoinCardSession(Session({{"HEADER", "head"}}), raw);
    EXPECT_EQ(noRaw.failure, CardSessionJoinFailure::RawFile);
    EXPECT_EQ(noRaw.file, raw);
}

}  // namespace
}  // namespace card_session_join_test
}  // namespace corvane
