#include "base/AtomicFile.h"

#include "tests/platform/TestOutput.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <sys/resource.h>
#include <sys/stat.h>

namespace corvane {
namespace atomic_file_test {
namespace {

namespace fs = std::filesystem;

class AtomicFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (test::OutputFolder() / "atomic-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
    }
    void TearDown() override
    {
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }

    static std::string Contents(const fs::path& path)
    {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    std::vector<std::string> Names() const
    {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder_))
            names.push_back(entry.path().filename().string());
        return names;
    }

    fs::path folder_;
};

// Lowers the largest file size this process may write, so that a write
// fails half-way with EFBIG as it would on a full disk.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit lowered = saved_;
        lowered.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &lowered);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, oldHandler_);
    }

private:
    rlimit saved_{};
    void (*oldHandler_)(int) = nullptr;
};

TEST_F(AtomicFileTest, WritesAndReplacesLeavingOnlyTheTarget)
{
    const fs::path target = folder_ / "settings.ini";
    const std::string contents[] = {"first version, the longer one\n", "second\n", "", std::string("\0\xff\n", 3)};
    for (const std::string& bytes : contents) {
        const FileError error = WriteFileAtomically(target, bytes);
        ASSERT_FALSE(error) << error.message;
        EXPECT_EQ(Contents(target), bytes);
        EXPECT_EQ(Names(), std::vector<std::string>{"settings.ini"});
    }
}

TEST_F(AtomicFileTest, KeepsPermissionsOfTheReplacedFile)
{
    const fs::path target = folder_ / "private.ini";
    ASSERT_FALSE(WriteFileAtomically(target, "old"));
    ASSERT_EQ(::chmod(target.c_str(), 0640), 0);
    ASSERT_FALSE(WriteFileAtomically(target, "new"));
    struct stat info {};
    ASSERT_EQ(::stat(target.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
}

TEST_F(AtomicFileTest, ReplacesTheFileALinkPointsTo)
{
    fs::create_directory(folder_ / "real");
    const fs::path real = folder_ / "real" / "settings.ini";
    const fs::path link = folder_ / "link.ini";
    ASSERT_FALSE(WriteFileAtomically(real, "old"));
    fs::create_symlink(real, link);
    ASSERT_FALSE(WriteFileAtomically(link, "new"));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(Contents(real), "new");
    // No temporary file is left beside the real file.
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_ / "real"), fs::directory_iterator()), 1);
}

TEST_F(AtomicFileTest, ReportsTheFailedStepAndLeavesNothingBehind)
{
    fs::create_directory(folder_ / "occupied");
    ASSERT_FALSE(WriteFileAtomically(folder_ / "occupied" / "inside", "kept"));
    struct Case {
        fs::path target;
        std::string step;
        std::string systemText;
    };
    const Case cases[] = {
        {folder_ / "missing" / "settings.ini", "cannot create a temporary file in '" + (folder_ / "missing").string(),
            "No such file or directory"},
        {folder_ / "occupied", "cannot replace '" + (folder_ / "occupied").string(), "Is a directory"},
    };
    for (const Case& c : cases) {
        const FileError error = WriteFileAtomically(c.target, "new");
        EXPECT_EQ(error.kind, FileErrorKind::Failed) << c.target;
        EXPECT_NE(error.systemError, 0);
        EXPECT_NE(error.message.find(c.step), std::string::npos) << error.message;
        EXPECT_NE(error.message.find(c.systemText), std::string::npos) << error.message;
    }
    EXPECT_EQ(Names(), std::vector<std::string>{"occupied"});
    EXPECT_EQ(Contents(folder_ / "occupied" / "inside"), "kept");
}

TEST_F(AtomicFileTest, FailedWriteKeepsTheOldFileWhole)
{
    const fs::path target = folder_ / "settings.ini";
    const std::string old(100, 'o');
    ASSERT_FALSE(WriteFileAtomically(target, old));
    FileError error;
    {
        const FileSizeLimit limit(4096);
        error = WriteFileAtomically(target, std::string(10000, 'n'));
    }
    EXPECT_EQ(error.kind, FileErrorKind::Failed);
    EXPECT_EQ(error.systemError, EFBIG);
    EXPECT_NE(error.message.find("cannot write '" + folder_.string() + "/.settings.ini.tmp-"), std::string::npos)
        << error.message;
    EXPECT_EQ(Contents(target), old);
    EXPECT_EQ(Names(), std::vector<std::string>{"settings.ini"});
}

TEST_F(AtomicFileTest, ReadsWholeFilesUpToTheLimit)
{
    const fs::path path = folder_ / "data";
    ASSERT_FALSE(WriteFileAtomically(path, "0123456789"));
    struct Case {
        std::size_t maxBytes;
        FileErrorKind kind;
    };
    const Case cases[] = {{10, FileErrorKind::None}, {1 << 20, FileErrorKind::None}, {9, FileErrorKind::TooLarge}};
    for (const Case& c : cases) {
        const FileContents read = ReadWholeFile(path, c.maxBytes);
        EXPECT_EQ(read.error.kind, c.kind) << c.maxBytes << ": " << read.error.message;
        EXPECT_EQ(std::string(read.bytes.begin(), read.bytes.end()), c.kind == FileErrorKind::None ? "0123456789" : "")
            << c.maxBytes;
    }
    ASSERT_FALSE(WriteFileAtomically(path, ""));
    const FileContents empty = ReadWholeFile(path, 0);
    EXPECT_FALSE(empty.error) << empty.error.message;
    EXPECT_TRUE(empty.bytes.empty());
}

TEST_F(AtomicFileTest, ReadTellsMissingFilesFromOtherFailures)
{
    ASSERT_EQ(::mkfifo((folder_ / "pipe").c_str(), 0600), 0);
    fs::create_directory(folder_ / "folder");
    struct Case {
        fs::path path;
        FileErrorKind kind;
        std::string text;
    };
    const Case cases[] = {
        {folder_ / "missing", FileErrorKind::NotFound, "No such file or directory"},
        {folder_ / "folder", FileErrorKind::Failed, "not a regular file"},
        {folder_ / "pipe", FileErrorKind::Failed, "not a regular file"},  // and does not wait for a writer
    };
    for (const Case& c : cases) {
        const FileContents read = ReadWholeFile(c.path, 100);
        EXPECT_EQ(read.error.kind, c.kind) << c.path;
        EXPECT_NE(read.error.message.find("'" + c.path.string() + "'"), std::string::npos) << read.error.message;
        EXPECT_NE(read.error.message.find(c.text), std::string::npos) << read.error.message;
    }
}

}  // namespace
}  // namespace atomic_file_test
}  // namespace corvane
