#include "app/UserDataFolder.h"

#include "ScratchFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <sys/stat.h>

namespace corvane {
namespace user_data_folder_test {
namespace {

namespace fs = std::filesystem;

TEST(PerUserDataFolderTest, ChoosesCorvaneHomeThenXdgDataHomeThenTheHomeFolder)
{
    struct Case {
        DataFolderEnvironment environment;
        fs::path expected;
    };
    const std::vector<Case> cases = {
        {{"/srv/corvane", "/x/share", "/home/ann"}, "/srv/corvane"},
        {{"", "/x/share", "/home/ann"}, "/x/share/Tarnwick/Corvane"},
        {{"", "/x/share/", "/home/ann"}, "/x/share/Tarnwick/Corvane"},
        {{"", "share", "/home/ann"}, "/home/ann/.local/share/Tarnwick/Corvane"},
        {{"", "", "/home/ann"}, "/home/ann/.local/share/Tarnwick/Corvane"},
        {{"", "", ""}, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PerUserDataFolder(c.environment).lexically_normal(), c.expected.lexically_normal())
            << "CORVANE_HOME=" << c.environment.corvaneHome << " XDG_DATA_HOME=" << c.environment.xdgDataHome
            << " HOME=" << c.environment.home;
}

TEST(MakeUserDataFolderTest, CreatesMissingFoldersPrivateAndLeavesExistingOnesAlone)
{
    test::ScratchFolder scratch;
    const fs::path share = scratch.Path() / "share";
    fs::create_directory(share);
    fs::permissions(share, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec);
    const fs::path folder = share / "Tarnwick" / "Corvane";
    ASSERT_TRUE(MakeUserDataFolder(folder));
    ASSERT_TRUE(fs::is_directory(folder));
    for (const fs::path& made : {share / "Tarnwick", folder}) {
        struct stat info {};
        ASSERT_EQ(::stat(made.c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 0777, 0700u) << made;
    }
    EXPECT_EQ(fs::status(share).permissions() & fs::perms::group_read, fs::perms::group_read);

    // Again: the folder is there, and a file placed in it stays.
    std::ofstream(folder / "dir.bin") << "kept";
    EXPECT_TRUE(MakeUserDataFolder(folder));
    EXPECT_TRUE(fs::exists(folder / "dir.bin"));

    // A file in the way, or no name at all, leaves no folder.
    std::ofstream(scratch.Path() / "blocked") << "x";
    EXPECT_FALSE(MakeUserDataFolder(scratch.Path() / "blocked" / "Corvane"));
    EXPECT_FALSE(MakeUserDataFolder({}));
}

}  // namespace
}  // namespace user_data_folder_test
}  // namespace corvane
